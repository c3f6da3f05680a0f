#include "platform/SystemClock.h"

#include <charconv>
#include <chrono>
#include <cstdlib>
#include <string_view>

namespace {

constexpr long long kMillisecondsPerDay = 24LL * 60 * 60 * 1000;

class TTestClock : public IClock {
public:
    explicit TTestClock(long long AStart) : FNext(AStart) {}
    TSystemTime UtcTimeOfDay() const override {
        const long long now = FNext % kMillisecondsPerDay;
        FNext += 1000;
        return {static_cast<int>(now / 3'600'000), static_cast<int>(now / 60'000 % 60),
                static_cast<int>(now / 1000 % 60), static_cast<int>(now % 1000)};
    }

private:
    mutable long long FNext;
};

} // namespace

TSystemTime TSystemClock::UtcTimeOfDay() const {
    using namespace std::chrono;
    const auto now = system_clock::now();
    const auto sinceMidnight = duration_cast<milliseconds>(now - floor<days>(now));
    const hh_mm_ss<milliseconds> t(sinceMidnight);
    return {static_cast<int>(t.hours().count()), static_cast<int>(t.minutes().count()),
            static_cast<int>(t.seconds().count()), static_cast<int>(t.subseconds().count())};
}

std::unique_ptr<IClock> MakeGameClock() {
    if (const char* start = std::getenv("TOLMIR_TEST_CLOCK_MS"); start != nullptr) {
        const std::string_view text(start);
        long long ms = -1;
        const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), ms);
        if (error == std::errc() && end == text.data() + text.size() && ms >= 0 &&
            ms < kMillisecondsPerDay) {
            return std::make_unique<TTestClock>(ms);
        }
    }
    return std::make_unique<TSystemClock>();
}
