#include "game/Random.h"

namespace {
std::uint32_t g_seed = 0;
constexpr std::uint32_t kMultiplier = 134775813u;
} // namespace

std::uint32_t RandSeed() {
    return g_seed;
}

void SetRandSeed(std::uint32_t ASeed) {
    g_seed = ASeed;
}

std::uint32_t RandomDraw(std::uint32_t ARange) {
    g_seed = g_seed * kMultiplier + 1u; // unsigned arithmetic wraps modulo 2^32
    return static_cast<std::uint32_t>((static_cast<std::uint64_t>(g_seed) * ARange) >> 32);
}

int RandomDieValue() {
    return 1 + static_cast<int>(RandomDraw(6));
}

void SeedFromClock(const IClock& AClock) {
    const TSystemTime t = AClock.UtcTimeOfDay();
    SetRandSeed(static_cast<std::uint32_t>(((t.Hour * 60 + t.Minute) * 60 + t.Second) * 1000 +
                                           t.Milliseconds));
}
