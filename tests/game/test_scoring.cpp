#include "game/ScoreSheet.h"
#include "game/uJuboUtils.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// One hand on one roll, and what every line would score with an empty High/Low.
struct HandCase {
    TDiceHand hand;
    int rollCount;
    std::array<int, 6> numbers;
    int straight, full, high, low, jubo;
};

const std::vector<HandCase> kHands = {
    {{3, 3, 3, 3, 3}, 2, {0, 0, 15, 0, 0, 0}, 0, 25, 0, 0, 30},
    {{3, 3, 3, 3, 3}, 1, {0, 0, 15, 0, 0, 0}, 0, 30, 0, 0, 35},
    {{1, 2, 3, 4, 5}, 1, {1, 2, 3, 4, 5, 0}, 30, 0, 0, 0, 0},
    {{2, 3, 4, 5, 6}, 3, {0, 2, 3, 4, 5, 6}, 25, 0, 20, 20, 0},
    {{2, 3, 4, 5, 6}, 1, {0, 2, 3, 4, 5, 6}, 30, 0, 20, 20, 0},
    {{2, 2, 3, 3, 3}, 2, {0, 4, 9, 0, 0, 0}, 0, 25, 0, 0, 0},
    {{2, 2, 2, 3, 3}, 1, {0, 6, 6, 0, 0, 0}, 0, 30, 0, 0, 0},
    {{2, 2, 3, 4, 4}, 1, {0, 4, 3, 8, 0, 0}, 0, 0, 0, 0, 0},
    {{4, 4, 4, 4, 4}, 1, {0, 0, 0, 20, 0, 0}, 0, 30, 20, 20, 35},
    {{6, 6, 6, 6, 6}, 3, {0, 0, 0, 0, 0, 30}, 0, 25, 30, 30, 30},
    {{1, 3, 4, 5, 6}, 1, {1, 0, 3, 4, 5, 6}, 0, 0, 0, 0, 0}, // sum 19: below the High/Low minimum
    {{1, 1, 2, 3, 4}, 2, {2, 2, 3, 4, 0, 0}, 0, 0, 0, 0, 0},
};

TEST(Scoring, EveryLineOfEveryHand) {
    for (const HandCase& c : kHands) {
        SCOPED_TRACE(::testing::Message() << c.hand[0] << c.hand[1] << c.hand[2] << c.hand[3]
                                          << c.hand[4] << " roll " << c.rollCount);
        for (int face = 1; face <= 6; ++face) {
            EXPECT_EQ(ScoreNumber(face, c.hand), c.numbers[face - 1]) << "face " << face;
        }
        EXPECT_EQ(ScoreStraight(c.rollCount, c.hand), c.straight);
        EXPECT_EQ(ScoreFull(c.rollCount, c.hand), c.full);
        EXPECT_EQ(ScoreHigh("", c.hand), c.high);
        EXPECT_EQ(ScoreLow("", c.hand), c.low);
        EXPECT_EQ(ScoreJubo(c.rollCount, c.hand), c.jubo);
    }
}

TEST(Scoring, PremiumOnlyOnExactlyTheFirstRoll) {
    const TDiceHand straight{1, 2, 3, 4, 5};
    const TDiceHand jubo{5, 5, 5, 5, 5};
    for (int rolls : {0, 2, 3, 4}) {
        EXPECT_EQ(ScoreStraight(rolls, straight), 25) << rolls;
        EXPECT_EQ(ScoreFull(rolls, jubo), 25) << rolls;
        EXPECT_EQ(ScoreJubo(rolls, jubo), 30) << rolls;
    }
}

// High and Low constrain each other, with strict comparisons and the special "0".
struct HighLowCase {
    TDiceHand hand;
    std::string other;
    int high; // ScoreHigh with `other` as the Low text
    int low;  // ScoreLow with `other` as the High text
};

