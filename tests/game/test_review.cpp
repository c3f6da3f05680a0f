#include "AdviceText.h"
#include "AdvisorFakes.h"
#include "GameReview.h"
#include "ScoreSheet.h"
#include "TolmirError.h"

#include <gtest/gtest.h>

namespace {

TTurnPosition At(int ARollCount, std::array<int, 5> ADice, std::array<bool, 5> AHeld) {
    TTurnPosition position;
    position.RollCount = ARollCount;
    position.Dice = ADice;
    position.Held = AHeld;
    return position;
}

} // namespace

TEST(Review, EachDecisionIsPricedAgainstTheBestAndTheLossesAddUp) {
    TGameRecord record;
    // Turn 1: holds two sixes before the first roll (loses 3 to holding all five), rolls
    // again holding all five (loses 7 to writing line 12), writes Full (loses 3).
    record.AddRoll(At(0, {6, 6, 6, 6, 6}, {true, false, true, false, false}));
    record.AddRoll(At(1, {3, 3, 5, 3, 5}, {true, true, true, true, true}));
    const TTurnPosition beforeWrite = At(2, {3, 3, 5, 3, 5}, {});
    record.AddWrite(beforeWrite, rowOnes, {3, 3, 3, 5, 5}, "0");
    record.UndoWrite();
    record.AddWrite(beforeWrite, rowFull, {3, 3, 3, 5, 5}, "25");
    // Turn 2: the five-of-a-kind line, the best write left.
    TTurnPosition second = At(3, {2, 2, 2, 2, 2}, {});
    second.Sheet.Cells[rowFull] = "25";
    record.AddWrite(second, rowJubo, {2, 2, 2, 2, 2}, "30");

    const TGameReview review = ReviewGame(record, RuleAdvisor());
    ASSERT_EQ(review.Turns.size(), 2u);
    const TTurnReview& first = review.Turns[0];
    EXPECT_EQ(first.Row, rowFull);
    EXPECT_EQ(first.Score, "25");
    ASSERT_EQ(first.Decisions.size(), 3u) << "the undone write is gone";
    EXPECT_EQ(first.Decisions[0].Chosen, "Keep 6 6");
    EXPECT_EQ(first.Decisions[0].Best, "Keep 6 6 6 6 6");
    EXPECT_DOUBLE_EQ(first.Decisions[0].Lost, 3.0);
    EXPECT_EQ(first.Decisions[1].Chosen, "Keep 3 3 3 5 5");
    EXPECT_EQ(first.Decisions[1].Best, "Write Tolmir");
    EXPECT_DOUBLE_EQ(first.Decisions[1].Lost, 7.0);
    EXPECT_EQ(first.Decisions[2].Chosen, "Write Full");
    EXPECT_EQ(first.Decisions[2].Best, "Write Tolmir");
    EXPECT_DOUBLE_EQ(first.Decisions[2].Lost, 3.0);
    EXPECT_DOUBLE_EQ(first.Lost, 13.0);
    EXPECT_DOUBLE_EQ(review.Turns[1].Lost, 0.0);
    EXPECT_DOUBLE_EQ(review.Lost, 13.0);
    EXPECT_EQ(ReviewSummary(review),
              "Your decisions cost 13.0 points of expected score; optimal play from the start "
              "expects 187.1");
}

TEST(Review, AChoiceTheAdvisorDoesNotKnowIsAnError) {
    TGameRecord record;
    TTurnPosition written = At(1, {1, 2, 3, 4, 5}, {});
    written.Sheet.Cells[rowStraight] = "30";
    record.AddWrite(written, rowStraight, {1, 2, 3, 4, 5}, "30");
    EXPECT_THROW(ReviewGame(record, RuleAdvisor()), TolmirError);
}

TEST(AdviceText, HintNamesTheBestAndTheBestOfTheOtherKind) {
    const std::array<int, 5> dice{5, 2, 5, 1, 5};
    TAdvice advice;
    TAdviceOption keep;
    keep.Kind = TAdviceKind::Roll;
    keep.Keep = {true, false, true, false, true};
    keep.Expected = 187.44;
    TAdviceOption full;
    full.Row = rowFull;
    full.Expected = 176.86;
    TAdviceOption ones;
    ones.Row = rowOnes;
    ones.Expected = 150.0;
    advice.Options = {keep, full, ones};
    EXPECT_EQ(HintText(advice, dice), "Keep 5 5 5: expected total 187.4; writing Full now: 176.9");
    advice.Options = {ones, full, keep};
    EXPECT_EQ(HintText(advice, dice),
              "Write line 1 now: expected total 150.0; keeping 5 5 5 and rolling: 187.4");
    TAdviceOption rollAll;
    rollAll.Kind = TAdviceKind::Roll;
    rollAll.Expected = 99.95;
    advice.Options = {rollAll};
    EXPECT_EQ(HintText(advice, dice), "Roll all dice: expected total 100.0");
}
