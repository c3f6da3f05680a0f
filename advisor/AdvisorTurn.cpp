#include "advisor/AdvisorTurn.h"

#include "game/TextNumbers.h"

#include <algorithm>
#include <limits>
#include <stdexcept>

namespace {

constexpr int kUpperLineCount = 6;
constexpr int kUpperMaskCount = 1 << kUpperLineCount;
constexpr int kMinHighLow = 20;
constexpr int kMaxHighLow = 30;

bool Written(int AMask, int ALine) {
    return (AMask >> ALine & 1) != 0;
}

bool ExactlyOneOfHighLow(int AMask) {
    return Written(AMask, kLineHigh) != Written(AMask, kLineLow);
}

// The scores a written line can hold.
bool PossibleScore(int ALine, int AValue) {
    if (ALine < kUpperLineCount) {
        const int face = ALine + 1;
        return AValue >= 0 && AValue % face == 0 && AValue / face <= 5;
    }
    switch (ALine) {
    case kLineStraight:
    case kLineFull:
        return AValue == 0 || AValue == 25 || AValue == 30;
    case kLineJubo:
        return AValue == 0 || AValue == 30 || AValue == 35;
    default:
        return ContextOfValue(AValue) >= 0;
    }
}

// The most the number lines still free in AUpperMask can add.
int UpperRoomLeft(int AUpperMask) {
    int room = 0;
    for (int line = 0; line < kUpperLineCount; ++line) {
        if (!Written(AUpperMask, line)) {
            room += 5 * (line + 1);
        }
    }
    return room;
}

} // namespace

int ContextOfValue(int AValue) {
    if (AValue == 0) {
        return kZeroOther;
    }
    if (AValue >= kMinHighLow && AValue <= kMaxHighLow) {
        return kZeroOther + 1 + AValue - kMinHighLow;
    }
    return -1;
}

std::string ContextText(int AContext) {
    if (AContext == kFreeOther) {
        return {};
    }
    if (AContext == kZeroOther) {
        return "0";
    }
    return IntToText(AContext - kZeroOther - 1 + kMinHighLow);
}

TSheetReading ReadSheet(const std::array<std::string, kSheetRowCount>& ACells) {
    TSheetReading reading;
    int upperSum = 0;
    int highLowValue = 0;
    for (int line = 0; line < kLineCount; ++line) {
        const std::string& text = ACells[static_cast<std::size_t>(kLineRows[line])];
        if (text.empty()) {
            continue;
        }
        const std::optional<int> value = TextToInt(text);
        if (!value || !PossibleScore(line, *value)) {
            throw std::invalid_argument("the sheet holds \"" + text + "\" in the line of row " +
                                        std::to_string(kLineRows[line]));
        }
        reading.State.Mask |= 1 << line;
        if (line < kUpperLineCount) {
            upperSum += *value;
        }
        if (line == kLineHigh || line == kLineLow) {
            highLowValue = *value;
        }
    }
    reading.State.Upper = std::min(upperSum, kBonusThreshold);
    reading.State.Context =
        ExactlyOneOfHighLow(reading.State.Mask) ? ContextOfValue(highLowValue) : kFreeOther;
    reading.Points = SheetTotalOf(ACells);
    return reading;
}

std::string OtherLineText(const TAdvisorState& AState, int ALine) {
    const int other = ALine == kLineHigh ? kLineLow : kLineHigh;
    return Written(AState.Mask, other) ? ContextText(AState.Context) : std::string();
}

TAdvisorState StateAfter(const TAdvisorState& AState, int ALine, int AScore, int& AGain) {
    TAdvisorState next = AState;
    next.Mask |= 1 << ALine;
    AGain = AScore;
    if (ALine < kUpperLineCount) {
        next.Upper = std::min(AState.Upper + AScore, kBonusThreshold);
        AGain += BonusOf(next.Upper) - BonusOf(AState.Upper);
    } else if (ALine == kLineHigh || ALine == kLineLow) {
        next.Context = ExactlyOneOfHighLow(next.Mask) ? ContextOfValue(AScore) : kFreeOther;
    }
    return next;
}

