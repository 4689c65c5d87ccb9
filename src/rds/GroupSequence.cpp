#include "rds/GroupSequence.h"

#include "settings/NumberText.h"

#include <cmath>

namespace zor {

namespace {

// Each entry with its separator takes four characters: "02A,".
constexpr int kEntryWidth = 4;
constexpr int kEntryNumberWidth = 3;

} // namespace

QString groupSequenceText(const QList<int>& groups) {
    QStringList entries;
    for (const int group : groups)
        entries.append(QStringLiteral("%1A").arg(group, 2, 10, QLatin1Char('0')));
    return entries.join(u',');
}

QString readableGroupSequence(const QString& heading, const QList<int>& groups) {
    QString text = heading + QStringLiteral(": ");
    for (const int group : groups)
        text += QStringLiteral("  Gr.") + QString::number(group);
    return text;
}

QList<int> storedGroupSequence(const QString& stored) {
    QList<int> groups;
    for (qsizetype at = 0; at < stored.size(); at += kEntryWidth) {
        const double number = std::trunc(leadingNumber(stored.mid(at, kEntryNumberWidth)));
        if (number >= 0 && number < kChoosableGroups)
            groups.append(int(number));
    }
    return groups;
}

} // namespace zor
