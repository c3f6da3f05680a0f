#pragma once
// The look of the dice as the settings keep it: the style, stored as its
// ordinal plus 2 (2 flat, 3 pictures), and the dice's three colours.

#include "controls/VHDice.h"
#include "storage/VHRegistry.h"

#include <vector>

// The stored style; anything but 3 (a damaged store) paints flat dice.
TDiceStyle StoredDiceStyle(const TVHRegistry& ASettings);
void StoreDiceStyle(TVHRegistry& ASettings, TDiceStyle AStyle);

// Gives every die the stored style and colours.
void LoadDiceLook(const TVHRegistry& ASettings, const std::vector<TVHDice*>& ADice);
// Stores the style and colours of ADie.
void SaveDiceLook(TVHRegistry& ASettings, const TVHDice& ADie);
