#pragma once

#include <QDateTime>
#include <chrono>

namespace zor {

// Where the RDS page takes its time from. Announcement durations and
// repetition intervals are measured on a monotonic scale, so neither
// midnight nor a change of the computer's clock disturbs a running
// announcement; the clock time sent to the coder is the computer's local
// time. Tests put a clock of their own in its place.
class Clock {
public:
    virtual ~Clock() = default;

    // Time on a scale that only moves forward at a steady rate.
    virtual std::chrono::milliseconds elapsed() const = 0;
    // The computer's local date and time.
    virtual QDateTime localTime() const = 0;
};

// The computer's clocks: the steady clock and the local time.
class SteadyClock final : public Clock {
public:
    std::chrono::milliseconds elapsed() const override;
    QDateTime localTime() const override;
};

// The one steady clock of the program, for pages given no other.
Clock& systemClock();

} // namespace zor
