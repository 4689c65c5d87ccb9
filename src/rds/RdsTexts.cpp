#include "rds/RdsTexts.h"

#include "settings/NumberText.h"

#include <algorithm>
#include <cmath>

namespace zor {

namespace {

constexpr qsizetype kPsLength = 8;

} // namespace

QString secondsLabel(const QString& word, int seconds) {
    const QString number = seconds < 0 ? QString::number(seconds) : u' ' + QString::number(seconds);
    return word + u' ' + number;
}

QString switchValue(bool on) {
    return on ? QStringLiteral("1") : QStringLiteral("0");
}

QString psValue(const QString& field) {
    return field.left(kPsLength);
}

QString ptyValue(int listIndex) {
    return QString::number(std::max(listIndex, 0));
}

int storedPosition(const QString& text) {
    bool number = false;
    const int position = text.trimmed().toInt(&number);
    return number ? position : -1;
}

int storedNumber(const QString& text) {
    return static_cast<int>(std::clamp(std::trunc(leadingNumber(text)), -1.0e9, 1.0e9));
}

QString radioTextValue(const QString& field) {
    QString value = field;
    value.replace(QStringLiteral("\r\n"), QStringLiteral(" "));
    for (const QChar lineBreak : {QChar(u'\r'), QChar(u'\n'), QChar(QChar::ParagraphSeparator),
                                  QChar(QChar::LineSeparator)})
        value.replace(lineBreak, QLatin1Char(' '));
    return value;
}

QString musicSpeechValue(int option) {
    return option == 0 ? QStringLiteral("M") : QStringLiteral("S");
}

int musicSpeechOption(const QString& stored) {
    return stored.toUpper() == QLatin1String("M") ? 0 : 1;
}

QString clockText(const QTime& time) {
    return time.toString(QStringLiteral("hh:mm:ss"));
}

QString nextAlternation(const QString& previous, const QString& field) {
    const QString pattern = QLatin1String(kDynamicPsPattern);
    return previous == pattern ? field : pattern;
}

QString eonHelpText(const QString& line1, const QString& line2, const QString& line3,
                    const QString& line4) {
    const QChar lineFeed(u'\n');
    return line1 + lineFeed + line2 + lineFeed + line3 + lineFeed + line4 + lineFeed;
}

int storedSeconds(const QString& text, int maximum) {
    const double seconds = std::trunc(leadingNumber(text));
    if (!(seconds > 0))
        return 0;
    return seconds >= maximum ? maximum : static_cast<int>(seconds);
}

} // namespace zor
