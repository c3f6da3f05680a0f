#pragma once
// The window's high-score dialog and settings store, as the game session reaches
// them through its interfaces.

#include "game/GameInterfaces.h"

#include <functional>
#include <memory>

class TfrmHighScores;
class TVHRegistry;

// AForm gives the high-score dialog when it is needed: the window may change it.
std::unique_ptr<IHighScoreEntry> MakeHighScoreEntry(std::function<TfrmHighScores*()> AForm);
// The roll sound switch and the last player name, read from the store each time.
std::unique_ptr<ISessionSettings> MakeSessionSettings(TVHRegistry& ASettings);
