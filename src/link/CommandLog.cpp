#include "CommandLog.h"

#include "settings/AnsiText.h"
#include "settings/FileEntry.h"
#include "settings/MessageLanguage.h"
#include "settings/NumberText.h"

#include <QFile>
#include <cmath>
#include <limits>
#include <utility>

namespace zor {

namespace {

constexpr qsizetype kNameWidth = 15;

} // namespace

CommandLog::CommandLog(QString path, std::int16_t flag) : path_(std::move(path)), flag_(flag) {}

std::int16_t CommandLog::flagFromText(const QString& text) {
    const double value = leadingNumber(text);
    // A number beyond the 16-bit range cannot mean "on"; it must not wrap to 1.
    if (!(std::fabs(value) < 32767.5))
        return 0;
    return static_cast<std::int16_t>(roundHalfEven(value));
}

QString CommandLog::record(const QString& name, const QString& text, const QString& command) {
    QString line = name.size() > kNameWidth ? name.right(kNameWidth)
                                            : name.rightJustified(kNameWidth, QLatin1Char(' '));
    line += QStringLiteral("= ") + text;
    if (!command.isEmpty())
        line += QLatin1Char('"') + command + QLatin1Char('"');
    return line;
}

// A named pipe in place of the log would hold the program until someone
// reads it, so the log is opened only as a regular file.
void CommandLog::empty() const {
    QFile file(path_);
    if (FileEntry::openRegular(file, QIODevice::WriteOnly | QIODevice::Truncate))
        file.close();
}

void CommandLog::Log_Schreiben(const QString& name, const QString& text,
                               const QString& command) const {
    if (!enabled())
        return;
    // Opened and closed per record so the file is complete on disk after each line.
    QFile file(path_);
    if (!FileEntry::openRegular(file, QIODevice::WriteOnly | QIODevice::Append))
        return;
    file.write(toAnsi(record(name, text, command)) + QByteArrayLiteral("\r\n"));
    file.close();
}

QString CommandLog::problem() const {
    const FileEntry entry(path_);
    if (!entry.isSpecial())
        return {};
    return spoken(QStringLiteral("An der Stelle des Befehlsprotokolls \"%1\" steht %2. Das "
                                 "Programm öffnet es nicht und schreibt kein Protokoll.")
                      .arg(path_, entry.germanName()),
                  QStringLiteral("In place of the command log \"%1\" there is %2. The program "
                                 "does not open it and writes no log.")
                      .arg(path_, entry.englishName()));
}

} // namespace zor
