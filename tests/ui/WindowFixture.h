#pragma once

#include "panel/PageFixture.h"
#include "ui/HMenue.h"

#include <memory>

namespace zor::test {

// A main window over a copy of the bundled data folder, with the recording
// instrument (in demo mode) and operator.
class WindowTest : public ::testing::Test {
protected:
    WindowTest() {
        offscreenApp();
        folder.copyBundled();
    }
    HMenue& window() {
        if (!window_)
            window_ = std::make_unique<HMenue>(folder.data(), captions, messages, instrument, current);
        return *window_;
    }
    // Text `key` of `language` as the bundled language file holds it.
    QString languageText(const QString& language, int key) const {
        return Ini_Lesen(language, QString::number(key), folder.path(kLanguageFile));
    }
    void load(const QString& language, const QString& mode = QStringLiteral("RDS")) {
        folder.write(kGeneralFile, "Sprache", "Sprache", language);
        window().setRdsMode(mode);
        window().Beschrifter();
    }

    TestDataFolder folder;
    Captions captions;
    RecordingOperator messages;
    RecordingInstrument instrument;
    CurrentValues current;
    std::unique_ptr<HMenue> window_;
};

} // namespace zor::test
