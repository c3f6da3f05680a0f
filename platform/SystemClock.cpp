#include "platform/SystemClock.h"

#include <chrono>

TSystemTime TSystemClock::UtcTimeOfDay() const {
    using namespace std::chrono;
    const auto now = system_clock::now();
    const auto sinceMidnight = duration_cast<milliseconds>(now - floor<days>(now));
    const hh_mm_ss<milliseconds> t(sinceMidnight);
    return {static_cast<int>(t.hours().count()), static_cast<int>(t.minutes().count()),
            static_cast<int>(t.seconds().count()), static_cast<int>(t.subseconds().count())};
}
