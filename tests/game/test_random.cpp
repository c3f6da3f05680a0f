#include "game/Random.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

struct FixedClock : IClock {
    TSystemTime time;
    TSystemTime UtcTimeOfDay() const override { return time; }
};

std::vector<int> FiveDice() {
    std::vector<int> values;
    for (int i = 0; i < 5; ++i) {
        values.push_back(RandomDieValue());
    }
    return values;
}

} // namespace

// Expected values worked out from seed := seed * 134775813 + 1 (mod 2^32) and
// value := 1 + high 32 bits of seed * 6.
TEST(Random, FirstDiceAfterSeedZero) {
    SetRandSeed(0);
    EXPECT_EQ(FiveDice(), (std::vector<int>{1, 1, 6, 2, 2}));
    EXPECT_EQ(RandSeed(), 1172187917u);
}

TEST(Random, SeedFromClockIsMillisecondsSinceMidnight) {
    FixedClock clock;
    clock.time = {12, 34, 56, 789};
    SeedFromClock(clock);
    EXPECT_EQ(RandSeed(), 45296789u);
    EXPECT_EQ(FiveDice(), (std::vector<int>{3, 2, 3, 1, 5}));
    EXPECT_EQ(RandSeed(), 2998748646u);

    clock.time = {23, 59, 59, 999};
    SeedFromClock(clock);
    EXPECT_EQ(RandSeed(), 86399999u);
}

TEST(Random, DrawStaysInRangeAndWrapsTheSeed) {
    SetRandSeed(0xFFFFFFFFu);
    // 0xFFFFFFFF * 134775813 + 1 wraps to 0xF7F77BFC (mod 2^32).
    EXPECT_EQ(RandomDraw(1), 0u);
    EXPECT_EQ(RandSeed(), 0xF7F77BFCu);
    for (int i = 0; i < 1000; ++i) {
        const int v = RandomDieValue();
        EXPECT_GE(v, 1);
        EXPECT_LE(v, 6);
    }
}
