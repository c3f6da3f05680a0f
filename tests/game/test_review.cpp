#include "AdvisorFakes.h"
#include "GameReview.h"
#include "ScoreSheet.h"

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
