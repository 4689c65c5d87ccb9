#pragma once

#include "translate/Clock.h"
#include "settings/OperatorMessages.h"
#include "panel/OffscreenApp.h"
#include "panel/PageContext.h"
#include "translate/InstrumentLink.h"
#include "panel/StatusLine.h"
#include "settings/Captions.h"
#include "support/GatedInstrument.h"

#include <QAccessible>
#include <QCoreApplication>
#include <QHash>
#include <QSet>
#include <QStringList>
#include <QTemporaryDir>
#include <QWidget>
#include <gtest/gtest.h>

namespace zor::test {

// The status strip as a page sees it, without a window.
class StatusFields : public StatusLine {
  public:
    void showStatus(int index, const QString& text) override { fields_[index] = text; }
    QString statusText(int index) const override { return fields_.value(index); }

  private:
    QHash<int, QString> fields_;
};

// Records what would have reached the operator.
class RecordedMessages : public OperatorMessages {
  public:
    void warn(const QString& title, const QString& text) override {
        warnings.append(title + QStringLiteral(" | ") + text);
    }
    void critical(const QString& title, const QString& text) override {
        criticals.append(title + QStringLiteral(" | ") + text);
    }
    bool askCritical(const QString& title, const QString& text) override {
        criticals.append(title + QStringLiteral(" | ") + text);
        return true;
    }
    void quitProgram() override { ++quits; }
    void processPendingEvents() override { QCoreApplication::processEvents(); }

    QStringList warnings;
    QStringList criticals;
    int quits = 0;
};

// What every page is built with, over an empty data folder.
struct PageServices {
    explicit PageServices(const Clock& clock = systemClock())
        : instrument(DataFolder(folder.path()), texts, messages, current, clock),
          gate(instrument),
          context{DataFolder(folder.path()), status, texts, messages, gate, current} {}

    QTemporaryDir folder;
    StatusFields status;
    Captions texts;
    RecordedMessages messages;
    CurrentValues current;
    InstrumentLink instrument;
    GatedInstrument gate;
    PageContext context;
};

// The name a screen reader hears for a widget.
inline QString heardName(QWidget* widget) {
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(widget);
    return face ? face->text(QAccessible::Name) : QString();
}

// Every control of `scope` has a name, and no two sound alike.
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
