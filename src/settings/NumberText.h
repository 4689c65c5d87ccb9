#pragma once

#include <QString>
#include <QStringView>

namespace zor {

// The value of the leading number of a text: leading blanks skipped, "." as
// decimal point whatever the locale, reading stops at the first character that
// cannot continue the number; 0 when there is none ("12abc" -> 12, "x" -> 0).
double leadingNumber(QStringView text);

// Rounds to the nearest integer, halves to even (1.5 -> 2, 2.5 -> 2).
long long roundHalfEven(double value);

// The shortest decimal form with at most 15 significant digits, no leading
// blank, no exponent, a minus sign when negative, `decimalSeparator` as the
// decimal point ("87.5", "-10.5", "123450").
QString plainDecimal(double value, QChar decimalSeparator = QLatin1Char('.'));

// plainDecimal with the decimal separator of the operating system's locale,
// for numbers shown to the operator.
QString localeDecimal(double value);

} // namespace zor