TStateSpace::TStateSpace() {
    for (int upperMask = 0; upperMask < kUpperMaskCount; ++upperMask) {
        std::array<bool, kBonusThreshold + 1> reachable{};
        reachable[0] = true;
        for (int line = 0; line < kUpperLineCount; ++line) {
            if (!Written(upperMask, line)) {
                continue;
            }
            std::array<bool, kBonusThreshold + 1> next{};
            for (int u = 0; u <= kBonusThreshold; ++u) {
                for (int dice = 0; reachable[static_cast<std::size_t>(u)] && dice <= 5; ++dice) {
                    next[static_cast<std::size_t>(
                        std::min(u + dice * (line + 1), kBonusThreshold))] = true;
                }
            }
            reachable = next;
        }
        auto& slots = FUpperSlot[static_cast<std::size_t>(upperMask)];
        auto& reps = FUpperReps[static_cast<std::size_t>(upperMask)];
        const int room = UpperRoomLeft(upperMask);
        int sharedSlot = -1;
        for (int u = 0; u <= kBonusThreshold; ++u) {
            slots[static_cast<std::size_t>(u)] = -1;
            if (!reachable[static_cast<std::size_t>(u)]) {
                continue;
            }
            // Once the Bonus is out of reach (or decided) the Sub-Total no longer matters.
            const bool settled = upperMask == kUpperMaskCount - 1 || u + room < kBonusThreshold;
            if (settled && sharedSlot >= 0) {
                slots[static_cast<std::size_t>(u)] = static_cast<std::int8_t>(sharedSlot);
                continue;
            }
            slots[static_cast<std::size_t>(u)] = static_cast<std::int8_t>(reps.size());
            if (settled) {
                sharedSlot = static_cast<int>(reps.size());
            }
            reps.push_back(u);
        }
    }
    for (int mask = 0; mask <= kAllLinesMask; ++mask) {
        FOffset[static_cast<std::size_t>(mask)] = FCount;
        FCount += FUpperReps[static_cast<std::size_t>(mask & (kUpperMaskCount - 1))].size() *
                  static_cast<std::size_t>(ContextEnd(mask) - ContextFirst(mask));
    }
}

const TStateSpace& TStateSpace::Instance() {
    static const TStateSpace space;
    return space;
}

int TStateSpace::ContextFirst(int AMask) const {
    return ExactlyOneOfHighLow(AMask) ? kZeroOther : kFreeOther;
}

int TStateSpace::ContextEnd(int AMask) const {
    return ExactlyOneOfHighLow(AMask) ? kContextCount : kFreeOther + 1;
}

std::size_t TStateSpace::Index(const TAdvisorState& AState) const {
    const int slot = FUpperSlot[static_cast<std::size_t>(AState.Mask & (kUpperMaskCount - 1))]
                               [static_cast<std::size_t>(AState.Upper)];
    const int first = ContextFirst(AState.Mask);
    const int contexts = ContextEnd(AState.Mask) - first;
    if (slot < 0 || AState.Context < first || AState.Context >= first + contexts) {
        throw std::invalid_argument("no play of the game reaches this sheet");
    }
    return FOffset[static_cast<std::size_t>(AState.Mask)] +
           static_cast<std::size_t>(slot * contexts + AState.Context - first);
}

TScoreTables::TScoreTables() {
    const TDiceKeeps& keeps = TDiceKeeps::Instance();
    const auto score = [](int ARow, const TDiceHand& AHand, int ARollCount,
                          const std::string& AHigh, const std::string& ALow) {
        return static_cast<std::int8_t>(ScoreOfLine(ARow, AHand, ARollCount, AHigh, ALow));
    };
    for (int h = 0; h < kHandCount; ++h) {
        const TDiceHand& hand = keeps.Hand(h);
        const auto hi = static_cast<std::size_t>(h);
        for (int line = 0; line < kUpperLineCount; ++line) {
            UpperDice[static_cast<std::size_t>(line)][hi] = static_cast<std::int8_t>(
                ScoreOfLine(kLineRows[line], hand, 1, "", "") / (line + 1));
        }
        const std::array<int, 3> premiumLines = {kLineStraight, kLineFull, kLineJubo};
        for (std::size_t p = 0; p < premiumLines.size(); ++p) {
            const int row = kLineRows[premiumLines[p]];
            Premium[p][0][hi] = score(row, hand, 1, "", "");
            Premium[p][1][hi] = score(row, hand, 2, "", "");
        }
        for (int context = 0; context < kContextCount; ++context) {
            const std::string other = ContextText(context);
            High[static_cast<std::size_t>(context)][hi] = score(rowHigh, hand, 1, "", other);
            Low[static_cast<std::size_t>(context)][hi] = score(rowLow, hand, 1, other, "");
        }
    }
}

const TScoreTables& TScoreTables::Instance() {
    static const TScoreTables tables;
    return tables;
}

TTurnSolver::TTurnSolver(const double* AValues)
    : FValues(AValues), FSpace(TStateSpace::Instance()), FScores(TScoreTables::Instance()),
      FKeeps(TDiceKeeps::Instance()) {}

double TTurnSolver::WriteValue(const TAdvisorState& AState, int ALine, int AScore) const {
    int gain = 0;
    const TAdvisorState next = StateAfter(AState, ALine, AScore, gain);
    return next.Mask == kAllLinesMask ? gain : gain + FValues[FSpace.Index(next)];
}

