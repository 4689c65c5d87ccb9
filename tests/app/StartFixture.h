#pragma once

#include "app/ProgramStart.h"
#include "panel/PageFixture.h"
#include "settings/DataFolder.h"
#include "settings/IniFile.h"
#include "support/SimProcess.h"
#include "translate/InstrumentLink.h"
#include "ui/HMenue.h"

#include <QDir>
#include <QFile>
#include <QStringList>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>
#include <ostream>

QT_BEGIN_NAMESPACE
inline void PrintTo(const QString& text, std::ostream* os) {
    *os << '"' << text.toStdString() << '"';
}
QT_END_NAMESPACE

namespace zor::test {

// The bundled data folder of the source tree.
inline QString bundledData() {
    return qEnvironmentVariable("ZOR_SOURCE_DIR") + QStringLiteral("/data/Daten");
}

// The window program's start-up over a data folder of its own in a
// temporary directory, with the operator's messages recorded.
class StartTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { offscreenApp(); }

    void SetUp() override { ASSERT_TRUE(folder.isValid()); }

    // Fills the data folder with a copy of the bundled one.
    void copyBundledData() {
        const QDir bundled(bundledData());
        ASSERT_TRUE(bundled.exists()) << bundled.path().toStdString();
        for (const QString& name : bundled.entryList(QDir::Files))
            ASSERT_TRUE(QFile::copy(bundled.filePath(name), path(name)));
    }

    QString path(const QString& name) const { return QDir(folder.path()).filePath(name); }
    DataFolder data() const { return DataFolder(folder.path()); }

    void setGeneral(const char* section, const char* key, const QString& value) {
        ASSERT_TRUE(Ini_Schreiben(QLatin1String(section), QLatin1String(key), value,
                                  path(QStringLiteral("RDS_Allg.INI"))));
    }
    void setDataSet(const char* section, const char* key, const QString& value) {
        ASSERT_TRUE(Ini_Schreiben(QLatin1String(section), QLatin1String(key), value,
                                  path(QStringLiteral("Datenset1.INI"))));
    }
    // A pilot phase of 5 degrees, AF lists 1 and 3, EON lists 1 and 4 and a
    // group sequence, so that the initialisation and the queries have lists
    // to carry.
    void storeListsAndPilotPhase() {
        setGeneral("FM", "PILOT_PHASE", QStringLiteral("05"));
        setDataSet("RDS", "AF_LISTE1", QStringLiteral("98.5,87.6,101.3"));
        setDataSet("RDS", "AF_LISTE3", QStringLiteral("95.0,96.1"));
        setDataSet("RDS", "EON_AFB1", QStringLiteral("99.1,88.2"));
        setDataSet("RDS", "EON_AFB4", QStringLiteral("90.1,91.2"));
        setDataSet("RDS", "GR_Folge", QStringLiteral("00A,02A,15A"));
    }
    void setSerial(const char* key, const QString& value) {
        ASSERT_TRUE(Ini_Schreiben(QStringLiteral("38xx"), QLatin1String(key), value,
                                  path(QStringLiteral("Rs232.ini"))));
    }
    QString general(const char* section, const char* key) const {
        return Ini_Lesen(QLatin1String(section), QLatin1String(key),
                         path(QStringLiteral("RDS_Allg.INI")));
    }
    // Text `number` of the stored language, as the language file holds it.
    QString text(int number) const {
        return Ini_Lesen(general("Sprache", "Sprache"), QString::number(number),
                         path(QStringLiteral("Sprachen.ini")));
    }

    // The serial line of port 1 leads to the simulated instrument.
    void serialTo(const SimProcess& sim) {
        setGeneral("BUS", "Interface", QStringLiteral("COM"));
        setSerial("ComPort", QStringLiteral("1"));
        setSerial("Port1", sim.ttyPath());
    }

    // The bus reaches the simulated instrument at address 28 through the
    // bus shim.
    void busTo(const SimProcess& sim) {
        qputenv("ZOR_SIM_GPIB_SOCKET", sim.gpibSocket().toLocal8Bit());
        qputenv("ZOR_SIM_GPIB_TIMEOUT_MS", "300");
        setGeneral("BUS", "Interface", QStringLiteral("IEC"));
        setGeneral("BUS", "GpibLibrary", SimProcess::gpibLibrary());
        setGeneral("ADRESSEN", "ZOR1", QStringLiteral("28"));
    }

    // The start-up, run once.
    ProgramStart& startUp() {
        start_ = std::make_unique<ProgramStart>(data(), messages);
        start_->run();
        return *start_;
    }
    ProgramStart& start() { return *start_; }
    HMenue& window() { return start_->window(); }

    QTemporaryDir folder;
    RecordedMessages messages;
    std::unique_ptr<ProgramStart> start_;
};

} // namespace zor::test
