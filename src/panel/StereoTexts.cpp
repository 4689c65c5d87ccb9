#include "panel/StereoTexts.h"

#include <QLocale>
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
    return QStringLiteral("%1").arg(position, 2, 10, QLatin1Char('0'));
}

} // namespace zor
