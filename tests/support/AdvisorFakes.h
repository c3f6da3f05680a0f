#pragma once
// An advisor with known answers, for the review and the window's tests.

#include "advisor/AdvisorSource.h"
#include "game/ScoreSheet.h"

#include <algorithm>
#include <optional>
#include <vector>

// An advisor whose expected totals follow a simple rule: every write is worth
// writeWorth (100) plus the row, every roll 100 plus the number of dice kept,
// the roll that keeps bestKeep (dice per face 1..6), when given, 120; so the best
// choice and each loss are known in advance. The first roll of a turn rolls all.
class RuleAdvisor : public IAdvisorSource {
public:
    bool Ready() const override { return ready; }
    void Request() override { ++requests; }
    double Progress() const override { return progress; }
    double NewGameExpectation() const override { return 187.05; }
    TAdvice Advise(const TTurnPosition& APosition) const override {
        asked.push_back(APosition);
        TAdvice advice;
        if (APosition.RollCount < 3) {
            for (int mask = 0; mask < (APosition.RollCount == 0 ? 1 : 32); ++mask) {
                TAdviceOption option;
                option.Kind = TAdviceKind::Roll;
                int kept = 0;
                for (std::size_t i = 0; i < 5; ++i) {
                    option.Keep[i] = (mask >> i) & 1;
                    kept += option.Keep[i] ? 1 : 0;
                }
                option.Expected = 100.0 + kept;
                if (bestKeep && KeptFaceCounts(APosition.Dice, option.Keep) == *bestKeep) {
                    option.Expected = 120.0;
                }
                advice.Options.push_back(option);
            }
        }
        if (APosition.RollCount > 0) {
            for (int row = 0; row < kSheetRowCount; ++row) {
                if (IsWritableRow(row) &&
                    APosition.Sheet.Cells[static_cast<std::size_t>(row)].empty()) {
                    TAdviceOption option;
                    option.Row = row;
                    option.Expected = writeWorth + row;
                    advice.Options.push_back(option);
                }
            }
        }
        std::stable_sort(advice.Options.begin(), advice.Options.end(),
                         [](const auto& a, const auto& b) { return a.Expected > b.Expected; });
        return advice;
    }

    bool ready = true;
    int requests = 0;
    double progress = 1.0;
    double writeWorth = 100.0;
    std::optional<std::array<int, 6>> bestKeep;
    mutable std::vector<TTurnPosition> asked;
};
