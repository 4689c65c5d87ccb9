#pragma once

#include <QDateTime>
#include <QString>
#include <optional>

namespace zor {

// What a command line needs beyond key and value: the current EON PI that
// prefixes most EON coder texts, the text of the window's clock label and
// the computer's date and time.
struct TranslatorInputs {
    QString eonPi;
    QString clockDisplay;
    QDateTime now;
};

// The command line for one parameter key: std::nullopt when the key is not in
// the command table (keys match exactly, with case); an empty line for an
// enumerated generator key whose value is not one of its choices.
std::optional<QString> commandLine(const QString& key, const QString& value,
                                   const TranslatorInputs& in);

// The coder text wrapped into the generator command that carries it.
QString coderCommand(const QString& coderText);

// Value-text formats of the command table, shared with their tests.

// The value counts in units of 10 Hz; the command carries hertz without
// leading zeros ("07500" -> "75000", "abc" -> "0").
QString deviationHz(const QString& value);
// `value` with `appended` blanks added, cut to its first `width` characters.
QString padded(const QString& value, qsizetype width, qsizetype appended);
// The last two characters of "00" followed by the value ("5" -> "05", "123" -> "23").
QString twoDigitPty(const QString& value);

} // namespace zor
