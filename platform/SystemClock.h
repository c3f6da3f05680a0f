#pragma once
// The real UTC time of day, for seeding the dice.

#include "game/Random.h"

class TSystemClock : public IClock {
public:
    TSystemTime UtcTimeOfDay() const override;
};
