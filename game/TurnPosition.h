#pragma once
// A position of a game as the window shows it: the written lines, the dice, the
// holds and the rolls made this turn. The session hands it out, the game's
// record keeps it, and the advisor answers for it.

#include "game/ScoreSheet.h"

#include <array>
#include <string>

// The written part of a sheet: the column-1 texts of rows 0..13, "" for a free
// line. Only the writable rows are read; the computed rows may hold anything.
struct TSheetPosition {
    std::array<std::string, kSheetRowCount> Cells{};
};

// A position within a turn, as the window shows it.
struct TTurnPosition {
    TSheetPosition Sheet;
    std::array<int, 5> Dice{6, 6, 6, 6, 6}; // die 1..5, left to right
    std::array<bool, 5> Held{};
    int RollCount = 0; // rolls made this turn, 0..3
};

// What a player decides at a position.
enum class TDecisionKind {
    Roll,  // roll the dice not held
    Write, // write the hand into a line
};
