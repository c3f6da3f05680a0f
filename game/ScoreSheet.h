#pragma once
// The score sheet: its fourteen rows, their labels, which the player writes, how
// each written line is scored and the command that writes it. The session, the
// advisor, the menu and the grid's labels all read the one table kSheetLines.

#include "game/Texts.h"
#include "game/uJuboUtils.h"

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

constexpr int kBonusThreshold = 63;
constexpr int kBonusValue = 25;

// What a line is scored from: the sorted hand, the rolls made this turn and the
// current texts of the High and Low cells, which those two lines depend on.
struct TLineInput {
    const TDiceHand& Hand;
    int RollCount;
    const std::string& HighText;
    const std::string& LowText;
};
// What writing a line would store.
using TLineScorer = int (*)(const TLineInput& AInput);

// One line of the sheet. A line with a write command (a Tag) and a scorer is
// written by the player through that command: the Game menu's item (its name,
// caption and shortcut in Qt's portable key text) with Tag 11..21, which writes
// the line by a click on the fixed point (kWriteCommandX, CommandY) inside
// column 1 of the grid. A line without one is counted from the others.
struct TSheetLine {
    int Row = 0;
    const char* Label = "";
    TLineScorer Score = nullptr;
    int Tag = 0;
    const char* CommandName = "";
    const char* CommandCaption = "";
    const char* Shortcut = "";
    int CommandY = 0;

    // By its Tag: a function pointer made from a lambda is no constant expression
    // under the undefined-behaviour sanitizer.
    constexpr bool Writable() const { return Tag != 0; }
};

inline constexpr int kWriteCommandX = 91;

// The sheet's fourteen lines in row order: the one place that knows them. Labels
// and captions are English sources, looked up in the "ScoreSheet" context.
// {row, label, scorer, tag, command name, command caption, shortcut, command y}
inline constexpr std::array<TSheetLine, kSheetRowCount> kSheetLines = {{
    {rowOnes, "1", [](const TLineInput& A) { return ScoreNumber(1, A.Hand); }, 11, "N12", "1",
     "Ctrl+F1", 14},
    {1, "2", [](const TLineInput& A) { return ScoreNumber(2, A.Hand); }, 12, "N22", "2", "Ctrl+F2",
     42},
    {2, "3", [](const TLineInput& A) { return ScoreNumber(3, A.Hand); }, 13, "N32", "3", "Ctrl+F3",
     62},
    {3, "4", [](const TLineInput& A) { return ScoreNumber(4, A.Hand); }, 14, "N42", "4", "Ctrl+F4",
     86},
    {4, "5", [](const TLineInput& A) { return ScoreNumber(5, A.Hand); }, 15, "N51", "5", "Ctrl+F5",
     110},
    {rowSixes, "6", [](const TLineInput& A) { return ScoreNumber(6, A.Hand); }, 16, "N61", "6",
     "Ctrl+F6", 136},
    {rowSubTotal, TX_NOOP("ScoreSheet", "Sub-Total")},
    {rowBonus, TX_NOOP("ScoreSheet", "Bonus")},
    {rowStraight, TX_NOOP("ScoreSheet", "Straight"),
     [](const TLineInput& A) { return ScoreStraight(A.RollCount, A.Hand); }, 17, "Straight1",
     TX_NOOP("ScoreSheet", "Straight"), "Ctrl+S", 211},
    {rowFull, TX_NOOP("ScoreSheet", "Full"),
     [](const TLineInput& A) { return ScoreFull(A.RollCount, A.Hand); }, 18, "Full1",
     TX_NOOP("ScoreSheet", "Full"), "Ctrl+F", 236},
    {rowHigh, TX_NOOP("ScoreSheet", "High"),
     [](const TLineInput& A) { return ScoreHigh(A.LowText, A.Hand); }, 19, "Haut1",
     TX_NOOP("ScoreSheet", "High"), "Ctrl+H", 260},
    {rowLow, TX_NOOP("ScoreSheet", "Low"),
     [](const TLineInput& A) { return ScoreLow(A.HighText, A.Hand); }, 20, "Bas1",
     TX_NOOP("ScoreSheet", "Low"), "Ctrl+L", 285},
    {rowJubo, "Tolmir", [](const TLineInput& A) { return ScoreJubo(A.RollCount, A.Hand); }, 21,
     "Jubo1", TX_NOOP("ScoreSheet", "Jubo"), "Ctrl+J", 310},
    {rowTotal, TX_NOOP("ScoreSheet", "Total")},
}};

constexpr int CountWritableLines() {
    int count = 0;
    for (const TSheetLine& line : kSheetLines) {
        count += line.Writable() ? 1 : 0;
    }
    return count;
}
inline constexpr int kWritableLineCount = CountWritableLines();

// The rows the player writes, in row order.
constexpr std::array<int, kWritableLineCount> WritableRows() {
    std::array<int, kWritableLineCount> rows{};
    std::size_t next = 0;
    for (const TSheetLine& line : kSheetLines) {
        if (line.Writable()) {
            rows[next++] = line.Row;
        }
    }
    return rows;
}
inline constexpr std::array<int, kWritableLineCount> kWritableRows = WritableRows();

// The line whose write command has Tag ATag; null for any other tag.
const TSheetLine* LineOfWriteCommand(int ATag);

// The Bonus that an upper Sub-Total earns.
int BonusOf(int AUpperSubTotal);

// The texts of a sheet's score column by row, "" for a free line.
using TSheetCells = std::array<std::string, kSheetRowCount>;
// The number lines added up (the Sub-Total the Bonus depends on), and the
// sheet's Total: the number lines, their Bonus and the lower lines. Only the
// writable rows are read; a text that is no number counts 0.
int UpperSubTotalOf(const TSheetCells& ACells);
int SheetTotalOf(const TSheetCells& ACells);

// The row's label; empty outside the sheet.
std::string RowLabel(int ARow);

// Rows 0..5 and 8..12; Sub-Total, Bonus and Total are counted.
bool IsWritableRow(int ARow);

// The score that writing row ARow would store for the sorted hand (see
// TLineScorer). 0 for rows that are not writable.
int ScoreOfLine(int ARow, const TDiceHand& AHand, int ARollCount, const std::string& AHighText,
                const std::string& ALowText);
