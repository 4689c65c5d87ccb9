#include "TmcCatalogueFiles.h"

#include "settings/AnsiText.h"

#include <QDir>
#include <QFile>
#include <iterator>

namespace zor {

namespace {

const char* const kEventWords[] = {"Stau", "Unfall", "Baustelle", "Glätte", "Sperrung",
                                   "Nebel", "Verzögerung", "Gefahr durch Gegenstände"};
const char* const kPlaceWords[] = {"Nord", "Süd", "Ost", "West", "Mitte", "Brücke", "Kreuz"};

QString eventRecord(int code)
{
    const auto word = QString::fromUtf8(kEventWords[code % std::size(kEventWords)]);
    return QStringLiteral("%1 %2;%3").arg(word).arg(code, 4, 10, QLatin1Char('0')).arg(code);
}

QString locationRecord(int code)
{
    const auto word = QString::fromUtf8(kPlaceWords[code % std::size(kPlaceWords)]);
    const QString name = QStringLiteral("Ort %1").arg(code, 5, 10, QLatin1Char('0'));
    switch (code % 3) {
    case 0:
        return QStringLiteral("\"%1, %2;%3\"").arg(name, word).arg(code);
    case 1:
        return QStringLiteral("\"%1 %2;%3\"").arg(name, word).arg(code);
    default:
        return QStringLiteral("%1 %2 Anschlussstelle;%3").arg(name, word).arg(code);
    }
}

bool writeLines(const QString& path, int first, int count, QString (*record)(int))
{
    QString text;
    text.reserve(count * 32);
    for (int code = first; code < first + count; ++code) {
        text += record(code);
        text += QStringLiteral("\r\n");
    }
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    const QByteArray bytes = toAnsi(text);
    return file.write(bytes) == bytes.size() && file.flush();
}

} // namespace

bool writeFullTmcCatalogues(const QString& folder)
{
    const QDir dir(folder);
    return writeLines(dir.filePath(QStringLiteral("Event.txt")), 0, kFullEventCount,
                      eventRecord) &&
           writeLines(dir.filePath(QStringLiteral("Location.txt")), 1, kFullLocationCount,
                      locationRecord);
}

} // namespace zor
