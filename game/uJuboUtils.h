#pragma once
// The rule book: scoring of every line of the score sheet, plus a small helper.
// Plain functions without state; no toolkit header.

#include <array>
#include <cstdint>
#include <string>

// Five die values (1..6). The scoring functions take the hand by value.
using TDiceHand = std::array<std::int32_t, 5>;

struct TPoint {
    int X = 0;
    int Y = 0;
    friend bool operator==(const TPoint&, const TPoint&) = default;
};

int SumOfDice(TDiceHand AHand);
int ScoreNumber(int AFace, TDiceHand AHand);
// The hand must be sorted ascending for the three premium lines.
int ScoreStraight(int ARollCount, TDiceHand AHand);
int ScoreFull(int ARollCount, TDiceHand AHand);
int ScoreHigh(const std::string& ALowText, TDiceHand AHand);
int ScoreLow(const std::string& AHighText, TDiceHand AHand);
int ScoreJubo(int ARollCount, TDiceHand AHand);

// Top-left corner that centres a box of AWidth x AHeight over a form at
// (AFormLeft, AFormTop) of size AFormWidth x AFormHeight.
TPoint CenteredPos(int AFormLeft, int AFormTop, int AFormWidth, int AFormHeight, int AWidth,
                   int AHeight);
