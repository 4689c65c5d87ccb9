#include "sim/ClockTime.h"

#include <QDate>
#include <QList>
#include <array>

namespace zor::sim {

namespace {

// The fields of "a<sep>b<sep>c" as numbers, nullopt unless all three are.
std::optional<std::array<int, 3>> threeNumbers(const QByteArray& text, char separator) {
    const QList<QByteArray> fields = text.trimmed().split(separator);
    if (fields.size() != 3)
        return std::nullopt;
    std::array<int, 3> numbers{};
    for (int i = 0; i < 3; ++i) {
        bool ok = false;
        numbers[static_cast<std::size_t>(i)] = fields[i].toInt(&ok);
        if (!ok)
            return std::nullopt;
    }
    return numbers;
}

} // namespace

std::uint32_t ClockTime::modifiedJulianDay(int year, int month, int day) {
    const int y = year - 1900;
    const int leap = month <= 2 ? 1 : 0;
    return static_cast<std::uint32_t>(14956 + day + static_cast<int>((y - leap) * 365.25) +
                                      static_cast<int>((month + 1 + leap * 12) * 30.6001));
}

std::optional<ClockTime> ClockTime::parse(const QByteArray& text) {
    const qsizetype comma = text.indexOf(',');
    if (comma < 0)
        return std::nullopt;
    const auto time = threeNumbers(text.left(comma), ':');
    const auto date = threeNumbers(text.mid(comma + 1), '.');
    if (!time || !date)
        return std::nullopt;
    const auto [hour, minute, second] = *time;
    const auto [day, month, shortYear] = *date;
    const int year = shortYear >= 70 ? 1900 + shortYear : 2000 + shortYear;
    if (hour < 0 || hour > 23 || minute < 0 || minute > 59 || second < 0 || second > 59 ||
        shortYear < 0 || shortYear > 99 || !QDate::isValid(year, month, day))
        return std::nullopt;
    return ClockTime(std::int64_t{modifiedJulianDay(year, month, day)} * 86400 + hour * 3600 +
                     minute * 60 + second);
}

} // namespace zor::sim