namespace {

// Holding keep K and rolling the other dice: the average over the six faces of
// one more die, down to the full hands, whose values AHandValues gives.
void ExpectationsOfKeeps(const std::array<double, kHandCount>& AHandValues,
                         std::array<double, kKeepCount>& AKeeps, const TDiceKeeps& ADice) {
    std::copy(AHandValues.begin(), AHandValues.end(), AKeeps.begin());
    for (int k = kHandCount; k < kKeepCount; ++k) {
        const auto& children = ADice.Keep(k).Children;
        double sum = 0;
        for (std::int16_t child : children) {
            sum += AKeeps[static_cast<std::size_t>(child)];
        }
        AKeeps[static_cast<std::size_t>(k)] = sum / kFaceCount;
    }
}

// The best keep inside each keep: the best choice of dice to hold from a hand.
void BestSubKeeps(const std::array<double, kKeepCount>& AKeeps,
                  std::array<double, kKeepCount>& ABest, const TDiceKeeps& ADice) {
    for (int k = kKeepCount - 1; k >= 0; --k) {
        const TKeep& keep = ADice.Keep(k);
        double best = AKeeps[static_cast<std::size_t>(k)];
        for (int p = 0; p < keep.ParentCount; ++p) {
            best = std::max(
                best, ABest[static_cast<std::size_t>(keep.Parents[static_cast<std::size_t>(p)])]);
        }
        ABest[static_cast<std::size_t>(k)] = best;
    }
}

} // namespace

void TTurnSolver::Solve(const TAdvisorState& AState, TTurnSolution& ASolution) {
    FWriteLater.fill(-std::numeric_limits<double>::infinity());
    for (int line = 0; line < kUpperLineCount; ++line) {
        if (Written(AState.Mask, line)) {
            continue;
        }
        std::array<double, 6> byDice{};
        for (int dice = 0; dice <= 5; ++dice) {
            byDice[static_cast<std::size_t>(dice)] = WriteValue(AState, line, dice * (line + 1));
        }
        const auto& handDice = FScores.UpperDice[static_cast<std::size_t>(line)];
        for (std::size_t h = 0; h < kHandCount; ++h) {
            FWriteLater[h] =
                std::max(FWriteLater[h], byDice[static_cast<std::size_t>(handDice[h])]);
        }
    }
    for (int line : {kLineHigh, kLineLow}) {
        if (Written(AState.Mask, line)) {
            continue;
        }
        const int other = line == kLineHigh ? kLineLow : kLineHigh;
        const int context = Written(AState.Mask, other) ? AState.Context : kFreeOther;
        std::array<double, kMaxHighLow + 1> byScore{};
        byScore[0] = WriteValue(AState, line, 0);
        for (int s = kMinHighLow; s <= kMaxHighLow; ++s) {
            byScore[static_cast<std::size_t>(s)] = WriteValue(AState, line, s);
        }
        const auto& scores =
            (line == kLineHigh ? FScores.High : FScores.Low)[static_cast<std::size_t>(context)];
        for (std::size_t h = 0; h < kHandCount; ++h) {
            FWriteLater[h] = std::max(FWriteLater[h], byScore[static_cast<std::size_t>(scores[h])]);
        }
    }
    FWriteFirst = FWriteLater;
    const std::array<int, 3> premiumLines = {kLineStraight, kLineFull, kLineJubo};
    for (std::size_t p = 0; p < premiumLines.size(); ++p) {
        if (Written(AState.Mask, premiumLines[p])) {
            continue;
        }
        // The score does not change the state that follows.
        const double after = WriteValue(AState, premiumLines[p], 0);
        const auto& first = FScores.Premium[p][0];
        const auto& later = FScores.Premium[p][1];
        for (std::size_t h = 0; h < kHandCount; ++h) {
            FWriteFirst[h] = std::max(FWriteFirst[h], after + first[h]);
            FWriteLater[h] = std::max(FWriteLater[h], after + later[h]);
        }
    }

    // Backwards through the turn: after the third roll only a write is left.
    ExpectationsOfKeeps(FWriteLater, ASolution.Rolled[2], FKeeps);
    BestSubKeeps(ASolution.Rolled[2], FBestSub, FKeeps);
    for (std::size_t h = 0; h < kHandCount; ++h) {
        FHandValue[h] = std::max(FWriteLater[h], FBestSub[h]);
    }
    ExpectationsOfKeeps(FHandValue, ASolution.Rolled[1], FKeeps);
    BestSubKeeps(ASolution.Rolled[1], FBestSub, FKeeps);
    for (std::size_t h = 0; h < kHandCount; ++h) {
        FHandValue[h] = std::max(FWriteFirst[h], FBestSub[h]);
    }
    ExpectationsOfKeeps(FHandValue, ASolution.Rolled[0], FKeeps);
    // The first roll of a turn rolls all five dice.
    ASolution.Start = ASolution.Rolled[0][kEmptyKeep];
}
