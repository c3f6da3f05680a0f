#include "advisor/GameReview.h"

#include "advisor/AdviceText.h"
#include "advisor/AdvisorDice.h"
#include "game/Texts.h"
#include "game/TolmirError.h"

#include <algorithm>

namespace {

const TAdviceOption& ChosenOption(const TAdvice& AAdvice, const TDecision& ADecision) {
    const std::array<int, 5>& dice = ADecision.Position.Dice;
    for (const TAdviceOption& option : AAdvice.Options) {
        if (option.Kind != ADecision.Kind) {
            continue;
        }
        if (option.Kind == TAdviceKind::Write ? option.Row == ADecision.Row
                                              : KeptFaceCounts(dice, option.Keep) ==
                                                    KeptFaceCounts(dice, ADecision.Position.Held)) {
            return option;
        }
    }
    throw TolmirError(Tx("GameReview", "The advisor knows no such choice in this position."));
}

} // namespace

TGameReview ReviewGame(const TGameRecord& ARecord, const IAdvisorSource& AAdvisor) {
    TGameReview review;
    review.Optimal = AAdvisor.NewGameExpectation();
    for (const TTurnRecord& turn : ARecord.Turns()) {
        TTurnReview row;
        row.Hand = turn.Hand;
        row.Row = turn.Row;
        row.Score = turn.Score;
        for (const TDecision& decision : turn.Decisions) {
            if (decision.Position.RollCount == 0) {
                continue; // the first roll rolls every die: there was nothing to choose
            }
            const TAdvice advice = AAdvisor.Advise(decision.Position);
            if (advice.Options.empty()) {
                throw TolmirError(Tx("GameReview", "The advisor has no choice for this position."));
            }
            const TAdviceOption& chosen = ChosenOption(advice, decision);
            const std::array<int, 5>& dice = decision.Position.Dice;
            TDecisionReview item;
            item.Roll = decision.Position.RollCount;
            item.Dice = dice;
            item.Chosen = DescribeOption(chosen, dice);
            item.Best = DescribeOption(advice.Best(), dice);
            item.Lost = std::max(0.0, advice.Best().Expected - chosen.Expected);
            row.Lost += item.Lost;
            row.Decisions.push_back(std::move(item));
        }
        review.Lost += row.Lost;
        review.Turns.push_back(std::move(row));
    }
    return review;
}

std::string ReviewSummary(const TGameReview& AReview) {
    return TxArgs(Tx("GameReview", "Your decisions cost %1 points of expected score; optimal play "
                                   "from the start expects %2"),
                  {ExpectedText(AReview.Lost), ExpectedText(AReview.Optimal)});
}
