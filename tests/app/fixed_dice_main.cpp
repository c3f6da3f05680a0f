// The game with dice known in advance, for the checks that play it from outside
// (tests/orca): the same program as Tolmir, seeded from a clock that starts at
// TOLMIR_TEST_CLOCK_MS (a time of day in milliseconds) and moves on exactly one
// second per reading. Built with the tests only; the game itself reads the
// system clock.

#include "app/CommandLine.h"
#include "app/Startup.h"

#include <QApplication>

#include <charconv>
#include <cstdio>
#include <cstdlib>
#include <string_view>

namespace {

constexpr long long kMillisecondsPerDay = 24LL * 60 * 60 * 1000;

class TSteppingClock : public IClock {
public:
    explicit TSteppingClock(long long AStart) : FNext(AStart) {}
    TSystemTime UtcTimeOfDay() const override {
        const long long now = FNext % kMillisecondsPerDay;
        FNext += 1000;
        return {static_cast<int>(now / 3'600'000), static_cast<int>(now / 60'000 % 60),
                static_cast<int>(now / 1000 % 60), static_cast<int>(now % 1000)};
    }

private:
    mutable long long FNext;
};

// The start of the clock; -1 when the variable is missing or no time of day.
long long StartFromEnvironment() {
    const char* start = std::getenv("TOLMIR_TEST_CLOCK_MS");
    if (start == nullptr)
        return -1;
    const std::string_view text(start);
    long long ms = -1;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), ms);
    const bool whole = error == std::errc() && end == text.data() + text.size();
    return whole && ms >= 0 && ms < kMillisecondsPerDay ? ms : -1;
}

} // namespace

int main(int argc, char* argv[]) {
    const long long start = StartFromEnvironment();
    if (start < 0) {
        std::fputs("tolmir_fixed_dice: set TOLMIR_TEST_CLOCK_MS to a time of day in "
                   "milliseconds (0 to 86399999)\n",
                   stderr);
        return 2;
    }
    if (const auto exitCode = HandleCommandLine(argc, argv)) {
        return *exitCode;
    }
    PrepareHighDpiScaling();
    QApplication app(argc, argv);
    PrepareApplication(app);
    const TSteppingClock clock(start);
    TStartupOptions options;
    options.Services.Clock = &clock;
    return RunTolmir(options);
}
