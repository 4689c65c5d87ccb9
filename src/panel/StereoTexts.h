#pragma once

#include <QChar>
#include <QString>

namespace zor {

// How a deviation display writes the position in kHz: "#0.0" (MPX) or
// "0.00" (pilot, ARI, RDS).
enum class DeviationPattern { OneDecimal, TwoDecimals };

// The deviation display: the deviation word (caption text 21), a blank, the
// position (in 10 Hz) as kHz in the pattern with the given decimal separator,
// and " kHz" ("Hub 6.75 kHz").
QString deviationLabel(const QString& word, int position, DeviationPattern pattern,
                       QChar decimalSeparator);

// deviationLabel with the decimal separator of the operating system's locale.
QString deviationLabel(const QString& word, int position, DeviationPattern pattern);

// The phase display: "Phase ", the position as a signed integer, " °".
QString phaseLabel(int position);

// The pilot phase as sent and stored: a single digit padded to two ("07",
// "00"), a negative value keeps its sign unpadded ("-7", "-35").
QString pilotPhaseText(int position);

} // namespace zor
