#include "sim/CommandParser.h"

namespace zor::sim {

namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

} // namespace

bool CommandParser::quoteCloses(const QByteArray& line, qsizetype quoteIndex) {
    qsizetype next = quoteIndex + 1;
    while (next < line.size() && isBlank(line[next]))
        ++next;
    return next == line.size() || line[next] == ';';
}

QList<QByteArray> CommandParser::splitCommands(const QByteArray& line) {
    QList<QByteArray> commands;
    bool inString = false;
    qsizetype start = 0;
    for (qsizetype i = 0; i < line.size(); ++i) {
        const char c = line[i];
        if (c == '"') {
            if (!inString)
                inString = true;
            else if (quoteCloses(line, i))
                inString = false;
        } else if (c == ';' && !inString) {
            commands.append(line.mid(start, i - start));
            start = i + 1;
        }
    }
    commands.append(line.mid(start));
    return commands;
}

ParsedCommand CommandParser::parse(const QByteArray& command) {
    ParsedCommand parsed;
    parsed.text = command.trimmed();
    qsizetype headerEnd = 0;
    while (headerEnd < parsed.text.size() && !isBlank(parsed.text[headerEnd]))
        ++headerEnd;
    QByteArray header = parsed.text.left(headerEnd);
    parsed.argument = parsed.text.mid(headerEnd).trimmed();

    if (header.endsWith('?')) {
        parsed.query = true;
        header.chop(1);
    }
    parsed.common = header.startsWith('*');
    parsed.absolute = header.startsWith(':');
    if (parsed.absolute)
        header.remove(0, 1);
    parsed.nodes = header.split(':');
    return parsed;
}

QByteArray CommandParser::stringArgument(const QByteArray& argument) {
    const qsizetype first = argument.indexOf('"');
    if (first < 0)
        return argument;
    const qsizetype last = argument.lastIndexOf('"');
    if (last == first)
        return argument.mid(first + 1);
    return argument.mid(first + 1, last - first - 1);
}

} // namespace zor::sim
