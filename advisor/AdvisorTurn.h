#pragma once
// The advisor's model of a game: the state at the start of a turn, the index
// of every reachable state in the value table, the line scores of every hand
// (taken once from ScoreOfLine), and the exact solution of one turn.

#include "advisor/AdvisorDice.h"
#include "game/ScoreSheet.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

inline constexpr int kLineCount = kWritableLineCount;
inline constexpr int kAllLinesMask = (1 << kLineCount) - 1;
// Line i of the advisor is sheet row kLineRows[i].
inline constexpr std::array<int, kLineCount> kLineRows = kWritableRows;
inline constexpr int kLineStraight = 6;
inline constexpr int kLineFull = 7;
inline constexpr int kLineHigh = 8;
inline constexpr int kLineLow = 9;
inline constexpr int kLineJubo = 10;

// What High and Low need to know of each other: kFreeOther while the other line
// is free (or both are written), kZeroOther when it holds "0", else the code of
// its value 20..30.
inline constexpr int kFreeOther = 0;
inline constexpr int kZeroOther = 1;
inline constexpr int kContextCount = 13;
int ContextOfValue(int AValue);        // -1 for a value no written High or Low can hold
std::string ContextText(int AContext); // the other line's cell text

// The start of a turn, as far as the rest of the game depends on it.
struct TAdvisorState {
    int Mask = 0;    // bit i: line i is written
    int Upper = 0;   // upper Sub-Total, capped at the Bonus threshold
    int Context = 0; // the written High or Low, when exactly one of them is
};

// A sheet read into a state, plus the points it already holds.
struct TSheetReading {
    TAdvisorState State;
    int Points = 0; // the sheet's Total: Sub-Total, Bonus and the lower lines
};

// Reads the writable rows of a sheet. Throws std::invalid_argument for a cell
// that no play of the game can write.
TSheetReading ReadSheet(const std::array<std::string, kSheetRowCount>& ACells);

// The other line's text as ScoreHigh (ALine = kLineHigh) or ScoreLow sees it.
std::string OtherLineText(const TAdvisorState& AState, int ALine);

// The state after writing ALine with AScore, and the points that adds (the
// score plus a Bonus it completes).
TAdvisorState StateAfter(const TAdvisorState& AState, int ALine, int AScore, int& AGain);

// Where each reachable state's value lies. Upper Sub-Totals that can no longer
// reach the Bonus share one slot, as do all once the six number lines are written.
class TStateSpace {
public:
    static const TStateSpace& Instance();
    std::size_t Count() const { return FCount; }
    std::size_t Index(const TAdvisorState& AState) const;
    // One Sub-Total per slot of the upper lines AUpperMask, in slot order.
    const std::vector<int>& UpperRepresentatives(int AUpperMask) const {
        return FUpperReps[static_cast<std::size_t>(AUpperMask)];
    }
    // The contexts a state of AMask can carry.
    int ContextFirst(int AMask) const;
    int ContextEnd(int AMask) const;

private:
    TStateSpace();
    std::array<std::array<std::int8_t, kBonusThreshold + 1>, 64> FUpperSlot{};
    std::array<std::vector<int>, 64> FUpperReps;
    std::array<std::size_t, kAllLinesMask + 1> FOffset{};
    std::size_t FCount = 0;
};

// Every line score of every hand, taken from ScoreOfLine.
struct TScoreTables {
    static const TScoreTables& Instance();
    // [line 0..5][hand]: the number line's score divided by its face (dice of that face).
    std::array<std::array<std::int8_t, kHandCount>, 6> UpperDice{};
    // [0 Straight, 1 Full, 2 Jubo][0 first roll, 1 later][hand].
    std::array<std::array<std::array<std::int8_t, kHandCount>, 2>, 3> Premium{};
    // [context of the other line][hand].
    std::array<std::array<std::int8_t, kHandCount>, kContextCount> High{};
    std::array<std::array<std::int8_t, kHandCount>, kContextCount> Low{};

private:
    TScoreTables();
};

// The values within one turn of a state, given the table of turn-start values
// of later states. All figures are expected points still to come.
struct TTurnSolution {
    // Holding keep K and rolling the rest as the k-th roll of the turn (k = 1..3):
    // Rolled[k-1][K], before that roll. The first roll holds nothing: Rolled[0] is
    // used at the empty keep only; after Rolled[2], the third, only a write is left.
    std::array<std::array<double, kKeepCount>, 3> Rolled{};
    double Start = 0; // before the first roll
};

class TTurnSolver {
public:
    explicit TTurnSolver(const double* AValues);
    // The expected points to come after writing ALine with AScore from AState.
    double WriteValue(const TAdvisorState& AState, int ALine, int AScore) const;
    void Solve(const TAdvisorState& AState, TTurnSolution& ASolution);

private:
    const double* FValues;
    const TStateSpace& FSpace;
    const TScoreTables& FScores;
    const TDiceKeeps& FKeeps;
    // Scratch space of Solve.
    std::array<double, kHandCount> FWriteFirst{};
    std::array<double, kHandCount> FWriteLater{};
    std::array<double, kHandCount> FHandValue{};
    std::array<double, kKeepCount> FBestSub{};
};
