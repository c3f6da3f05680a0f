#pragma once
// The score sheet: its fourteen rows, their labels, which the player writes and
// how each written line is scored. The session, the hints and the grid's labels
// all read this one table.

#include "uJuboUtils.h"

#include <array>
#include <string>

constexpr int kSheetColCount = 2;
constexpr int kSheetRowCount = 14;
constexpr int kLabelCol = 0;
constexpr int kScoreCol = 1;

enum TSheetRow : int {
    rowOnes = 0,
    rowSixes = 5,
    rowSubTotal = 6,
    rowBonus = 7,
    rowStraight = 8,
    rowFull = 9,
    rowHigh = 10,
    rowLow = 11,
    rowJubo = 12,
    rowTotal = 13,
};

constexpr int kWritableLineCount = 11;
constexpr int kBonusThreshold = 63;
constexpr int kBonusValue = 25;

// The Bonus that an upper Sub-Total earns.
int BonusOf(int AUpperSubTotal);

// The texts of a sheet's score column by row, "" for a free line.
using TSheetCells = std::array<std::string, kSheetRowCount>;
// The number lines added up (the Sub-Total the Bonus depends on), and the
// sheet's Total: the number lines, their Bonus and the lower lines. Only the
// writable rows are read; a text that is no number counts 0.
int UpperSubTotalOf(const TSheetCells& ACells);
int SheetTotalOf(const TSheetCells& ACells);

// Labels of rows 6 to 13, in row order.
extern const std::array<const char*, 8> LowerLineLabels;

// "1".."6" for rows 0..5, then the lower labels; empty outside the sheet.
std::string RowLabel(int ARow);

// Rows 0..5 and 8..12; Sub-Total, Bonus and Total are computed.
bool IsWritableRow(int ARow);

// The score that writing row ARow would store for the sorted hand. AHighText and
// ALowText are the current texts of the High and Low cells. 0 for rows that are
// not writable.
int ScoreOfLine(int ARow, const TDiceHand& AHand, int ARollCount, const std::string& AHighText,
                const std::string& ALowText);
