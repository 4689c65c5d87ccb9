#pragma once

#include <QByteArray>
#include <cstdint>
#include <optional>

namespace zor::sim {

// The coder's clock: a point in time as Modified Julian Day and seconds of
// that day, taken from a coder text "hh:mm:ss,DD.MM.YY". The coder has no
// time zone: it sends the time as received with a local offset of zero, so a
// receiver shows the clock the sender set.
class ClockTime {
  public:
    // Nullopt for "off", an empty text or anything that is not a valid time
    // and date. Two-digit years 70 to 99 are 1970 to 1999, the others 20YY.
    static std::optional<ClockTime> parse(const QByteArray& text);
    // The MJD of a date by the standard's conversion (year from 1900).
    static std::uint32_t modifiedJulianDay(int year, int month, int day);

    explicit ClockTime(std::int64_t seconds) : seconds_(seconds) {}
    std::int64_t seconds() const { return seconds_; } // since MJD 0, 00:00
    std::uint32_t mjd() const { return static_cast<std::uint32_t>(seconds_ / 86400); }
    int hour() const { return static_cast<int>(seconds_ % 86400 / 3600); }
    int minute() const { return static_cast<int>(seconds_ % 3600 / 60); }

  private:
    std::int64_t seconds_;
};

} // namespace zor::sim
