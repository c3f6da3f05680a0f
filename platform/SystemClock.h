#pragma once
// The real UTC time of day, for seeding the dice.

#include "game/Random.h"

#include <memory>

class TSystemClock : public IClock {
public:
    TSystemTime UtcTimeOfDay() const override;
};

// The clock the game seeds its dice from: the system's, unless the variable
// TOLMIR_TEST_CLOCK_MS holds a time of day in milliseconds. Then, for tests that
// must know the dice in advance, the clock starts there and moves on exactly one
// second per reading.
std::unique_ptr<IClock> MakeGameClock();
