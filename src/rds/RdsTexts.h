#pragma once

#include <QString>
#include <QTime>

namespace zor {

// The value texts of the RDS page: what its handlers hand to the coder and
// store, computed without any widget.

// The programme service name the dynamic PS alternates with the PS field.
inline constexpr auto kDynamicPsPattern = ">--<>--<";

// A traffic announcement time display: the word (caption text 40 or 41), a
// blank, and the seconds with the blank a positive number carries in front
// ("Dauer [s]:  30").
QString secondsLabel(const QString& word, int seconds);

// A switch as the coder takes it: "1" on, "0" off.
QString switchValue(bool on);

// The programme service name of the PS field: its first eight characters,
// unpadded (the coder text pads it to eight).
QString psValue(const QString& field);

// The programme type as the PTY list writes it: the list position as a
// decimal number; "0" (no programme type) while no entry is chosen.
QString ptyValue(int listIndex);

// A stored list position ("EON_PTY"): a whole number with blanks around it
// allowed; -1 for anything else, empty included.
int storedPosition(const QString& text);

// A stored number as the start-up reads it ("PTY", "DI"): the integer part
// of the text's leading number, 0 for an empty or non-numeric text.
int storedNumber(const QString& text);

// The RadioText of the RadioText field. The coder takes it as one line, so a
// line break in the field goes out as one blank.
QString radioTextValue(const QString& field);

// The M/S letter of an M/S option: "M" for music (option 0), "S" for speech.
QString musicSpeechValue(int option);
// The M/S option a stored letter selects: music for "M" in either case,
// speech for anything else.
int musicSpeechOption(const QString& stored);

// The clock as the coder's clock time takes it: "hh:mm:ss", 24 hours.
QString clockText(const QTime& time);

// The next text of the dynamic PS: the PS field after the pattern, the
// pattern after anything else (so the first step sends the pattern).
QString nextAlternation(const QString& previous, const QString& field);

// The text of the EON help box: the four lines, each ending in a line feed.
QString eonHelpText(const QString& line1, const QString& line2, const QString& line3,
                    const QString& line4);

// A stored announcement time ("TA_ON", "TA_REP") in whole seconds: the
// integer part of its leading number, held within the range of its control.
int storedSeconds(const QString& text, int maximum);

} // namespace zor
