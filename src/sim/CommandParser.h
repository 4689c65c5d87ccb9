#pragma once

#include <QByteArray>
#include <QList>

namespace zor::sim {

// One command of a received line, taken apart the way the instrument reads it.
struct ParsedCommand {
    QByteArray text;         // the command as received, blanks around it removed
    QList<QByteArray> nodes; // header nodes as written, without colons and "?"
    bool absolute = false;   // the header began with ":"
    bool common = false;     // an IEEE-488.2 common command such as "*IDN?"
    bool query = false;      // the header ended with "?"
    QByteArray argument;     // everything after the header, blanks around it removed
};

// The program does not escape double quotes inside coder texts, so a quote
// only closes a string when nothing but blanks stands between it and the next
// ";" or the end of the line. Splitting uses that rule: a ";" inside such a
// string does not separate commands.
class CommandParser {
  public:
    // Splits a line at every ";" outside double quotes. Empty pieces stay in
    // the list; the caller skips them.
    static QList<QByteArray> splitCommands(const QByteArray& line);

    // Header up to the first blank or tab, then the argument.
    static ParsedCommand parse(const QByteArray& command);

    // The text of a string argument: from after its first double quote to its
    // last one (inner quotes kept); to the end when the closing quote is
    // missing; the whole argument when it holds no quote at all.
    static QByteArray stringArgument(const QByteArray& argument);

  private:
    static bool quoteCloses(const QByteArray& line, qsizetype quoteIndex);
};

} // namespace zor::sim
