#pragma once

#include "panel/PageContext.h"
#include "panel/StatusLine.h"
#include "settings/Captions.h"
#include "settings/SettingsStore.h"
#include "support/RecordingInstrument.h"
#include "support/RecordingOperator.h"
#include "support/TestDataFolder.h"

#include <QApplication>
#include <QMap>

namespace zor::test {

// The one QApplication of a test program, created on first use.
inline QApplication& offscreenApp() {
    static int argc = 1;
    static char name[] = "zor-test";
    static char* argv[] = {name, nullptr};
    static QApplication* const app = new QApplication(argc, argv);
    return *app;
}

// The status strip as a page sees it; a field showing the text it was built
// with reads "<built-in>".
class StatusFields : public StatusLine {
public:
    void showStatus(StatusField field, const QString& text) override { fields_[field] = text; }
    void showBuiltInText(StatusField field) override { fields_[field] = "<built-in>"; }
    QString statusText(StatusField field) const override { return fields_.value(field); }

private:
    QMap<StatusField, QString> fields_;
};

// What a page is built with: an empty data folder of its own, the recording
// instrument (out of demo mode) and operator, and the settings store.
struct PageServices {
    PageServices() { offscreenApp(); }

    QString stored(const char* file, const char* section, const char* key) const {
        return folder.read(file, section, key);
    }

    TestDataFolder folder;
    StatusFields status;
    Captions texts;
    RecordingOperator messages;
    RecordingInstrument instrument{false};
    CurrentValues current;
    SettingsStore settings{folder.data(), messages};
    PageContext context{folder.data(), settings, status, texts, messages, instrument, current};
};

} // namespace zor::test
