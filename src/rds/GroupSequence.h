#pragma once

#include <QList>
#include <QString>

namespace zor {

// The RDS group types the operator can choose, 0 to 15, all version A.
inline constexpr int kChoosableGroups = 16;

// The group-sequence text the coder takes: each group number as two digits
// followed by "A", separated by commas ("00A,02A,15A"); empty for no group.
QString groupSequenceText(const QList<int>& groups);

// The sequence as the page shows it: `heading`, ": ", then "  Gr." and the
// number of each group ("Gruppenfolge:   Gr.0  Gr.2  Gr.15").
QString readableGroupSequence(const QString& heading, const QList<int>& groups);

// The groups a stored sequence names: every four characters one entry whose
// first three characters begin with the group number. Numbers that name no
// choosable group are passed over.
QList<int> storedGroupSequence(const QString& stored);

} // namespace zor
