#include "translate/Clock.h"

namespace zor {

std::chrono::milliseconds SteadyClock::elapsed() const {
    return std::chrono::duration_cast<std::chrono::milliseconds>(
        std::chrono::steady_clock::now().time_since_epoch());
}

QDateTime SteadyClock::localTime() const {
    return QDateTime::currentDateTime();
}

Clock& systemClock() {
    static SteadyClock clock;
    return clock;
}

} // namespace zor
