#include "advisor/AdviceText.h"
#include "advisor/GameReview.h"
#include "game/ScoreSheet.h"
#include "tests/support/AdvisorFakes.h"

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
    // Turn 1: the first roll (no choice), a roll holding all five (loses 7 to writing
    // line 12), a roll holding two 3s (loses 10 to the same), then writes Full (loses 3).
    record.AddRoll(At(0, {6, 6, 6, 6, 6}, {}));
    record.AddRoll(At(1, {3, 3, 5, 3, 5}, {true, true, true, true, true}));
    record.AddRoll(At(2, {3, 3, 5, 3, 5}, {true, true, false, false, false}));
    const TTurnPosition beforeWrite = At(3, {3, 3, 5, 3, 5}, {});
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
    ASSERT_EQ(first.Decisions.size(), 3u) << "neither the first roll nor the undone write";
    // Each choice with the roll and the dice it was made on.
    EXPECT_EQ(first.Decisions[0].Roll, 1);
    EXPECT_EQ(first.Decisions[0].Dice, (std::array<int, 5>{3, 3, 5, 3, 5}));
    EXPECT_EQ(first.Decisions[2].Roll, 3);
    EXPECT_EQ(first.Decisions[0].Chosen, "Keep 3 3 3 5 5");
    EXPECT_EQ(first.Decisions[0].Best, "Write Tolmir");
    EXPECT_DOUBLE_EQ(first.Decisions[0].Lost, 7.0);
    EXPECT_EQ(first.Decisions[1].Chosen, "Keep 3 3");
    EXPECT_EQ(first.Decisions[1].Best, "Write Tolmir");
    EXPECT_DOUBLE_EQ(first.Decisions[1].Lost, 10.0);
    EXPECT_EQ(first.Decisions[2].Chosen, "Write Full");
    EXPECT_EQ(first.Decisions[2].Best, "Write Tolmir");
    EXPECT_DOUBLE_EQ(first.Decisions[2].Lost, 3.0);
    EXPECT_DOUBLE_EQ(first.Lost, 20.0);
    EXPECT_DOUBLE_EQ(review.Turns[1].Lost, 0.0);
    EXPECT_DOUBLE_EQ(review.Lost, 20.0);
    EXPECT_EQ(ReviewSummary(review),
              "Your decisions cost 20.0 points of expected score; optimal play from the start "
              "expects 187.1");
}

// The hint offers the best real choice and the best of the other kind, never a
// roll with every die held, which cannot beat writing now.
TEST(Review, TheHintLeavesOutARollWithEveryDieHeld) {
    RuleAdvisor advisor;
    const TTurnPosition position = At(1, {3, 2, 3, 1, 5}, {});
    EXPECT_EQ(HintText(advisor.Advise(position), position.Dice),
              "Write Tolmir now: expected total 112.0; keeping 1 2 3 3 and rolling: 104.0");
    advisor.writeWorth = 90.0; // rolling on beats writing now
    const TAdvice advice = advisor.Advise(position);
    ASSERT_NE(HintChoice(advice), nullptr);
    EXPECT_EQ(HintChoice(advice)->Keep, (std::array<bool, 5>{true, true, true, true, false}));
    EXPECT_EQ(HintText(advice, position.Dice),
              "Keep 1 2 3 3: expected total 104.0; writing Tolmir now: 102.0");
    EXPECT_EQ(HintText(advisor.Advise(At(0, {6, 6, 6, 6, 6}, {})), {6, 6, 6, 6, 6}),
              "Roll all dice: expected total 100.0");
}
