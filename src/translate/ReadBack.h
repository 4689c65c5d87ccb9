#pragma once

#include "translate/Instrument.h"

#include <QChar>
#include <QList>
#include <QString>
#include <QStringList>
#include <array>

namespace zor {

class Captions;
class Instrument;

// The twenty query buttons of the read-back page, named as the window names them.
enum class ReadBackButton {
    Command1,
    Command4,
    Command5,
    Command6,
    Command7,
    Command8,
    Command9,
    Command10,
    Command11,
    Command12,
    Command13,
    Command14,
    Command15,
    Command16,
    Command17,
    Command18,
    Command19,
    Command20,
    Command21,
    Command22,
};

// Every button, in the order of the numbers in their names.
const std::array<ReadBackButton, 20>& readBackButtons();
// The object name of the button ("Command5").
QString buttonName(ReadBackButton button);
// The caption the button shows before the language captions are loaded ("PS ?").
QString designCaption(ReadBackButton button);

// True for the EON button, whose first answer becomes part of every later query.
bool chainsFirstAnswer(ReadBackButton button);
// The queries of a button in the order they are asked. For the EON button,
// `eonPi` is the coder's answer to the first query and is carried verbatim
// into the later labels and keys; every other button ignores it.
QList<Question> readBackQueries(ReadBackButton button, const QString& eonPi = QString());

// The text of the display label for the answers of a button's queries, given
// in the order of readBackQueries. Numbers are shown with `decimalSeparator`.
// An answer that stands for no value converts as the number 0; an empty
// answer where a number is converted shows caption text 143 for that line.
QString readBackDisplay(ReadBackButton button, const QStringList& answers, const Captions& captions,
                        QChar decimalSeparator);

// Asks the button's queries one after the other and returns the display
// text. The caller keeps demo mode out: this always talks to the instrument.
QString runReadBack(ReadBackButton button, Instrument& instrument, const Captions& captions,
                    QChar decimalSeparator);

} // namespace zor
