#include "rds/AfLists.h"

#include "settings/DataFolder.h"
#include "settings/IniFile.h"
#include "settings/NumberText.h"

namespace zor {

namespace {

constexpr double kLowestTuned = 86.0;
constexpr double kLowestAlternative = 87.5;
constexpr double kHighestFrequency = 108.0;

bool isEon(const QString& kind) {
    return kind == QLatin1String(kEonAfLists);
}

bool inRange(const QString& text, double lowest, double highest) {
    const double value = leadingNumber(text);
    return value >= lowest && value <= highest;
}

} // namespace

QString afListKey(const QString& kind, int number) {
    return (isEon(kind) ? QStringLiteral("EON_AFB") : QStringLiteral("AF_LISTE")) +
           QString::number(number);
}

QString afSendKey(const QString& kind, int number) {
    return (isEon(kind) ? QStringLiteral("EON_AFB") : QStringLiteral("AF")) +
           QString::number(number);
}

StoredAfLists storedAfLists(const DataFolder& data, const QString& kind) {
    const QString file = data.file(QLatin1String(kDataSetFile));
    StoredAfLists lists;
    for (int number = 1; number <= kAfListCount; ++number)
        lists[number - 1] = Ini_Lesen(QStringLiteral("RDS"), afListKey(kind, number), file);
    return lists;
}

AfListFields splitAfList(const QString& text) {
    QStringList fields = text.split(u',');
    AfListFields list;
    list.tuned = fields.takeFirst();
    list.alternatives = fields;
    return list;
}

QString joinAfList(const QString& tuned, const QStringList& alternatives) {
    QString text = tuned;
    for (const QString& alternative : alternatives)
        text += u',' + alternative;
    return text;
}

bool isTunedFrequency(const QString& text) {
    return inRange(text, kLowestTuned, kHighestFrequency);
}

bool isAlternativeFrequency(const QString& text) {
    return inRange(text, kLowestAlternative, kHighestFrequency);
}

// The label keeps one decimal: the answer is filled up with zeros and cut
// behind the first decimal, which stands at the fourth character below
// 100 MHz and at the fifth from there on.
QString tunedFrequencyDisplay(const QString& answer, const QString& shown) {
    const qsizetype point = answer.indexOf(u'.') + 1;
    if (point <= 1)
        return (answer + QStringLiteral(".00")).left(leadingNumber(answer) < 100.0 ? 4 : 5);
    if (point == 3)
        return (answer + QStringLiteral("00")).left(4);
    if (point == 4)
        return (answer + QStringLiteral("00")).left(5);
    return shown;
}

QList<SendStep> afSendPlan(const StoredAfLists& stored, const QString& kind) {
    QList<SendStep> plan;
    if (stored[0].isEmpty())
        return plan;
    plan.append({afSendKey(kind, 1), QStringLiteral("N,") + stored[0]});
    for (int number = 2; number <= kAfListCount; ++number) {
        if (!stored[number - 1].isEmpty())
            plan.append({afSendKey(kind, number), QStringLiteral("+,") + stored[number - 1]});
    }
    return plan;
}

} // namespace zor