TEST(Scoring, HighAndLowAgainstTheOtherLine) {
    const std::vector<HighLowCase> cases = {
        {{4, 4, 4, 5, 5}, "22", 0, 0},  // sum 22 equal to the other line: both 0
        {{2, 3, 4, 5, 6}, "0", 20, 20}, // other line written with zero: the sum counts
        {{5, 5, 5, 5, 6}, "", 26, 26},  // other line free
        {{5, 5, 5, 6, 6}, "26", 27, 0}, // 27 beats a Low of 26; a Low of 27 above High 26 does not
        {{4, 5, 5, 6, 6}, "26", 0, 0},  // 26 against 26
        {{4, 4, 5, 6, 6}, "26", 0, 25}, // 25: too low for High, fine for Low
        {{1, 3, 4, 5, 6}, "", 0, 0},    // 19 never scores
        {{1, 3, 4, 5, 6}, "0", 0, 0},   {{1, 3, 4, 5, 6}, "30", 0, 0},
    };
    for (const HighLowCase& c : cases) {
        SCOPED_TRACE("other line \"" + c.other + "\" sum " + std::to_string(SumOfDice(c.hand)));
        EXPECT_EQ(ScoreHigh(c.other, c.hand), c.high);
        EXPECT_EQ(ScoreLow(c.other, c.hand), c.low);
    }
}

TEST(Scoring, FunctionsWorkOnTheirOwnCopy) {
    TDiceHand hand{6, 1, 6, 1, 6};
    EXPECT_EQ(SumOfDice(hand), 20);
    EXPECT_EQ(ScoreNumber(6, hand), 18);
    EXPECT_EQ(ScoreHigh("", hand), 20);
    EXPECT_EQ(hand, (TDiceHand{6, 1, 6, 1, 6}));
}

TEST(ScoreSheet, RowsLabelsAndWritableLines) {
    const std::vector<std::string> labels = {"1",    "2",         "3",      "4",        "5",
                                             "6",    "Sub-Total", "Bonus",  "Straight", "Full",
                                             "High", "Low",       "Tolmir", "Total"};
    for (int row = 0; row < kSheetRowCount; ++row) {
        EXPECT_EQ(RowLabel(row), labels[static_cast<std::size_t>(row)]);
    }
    EXPECT_EQ(RowLabel(-1), "");
    EXPECT_EQ(RowLabel(14), "");

    int writable = 0;
    for (int row = -1; row <= kSheetRowCount; ++row) {
        writable += IsWritableRow(row) ? 1 : 0;
    }
    EXPECT_EQ(writable, kWritableLineCount);
    EXPECT_FALSE(IsWritableRow(rowSubTotal));
    EXPECT_FALSE(IsWritableRow(rowBonus));
    EXPECT_FALSE(IsWritableRow(rowTotal));

    // Tags 11..21 write the writable rows in row order, through points below one another.
    int lastY = 0;
    for (int tag = 11; tag <= 21; ++tag) {
        const TSheetLine* line = LineOfWriteCommand(tag);
        ASSERT_NE(line, nullptr) << "tag " << tag;
        EXPECT_EQ(line->Row, kWritableRows[static_cast<std::size_t>(tag - 11)]);
        EXPECT_GT(line->CommandY, lastY);
        lastY = line->CommandY;
    }
    EXPECT_EQ(LineOfWriteCommand(5), nullptr);
    EXPECT_EQ(LineOfWriteCommand(22), nullptr);
}

TEST(ScoreSheet, ScoreOfLineUsesTheLineRules) {
    const TDiceHand hand{2, 3, 4, 5, 6};
    const std::vector<int> firstRoll = {0, 2, 3, 4, 5, 6, 0, 0, 30, 0, 20, 20, 0, 0};
    for (int row = 0; row < kSheetRowCount; ++row) {
        EXPECT_EQ(ScoreOfLine(row, hand, 1, "", ""), firstRoll[static_cast<std::size_t>(row)])
            << "row " << row;
    }
    EXPECT_EQ(ScoreOfLine(rowStraight, hand, 2, "", ""), 25);
    // High reads the Low text and Low reads the High text.
    EXPECT_EQ(ScoreOfLine(rowHigh, hand, 1, "", "25"), 0);
    EXPECT_EQ(ScoreOfLine(rowLow, hand, 1, "19", ""), 0);
    EXPECT_EQ(ScoreOfLine(rowLow, hand, 1, "21", ""), 20);
}

TEST(Helpers, CenteredPosTruncatesTowardZero) {
    EXPECT_EQ(CenteredPos(100, 50, 499, 580, 321, 122), (TPoint{100 + 249 - 160, 50 + 290 - 61}));
    EXPECT_EQ(CenteredPos(0, 0, 499, 580, 269, 122), (TPoint{249 - 134, 290 - 61}));
    // A form partly off screen to the left: -7 + 3 / 2 - 5 / 2 = -7 + 1 - 2.
    EXPECT_EQ(CenteredPos(-7, -3, 3, 3, 5, 5), (TPoint{-8, -4}));
}

} // namespace
