#include "CommandLog.h"

#include "settings/AnsiText.h"
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

void CommandLog::empty() const {
    QFile file(path_);
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        file.close();
}

void CommandLog::Log_Schreiben(const QString& name, const QString& text,
                               const QString& command) const {
    if (!enabled())
        return;
    // Opened and closed per record so the file is complete on disk after each line.
    QFile file(path_);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append))
        return;
    file.write(toAnsi(record(name, text, command)) + QByteArrayLiteral("\r\n"));
    file.close();
}

} // namespace zor
