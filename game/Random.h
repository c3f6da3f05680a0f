#pragma once
// The program's one random generator: a shared 32-bit seed and a linear
// congruential step. Its sequence is part of the game's behaviour, so it is
// reproduced exactly rather than taken from <random>.

#include <cstdint>

struct TSystemTime {
    int Hour = 0;
    int Minute = 0;
    int Second = 0;
    int Milliseconds = 0;
};

// The UTC time of day; replaced by a fake in tests.
class IClock {
public:
    virtual ~IClock() = default;
    virtual TSystemTime UtcTimeOfDay() const = 0;
};

std::uint32_t RandSeed();
void SetRandSeed(std::uint32_t ASeed);

// Advances the seed and returns a number from 0 to ARange - 1.
std::uint32_t RandomDraw(std::uint32_t ARange);

// 1 + a draw of 6.
int RandomDieValue();

// Seed := milliseconds since midnight UTC.
void SeedFromClock(const IClock& AClock);
