#include "panel/StereoTexts.h"

#include "settings/NumberText.h"

#include <QLocale>
#include <cmath>
#include <cstdlib>

namespace zor {

namespace {

// `hundredths` rounded half away from zero to `decimals` places, written with
// at least one integer digit.
QString fixedDecimal(int hundredths, int decimals, QChar separator) {
    const int divisor = decimals == 1 ? 10 : 1;
    const int magnitude = std::abs(hundredths);
    const int scaled = (magnitude + divisor / 2) / divisor;
    const int unit = decimals == 1 ? 10 : 100;
    QString text = QString::number(scaled / unit) + separator +
                   QStringLiteral("%1").arg(scaled % unit, decimals, 10, QLatin1Char('0'));
    return hundredths < 0 && scaled != 0 ? u'-' + text : text;
}

constexpr int kMpxDigits = 5;
constexpr int kDeviationDigits = 4;
constexpr int kRdsPhaseDigits = 3;
constexpr int kPilotPhaseDigits = 2;

} // namespace

QString deviationLabel(const QString& word, int position, DeviationPattern pattern,
                       QChar decimalSeparator) {
    const int decimals = pattern == DeviationPattern::OneDecimal ? 1 : 2;
    return word + u' ' + fixedDecimal(position, decimals, decimalSeparator) +
           QStringLiteral(" kHz");
}

QString deviationLabel(const QString& word, int position, DeviationPattern pattern) {
    const QString separator = QLocale::system().decimalPoint();
    return deviationLabel(word, position, pattern,
                          separator.isEmpty() ? QLatin1Char('.') : separator.front());
}

QString phaseLabel(int position) {
    return QStringLiteral("Phase ") + QString::number(position) + QStringLiteral(" °");
}

QString pilotPhaseText(int position) {
    if (position < 0)
        return QString::number(position);
    return zeroPadded(position, kPilotPhaseDigits);
}

QString zeroPadded(int position, int width) {
    return QStringLiteral("%1").arg(position, width, 10, QLatin1Char('0'));
}

QString mpxDeviationText(int position) {
    return zeroPadded(position, kMpxDigits);
}

QString deviationText(int position) {
    return zeroPadded(position, kDeviationDigits);
}

QString rdsPhaseText(int position) {
    return zeroPadded(position, kRdsPhaseDigits);
}

QString optionNumberText(int option) {
    return QString::number(option);
}

QString optionFromOneText(int option) {
    return QString::number(option + 1);
}

QString areaCodeText(int option) {
    return QString(QChar(u'A' + option));
}

int positionFromStored(const QString& text, int minimum, int maximum) {
    // Clamped before the conversion: a hand-edited "1e12" must not overflow.
    const double whole = std::trunc(leadingNumber(text));
    if (whole <= minimum)
        return minimum;
    if (whole >= maximum)
        return maximum;
    return static_cast<int>(whole);
}

int optionFromStored(const QString& text, const QStringList& storedTexts) {
    return storedTexts.indexOf(text.toUpper());
}

} // namespace zor
