#pragma once

#include "panel/PageFixture.h"
#include "settings/Captions.h"
#include "settings/DataFolder.h"
#include "settings/IniFile.h"
#include "support/RecordingInstrument.h"
#include "ui/HMenue.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>

namespace zor::test {

// The bundled data folder of the source tree.
inline QString bundledDataFolder() {
    const QString source = qEnvironmentVariable("ZOR_SOURCE_DIR");
    return source.isEmpty() ? QStringLiteral(ZOR_TEST_SOURCE_DIR "/data/Daten")
                            : source + QStringLiteral("/data/Daten");
}

// A main window over its own copy of the bundled data folder, with the
// operator's messages recorded instead of shown.
class WindowTest : public ::testing::Test {
  protected:
    static void SetUpTestSuite() { offscreenApp(); }

    void SetUp() override {
        ASSERT_TRUE(folder.isValid());
        const QDir bundled(bundledDataFolder());
        ASSERT_TRUE(bundled.exists()) << bundled.path().toStdString();
        for (const QString& name : bundled.entryList(QDir::Files))
            ASSERT_TRUE(QFile::copy(bundled.filePath(name), QDir(folder.path()).filePath(name)));
    }

    HMenue& window() {
        if (!window_)
        {
            window_ = std::make_unique<HMenue>(data(), captions, messages, instrument, current);
        }
        return *window_;
    }

    DataFolder data() const { return DataFolder(folder.path()); }
    QString general() const { return data().file(QLatin1String(kGeneralFile)); }
    QString dataSet() const { return data().file(QLatin1String(kDataSetFile)); }
    QString languageFile() const { return data().file(QLatin1String(kLanguageFile)); }

    void setLanguage(const QString& language) {
        ASSERT_TRUE(Ini_Schreiben(QStringLiteral("Sprache"), QStringLiteral("Sprache"), language,
                                  general()));
    }

    template <typename T = QObject> T* control(const QString& name) {
        return window().findChild<T*>(name);
    }

    QTemporaryDir folder;
    Captions captions;
    RecordedMessages messages;
    RecordingInstrument instrument;
    CurrentValues current;

  private:
    std::unique_ptr<HMenue> window_;
};

} // namespace zor::test
