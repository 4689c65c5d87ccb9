#pragma once

#include "panel/PageFixture.h"
#include "settings/IniFile.h"
#include "support/SimProcess.h"

#include <QByteArray>
#include <QElapsedTimer>
#include <QString>
#include <QThread>
#include <gtest/gtest.h>

namespace zor::test {

// Page services whose instrument link is connected to the simulated
// instrument over a pseudo-terminal, opened as the initialisation opens it,
// and out of demo mode. What the instrument receives is read back from the
// simulator's record, up to a closing command the test sends itself, so a
// command sent twice cannot hide behind a slow line.
class LinkedPage : public ::testing::Test {
protected:
    static void SetUpTestSuite() { offscreenApp(); }

    void SetUp() override {
        ASSERT_TRUE(sim.isReady()) << sim.errorString().toStdString();
        const QString serialFile = services.context.data.file(QLatin1String(kSerialFile));
        Ini_Schreiben(QStringLiteral("38xx"), QStringLiteral("ComPort"), QStringLiteral("1"),
                      serialFile);
        Ini_Schreiben(QStringLiteral("38xx"), QStringLiteral("Port1"), sim.ttyPath(), serialFile);
        services.gate.useInterface(Interface::Serial);
        ASSERT_TRUE(services.gate.connect());
        // The opening carriage return is no command of the page.
        ASSERT_TRUE(sim.waitForRecorded(1, kWaitMs));
        mark_ = sim.recorded().size();
        ASSERT_TRUE(services.messages.warnings.isEmpty());
        ASSERT_TRUE(services.messages.criticals.isEmpty());
    }

    // Every byte the instrument received since the last call: a closing
    // command no page sends goes out after them, and the record is read up to
    // it, so nothing still on its way is missed.
    QByteArray receivedSince() {
        services.instrument.send(QStringLiteral("FM_EIN"), QString());
        const QByteArray closingLine("FM:STAT ON\n");
        QElapsedTimer waited;
        waited.start();
        QByteArray received = sim.recorded().mid(mark_);
        while (!received.endsWith(closingLine) && waited.elapsed() < kWaitMs) {
            QThread::msleep(1);
            received = sim.recorded().mid(mark_);
        }
        mark_ += received.size();
        if (!received.endsWith(closingLine))
            return received + "<no closing command>";
        received.chop(closingLine.size());
        return received;
    }

    // The instrument received exactly `expected` since the last check.
    void expectReceived(const QByteArray& expected) {
        EXPECT_EQ(receivedSince().toStdString(), expected.toStdString());
    }

    // A key of section `section` of the general settings file.
    QString general(const char* section, const char* key) const {
        return Ini_Lesen(QLatin1String(section), QLatin1String(key),
                         services.context.data.file(QLatin1String(kGeneralFile)));
    }
    void setGeneral(const char* section, const char* key, const QString& value) {
        Ini_Schreiben(QLatin1String(section), QLatin1String(key), value,
                      services.context.data.file(QLatin1String(kGeneralFile)));
    }
    void setDataSet(const char* section, const char* key, const QString& value) {
        Ini_Schreiben(QLatin1String(section), QLatin1String(key), value,
                      services.context.data.file(QLatin1String(kDataSetFile)));
    }

    static constexpr int kWaitMs = 3000;

    SimProcess sim;
    PageServices services;

private:
    qsizetype mark_ = 0;
};

} // namespace zor::test
