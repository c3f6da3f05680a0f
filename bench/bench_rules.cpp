// The rule book: every line score of a hand, as the hints need them after a roll.

#include "bench/Budget.h"

#include "game/ScoreSheet.h"

#include <algorithm>
#include <array>

namespace {

// Hands that reach every scoring branch: nothing, a straight, a full house,
// five of a kind, a small and a large total.
constexpr std::array<TDiceHand, 6> kHands = {{
    {1, 2, 3, 4, 6},
    {2, 3, 4, 5, 6},
    {3, 3, 5, 5, 5},
    {4, 4, 4, 4, 4},
    {1, 1, 2, 2, 3},
    {5, 6, 6, 6, 6},
}};

void BM_LineScores(benchmark::State& AState) {
    const std::string high = "28";
    const std::string low;
    std::size_t next = 0;
    int rollCount = 1;
    for (auto _ : AState) {
        const TDiceHand& hand = kHands[next];
        for (int row = 0; row < kSheetRowCount; ++row) {
            if (IsWritableRow(row)) {
                benchmark::DoNotOptimize(ScoreOfLine(row, hand, rollCount, high, low));
            }
        }
        next = (next + 1) % kHands.size();
        rollCount = rollCount % 3 + 1;
    }
}

} // namespace

[[maybe_unused]] static auto* const kLineScores =
    RegisterBudgeted("LineScores", BM_LineScores, 2'000);
