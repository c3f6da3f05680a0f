#include "game/uJuboUtils.h"

#include "game/TextNumbers.h"

#include <numeric>

namespace {

constexpr int kMinimumHighLow = 20;

bool AllConsecutive(const TDiceHand& AHand) {
    for (std::size_t i = 0; i + 1 < AHand.size(); ++i) {
        if (AHand[i + 1] != AHand[i] + 1) {
            return false;
        }
    }
    return true;
}

bool AllEqual(const TDiceHand& AHand) {
    for (std::size_t i = 0; i + 1 < AHand.size(); ++i) {
        if (AHand[i + 1] != AHand[i]) {
            return false;
        }
    }
    return true;
}

int Premium(int ARollCount, int AFirstRoll, int ALater) {
    return ARollCount == 1 ? AFirstRoll : ALater;
}

// High and Low mirror each other: the sum counts when it reaches the minimum and
// either the other line is free, the sum beats the other line strictly in the
// line's own direction, or the other line was written with zero.
template <typename Beats>
int ScoreHighLow(const std::string& AOtherText, TDiceHand AHand, Beats beats) {
    const int s = SumOfDice(AHand);
    if (s < kMinimumHighLow) {
        return 0;
    }
    if (AOtherText.empty() || beats(s, TextToIntOr(AOtherText, 0)) || AOtherText == "0") {
        return s;
    }
    return 0;
}

} // namespace

int SumOfDice(TDiceHand AHand) {
    return std::accumulate(AHand.begin(), AHand.end(), 0);
}

int ScoreNumber(int AFace, TDiceHand AHand) {
    int result = 0;
    for (int die : AHand) {
        if (die == AFace) {
            result += AFace;
        }
    }
    return result;
}

int ScoreStraight(int ARollCount, TDiceHand AHand) {
    return AllConsecutive(AHand) ? Premium(ARollCount, 30, 25) : 0;
}

int ScoreFull(int ARollCount, TDiceHand AHand) {
    const bool full = AHand[0] == AHand[1] && AHand[3] == AHand[4] &&
                      (AHand[2] == AHand[1] || AHand[2] == AHand[3]);
    return full ? Premium(ARollCount, 30, 25) : 0;
}

int ScoreHigh(const std::string& ALowText, TDiceHand AHand) {
    return ScoreHighLow(ALowText, AHand, [](int s, int low) { return s > low; });
}

int ScoreLow(const std::string& AHighText, TDiceHand AHand) {
    return ScoreHighLow(AHighText, AHand, [](int s, int high) { return s < high; });
}

int ScoreJubo(int ARollCount, TDiceHand AHand) {
    return AllEqual(AHand) ? Premium(ARollCount, 35, 30) : 0;
}

TPoint CenteredPos(int AFormLeft, int AFormTop, int AFormWidth, int AFormHeight, int AWidth,
                   int AHeight) {
    // C++ integer division truncates toward zero, as the placement rule wants.
    return {AFormLeft + AFormWidth / 2 - AWidth / 2, AFormTop + AFormHeight / 2 - AHeight / 2};
}
