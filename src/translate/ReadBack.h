#pragma once

#include <QChar>
#include <QList>
#include <QString>
#include <QStringList>
#include <array>

namespace zor {

class Captions;
class CommandChannel;

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

// Which part of the instrument answers a query: the coder option through
// Q7_Abfrage or the generator itself through ZOR_Abfrage.
enum class QueryTarget { Coder, Generator };

struct ReadBackQuery {
    QString label; // names the question in the command log only
    QString key;   // the coder key or generator header asked for
    QueryTarget target;

    bool operator==(const ReadBackQuery&) const = default;
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
QList<ReadBackQuery> readBackQueries(ReadBackButton button, const QString& eonPi = QString());

// The text of the display label for the answers of a button's queries, given
// in the order of readBackQueries. Numbers are shown with `decimalSeparator`.
// An answer that stands for no value converts as the number 0; an empty
// answer where a number is converted shows caption text 143 for that line.
QString readBackDisplay(ReadBackButton button, const QStringList& answers, const Captions& captions,
                        QChar decimalSeparator);

// Asks the button's queries one after the other and returns the display
// text. The caller keeps demo mode out: this always talks to the instrument.
QString runReadBack(ReadBackButton button, CommandChannel& channel, const Captions& captions,
                    QChar decimalSeparator);

} // namespace zor
