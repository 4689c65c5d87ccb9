#include "sim/WireValues.h"

#include <cctype>
#include <cmath>
#include <numbers>

namespace zor::sim {

namespace {

bool isDigit(char c) {
    return std::isdigit(static_cast<unsigned char>(c)) != 0;
}

// Length of the leading decimal number of `text`, 0 when there is none.
qsizetype numberLength(const QByteArray& text) {
    qsizetype i = 0;
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        ++i;
    qsizetype digits = 0;
    while (i < text.size() && isDigit(text[i])) {
        ++i;
        ++digits;
    }
    if (i < text.size() && text[i] == '.') {
        ++i;
        while (i < text.size() && isDigit(text[i])) {
            ++i;
            ++digits;
        }
    }
    if (digits == 0)
        return 0;
    // An exponent only counts when digits follow, so "1E" stays 1 with suffix "E".
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        qsizetype e = i + 1;
        if (e < text.size() && (text[e] == '+' || text[e] == '-'))
            ++e;
        if (e < text.size() && isDigit(text[e])) {
            while (e < text.size() && isDigit(text[e]))
                ++e;
            i = e;
        }
    }
    return i;
}

std::optional<double> applySuffix(double number, const QByteArray& suffix, Quantity quantity) {
    switch (quantity) {
    case Quantity::Frequency:
        if (suffix.isEmpty() || suffix == "HZ")
            return number;
        if (suffix == "KHZ")
            return number * 1e3;
        if (suffix == "MHZ")
            return number * 1e6;
        if (suffix == "GHZ")
            return number * 1e9;
        return std::nullopt;
    case Quantity::Level:
        if (suffix.isEmpty() || suffix == "DBM")
            return number;
        if (suffix == "DBUV")
            return number - 107.0;
        return std::nullopt;
    case Quantity::Angle:
        if (suffix.isEmpty() || suffix == "DEG")
            return number;
        if (suffix == "RAD")
            return number * 180.0 / std::numbers::pi;
        return std::nullopt;
    case Quantity::Time:
        if (suffix.isEmpty() || suffix == "US")
            return number;
        if (suffix == "NS")
            return number * 1e-3;
        if (suffix == "MS")
            return number * 1e3;
        if (suffix == "S")
            return number * 1e6;
        return std::nullopt;
    case Quantity::Plain:
        if (suffix.isEmpty())
            return number;
        return std::nullopt;
    }
    return std::nullopt;
}

} // namespace

std::optional<double> parseQuantity(const QByteArray& argument, Quantity quantity) {
    const QByteArray text = argument.trimmed();
    const qsizetype length = numberLength(text);
    if (length == 0)
        return std::nullopt;
    bool ok = false;
    const double number = text.left(length).toDouble(&ok);
    if (!ok)
        return std::nullopt;
    return applySuffix(number, text.mid(length).trimmed().toUpper(), quantity);
}

std::optional<bool> parseSwitch(const QByteArray& argument) {
    const QByteArray word = argument.trimmed().toUpper();
    if (word == "ON" || word == "1")
        return true;
    if (word == "OFF" || word == "0")
        return false;
    return std::nullopt;
}

QByteArray plainDecimal(double value) {
    const double rounded = std::round(value * 1e6) / 1e6;
    if (rounded == 0.0)
        return "0";
    if (rounded == std::trunc(rounded) && std::fabs(rounded) < 1e15)
        return QByteArray::number(static_cast<qlonglong>(rounded));
    QByteArray text = QByteArray::number(rounded, 'f', 6);
    while (text.endsWith('0'))
        text.chop(1);
    if (text.endsWith('.'))
        text.chop(1);
    return text;
}

} // namespace zor::sim
