#include "advisor/Advisor.h"

#include "advisor/AdvisorData.h"
#include "advisor/AdvisorTurn.h"

#include <algorithm>
#include <stdexcept>

std::array<bool, 5> KeepPositions(const TTurnPosition& APosition, const TFaceCounts& AKept) {
    std::array<bool, 5> keep{};
    TFaceCounts left = AKept;
    for (const bool held : {true, false}) {
        for (std::size_t d = 0; d < keep.size(); ++d) {
            const int face = APosition.Dice[d];
            if (APosition.Held[d] != held || face < 1 || face > kFaceCount) {
                continue;
            }
            int& n = left[static_cast<std::size_t>(face - 1)];
            if (n > 0) {
                keep[d] = true;
                --n;
            }
        }
    }
    return keep;
}

TAdvisorTable::TAdvisorTable() : FData(std::make_unique<TData>()) {}
TAdvisorTable::~TAdvisorTable() = default;
TAdvisorTable::TAdvisorTable(TAdvisorTable&&) noexcept = default;
TAdvisorTable& TAdvisorTable::operator=(TAdvisorTable&&) noexcept = default;

bool TAdvisorTable::Compute(const std::function<void(double)>& AProgress,
                            const std::atomic<bool>* ACancel) {
    const TStateSpace& space = TStateSpace::Instance();
    std::vector<double> values(space.Count(), 0.0);
    TTurnSolver solver(values.data());
    auto solution = std::make_unique<TTurnSolution>();
    std::size_t done = 0;
    // Writing a line sets its bit, so every later state has a greater mask.
    for (int mask = kAllLinesMask; mask >= 0; --mask) {
        if (ACancel != nullptr && ACancel->load(std::memory_order_relaxed)) {
            return false;
        }
        TAdvisorState state;
        state.Mask = mask;
        for (int upper : space.UpperRepresentatives(mask & 63)) {
            state.Upper = upper;
            for (int context = space.ContextFirst(mask); context < space.ContextEnd(mask);
                 ++context) {
                state.Context = context;
                const std::size_t index = space.Index(state);
                if (mask != kAllLinesMask) {
                    solver.Solve(state, *solution);
                    values[index] = solution->Start;
                }
                ++done;
            }
        }
        if (AProgress && mask % 32 == 0) {
            AProgress(static_cast<double>(done) / static_cast<double>(values.size()));
        }
    }
    FData->Values = std::move(values);
    return true;
}

bool TAdvisorTable::Ready() const {
    return FData && !FData->Values.empty();
}

namespace {

void RequireReady(bool AReady) {
    if (!AReady) {
        throw std::logic_error("the advisor's table is not computed yet");
    }
}

} // namespace

double TAdvisorTable::NewGameExpectation() const {
    RequireReady(Ready());
    return FData->Values[TStateSpace::Instance().Index(TAdvisorState{})];
}

double TAdvisorTable::TurnStartExpectation(const TSheetPosition& ASheet) const {
    RequireReady(Ready());
    const TSheetReading reading = ReadSheet(ASheet.Cells);
    if (reading.State.Mask == kAllLinesMask) {
        return reading.Points;
    }
    return reading.Points + FData->Values[TStateSpace::Instance().Index(reading.State)];
}

TAdvice TAdvisorTable::Advise(const TTurnPosition& APosition) const {
    RequireReady(Ready());
    if (APosition.RollCount < 0 || APosition.RollCount > 3) {
        throw std::invalid_argument("the roll count lies outside 0..3");
    }
    const TSheetReading reading = ReadSheet(APosition.Sheet.Cells);
    TAdvice advice;
    if (reading.State.Mask == kAllLinesMask) {
        return advice;
    }
    const TDiceKeeps& keeps = TDiceKeeps::Instance();
    const TFaceCounts counts =
        FaceCounts(TDiceHand{APosition.Dice[0], APosition.Dice[1], APosition.Dice[2],
                             APosition.Dice[3], APosition.Dice[4]});
    TTurnSolver solver(FData->Values.data());
    auto solution = std::make_unique<TTurnSolution>();
    solver.Solve(reading.State, *solution);

    if (APosition.RollCount >= 1) {
        const TDiceHand& hand = keeps.Hand(keeps.IndexOf(counts));
        for (int line = 0; line < kLineCount; ++line) {
            if ((reading.State.Mask >> line & 1) != 0) {
                continue;
            }
            TAdviceOption option;
            option.Kind = TAdviceKind::Write;
            option.Row = kLineRows[line];
            option.Score =
                ScoreOfLine(option.Row, hand, APosition.RollCount, APosition.Sheet.Cells[rowHigh],
                            APosition.Sheet.Cells[rowLow]);
            option.Expected = reading.Points + solver.WriteValue(reading.State, line, option.Score);
            advice.Options.push_back(option);
        }
    }
    if (APosition.RollCount == 0) {
        TAdviceOption option;
        option.Kind = TAdviceKind::Roll;
        option.Expected = reading.Points + solution->Start;
        advice.Options.push_back(option);
    } else if (APosition.RollCount < 3) {
        const auto& rolled = solution->Rolled[static_cast<std::size_t>(APosition.RollCount)];
        // Every multiset of the dice shown: so many of each face.
        TFaceCounts keep{};
        const auto visit = [&](const auto& self, int AFace) -> void {
            if (AFace == kFaceCount) {
                TAdviceOption option;
                option.Kind = TAdviceKind::Roll;
                option.Keep = KeepPositions(APosition, keep);
                option.Expected =
                    reading.Points + rolled[static_cast<std::size_t>(keeps.IndexOf(keep))];
                advice.Options.push_back(option);
                return;
            }
            for (int n = 0; n <= counts[static_cast<std::size_t>(AFace)]; ++n) {
                keep[static_cast<std::size_t>(AFace)] = n;
                self(self, AFace + 1);
            }
        };
        visit(visit, 0);
    }
    std::stable_sort(
        advice.Options.begin(), advice.Options.end(),
        [](const TAdviceOption& a, const TAdviceOption& b) { return a.Expected > b.Expected; });
    return advice;
}

std::size_t TAdvisorTable::MemoryBytes() const {
    return sizeof(TData) + (FData ? FData->Values.capacity() * sizeof(double) : 0) +
           sizeof(TStateSpace) + sizeof(TScoreTables) + kKeepCount * sizeof(TKeep) +
           kHandCount * sizeof(TDiceHand);
}
