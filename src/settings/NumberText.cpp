#include "settings/NumberText.h"

#include <QLocale>
#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <string>

namespace zor {

namespace {

bool isAsciiDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

// Reads a run of digits into `out`; returns where the run ends.
qsizetype takeDigits(QStringView text, qsizetype at, std::string& out)
{
    while (at < text.size() && isAsciiDigit(text[at]))
        out += static_cast<char>(text[at++].unicode());
    return at;
}

// The written parts of a decimal number, as far as the text continues one.
struct NumberParts {
    bool negative = false;
    std::string integral;
    std::string fraction;
    std::string exponent; // with its sign, empty when the text has none
};

// The exponent "E" [sign] digits at `at`, or nothing when no digit follows.
std::string exponentAt(QStringView text, qsizetype at)
{
    if (at >= text.size() || (text[at] != u'e' && text[at] != u'E'))
        return {};
    std::string exponent;
    ++at;
    if (at < text.size() && (text[at] == u'+' || text[at] == u'-'))
        exponent += static_cast<char>(text[at++].unicode());
    const std::size_t signLength = exponent.size();
    takeDigits(text, at, exponent);
    return exponent.size() > signLength ? exponent : std::string();
}

NumberParts numberPartsOf(QStringView text)
{
    NumberParts parts;
    qsizetype at = 0;
    while (at < text.size() && (text[at] == u' ' || text[at] == u'\t'))
        ++at;
    if (at < text.size() && (text[at] == u'+' || text[at] == u'-'))
        parts.negative = text[at++] == u'-';
    at = takeDigits(text, at, parts.integral);
    if (at < text.size() && text[at] == u'.')
        at = takeDigits(text, at + 1, parts.fraction);
    if (!parts.integral.empty() || !parts.fraction.empty())
        parts.exponent = exponentAt(text, at);
    return parts;
}

// The power of ten of the first non-zero digit; tells a number too large for
// a double from one too small. Exponents are capped, which keeps the sign.
long long orderOfMagnitude(const NumberParts& parts)
{
    constexpr long long kCap = 1'000'000'000;
    long long exponent = 0;
    for (const char c : parts.exponent) {
        if (c >= '0' && c <= '9')
            exponent = std::min(kCap, exponent * 10 + (c - '0'));
    }
    if (!parts.exponent.empty() && parts.exponent.front() == '-')
        exponent = -exponent;
    const std::size_t first = parts.integral.find_first_not_of('0');
    if (first != std::string::npos)
        return exponent + static_cast<long long>(parts.integral.size() - first) - 1;
    const std::size_t firstFraction = parts.fraction.find_first_not_of('0');
    if (firstFraction == std::string::npos)
        return -1;
    return exponent - static_cast<long long>(firstFraction) - 1;
}

// The digits of `value` rounded to 15 significant digits without trailing
// zeros, and the power of ten of the first digit.
struct Digits {
    std::string digits;
    int exponent = 0;
};

Digits fifteenDigits(double magnitude)
{
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, magnitude,
                                      std::chars_format::scientific, 14);
    const std::string text(buffer, result.ptr);
    const std::size_t e = text.find('e');
    Digits d;
    d.digits = text.substr(0, 1) + text.substr(2, e - 2);
    d.exponent = std::stoi(text.substr(e + 1));
    while (d.digits.size() > 1 && d.digits.back() == '0')
        d.digits.pop_back();
    return d;
}

} // namespace

double leadingNumber(QStringView text)
{
    const NumberParts parts = numberPartsOf(text);
    if (parts.integral.empty() && parts.fraction.empty())
        return 0.0;
    std::string number = parts.integral.empty() ? std::string("0") : parts.integral;
    if (!parts.fraction.empty())
        number += '.' + parts.fraction;
    if (!parts.exponent.empty())
        number += 'e' + parts.exponent;

    double value = 0.0;
    const auto result = std::from_chars(number.data(), number.data() + number.size(), value);
    if (result.ec == std::errc::result_out_of_range) {
        // Too large for a double: the largest double; too small: zero.
        value = orderOfMagnitude(parts) > 0 ? std::numeric_limits<double>::max() : 0.0;
    } else if (result.ec != std::errc()) {
        value = 0.0;
    }
    if (value == 0.0)
        return 0.0;
    return parts.negative ? -value : value;
}

long long roundHalfEven(double value)
{
    if (std::isnan(value))
        return 0;
    constexpr double kTwoTo63 = 9223372036854775808.0;
    if (value >= kTwoTo63)
        return std::numeric_limits<long long>::max();
    if (value < -kTwoTo63)
        return std::numeric_limits<long long>::min();
    double rounded = std::round(value);
    if (std::fabs(value - std::trunc(value)) == 0.5)
        rounded = 2.0 * std::round(value / 2.0);
    return static_cast<long long>(rounded);
}

QString plainDecimal(double value, QChar decimalSeparator)
{
    if (!std::isfinite(value) || value == 0.0)
        return QStringLiteral("0");
    const Digits d = fifteenDigits(std::fabs(value));
    const int digitCount = static_cast<int>(d.digits.size());
    std::string integral;
    std::string fraction;
    if (d.exponent < 0) {
        integral = "0";
        fraction = std::string(static_cast<std::size_t>(-d.exponent - 1), '0') + d.digits;
    } else if (d.exponent + 1 >= digitCount) {
        integral = d.digits + std::string(static_cast<std::size_t>(d.exponent + 1 - digitCount), '0');
    } else {
        integral = d.digits.substr(0, static_cast<std::size_t>(d.exponent + 1));
        fraction = d.digits.substr(static_cast<std::size_t>(d.exponent + 1));
    }
    QString text = QString::fromLatin1(integral);
    if (!fraction.empty())
        text += decimalSeparator + QString::fromLatin1(fraction);
    return value < 0 ? u'-' + text : text;
}

QString localeDecimal(double value)
{
    const QString point = QLocale::system().decimalPoint();
    return plainDecimal(value, point.size() == 1 ? point.front() : QChar(u'.'));
}

} // namespace zor
