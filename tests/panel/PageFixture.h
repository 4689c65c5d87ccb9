#pragma once

#include "support/PageServices.h"

#include <QAccessible>
#include <QSet>
#include <QWidget>

namespace zor::test {

// The name a screen reader hears for a widget.
inline QString heardName(QWidget* widget) {
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(widget);
    return face ? face->text(QAccessible::Name) : QString();
}

// Every control has a name, and no two sound alike.
inline void expectDistinctNames(const QList<QWidget*>& controls, const QString& where) {
    QSet<QString> heard;
    for (QWidget* control : controls) {
        const QString name = heardName(control);
        EXPECT_FALSE(name.trimmed().isEmpty())
            << where.toStdString() << ": " << control->objectName().toStdString();
        EXPECT_FALSE(heard.contains(name.toCaseFolded()))
            << where.toStdString() << ": " << control->objectName().toStdString() << " \""
            << name.toStdString() << "\" repeats";
        heard.insert(name.toCaseFolded());
    }
}

} // namespace zor::test
