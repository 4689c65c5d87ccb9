#pragma once

#include <QChar>
#include <QString>
#include <QStringList>

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

// A position of 0 or more written with at least `width` digits, zero-padded
// on the left.
QString zeroPadded(int position, int width);

// The MPX deviation as sent and stored: five digits in 10 Hz ("08000").
QString mpxDeviationText(int position);

// The pilot, ARI and RDS deviations as sent and stored: four digits ("0675").
QString deviationText(int position);

// The RDS phase as sent and stored: three digits in degrees ("005").
QString rdsPhaseText(int position);

// An option group's value text: the option's number ("0", "1", ...).
QString optionNumberText(int option);

// The option's number counted from one ("1", "2", ...), as the generator
// numbers the stereo modes and the input impedances.
QString optionFromOneText(int option);

// The ARI area code of option `option` (0 to 5): its letter "A" to "F".
QString areaCodeText(int option);

// The position a step control takes for a stored text: the integer part of
// its leading number (0 when there is none), kept inside the control's range.
int positionFromStored(const QString& text, int minimum, int maximum);

// The option whose stored text (`storedTexts`, indexed by option) the text
// names, letters compared in capitals; -1 when it names none.
int optionFromStored(const QString& text, const QStringList& storedTexts);

} // namespace zor
