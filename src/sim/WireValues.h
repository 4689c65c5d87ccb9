#pragma once

#include <QByteArray>
#include <optional>

namespace zor::sim {

// What a numeric argument measures; decides which unit suffixes it takes and
// the unit its value is kept in.
enum class Quantity {
    Frequency, // kept in Hz;  suffixes HZ, KHZ, MHZ, GHZ; none = Hz
    Level,     // kept in dBm; suffixes DBM, DBUV (dBm = dBuV - 107, 50 ohm); none = dBm
    Angle,     // kept in degrees; suffix DEG; none = degrees
    Time,      // kept in microseconds; suffixes US, MS, S, NS; none = microseconds
    Plain,     // a number without unit
};

// The value of a numeric argument such as "97.5MHZ", "30DBUV", "-5DEG" or
// "50us": a decimal number ("." as decimal point, optional sign and exponent),
// optional blanks, then an optional suffix in any letter case. Nullopt when the
// text is not a number or the suffix does not fit the quantity.
std::optional<double> parseQuantity(const QByteArray& argument, Quantity quantity);

// ON/OFF/1/0 in any letter case.
std::optional<bool> parseSwitch(const QByteArray& argument);

// The shortest plain decimal with "." as decimal point and at most six
// decimals, no exponent, no leading blank ("97500000", "-76.5", "675.5").
QByteArray plainDecimal(double value);

} // namespace zor::sim
