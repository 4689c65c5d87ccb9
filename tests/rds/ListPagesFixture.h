#pragma once

#include "panel/PageFixture.h"
#include "settings/IniFile.h"
#include "support/SimProcess.h"
#include "translate/InstrumentLink.h"

#include <QByteArray>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QString>
#include <gtest/gtest.h>

namespace zor::test {

// The texts of the language file the AF, group and EON pages show, in
// German.
inline void setListCaptions(Captions& texts) {
    texts.setText(83, QStringLiteral("Gruppenfolge"));
    texts.setText(161, QStringLiteral("AF-Liste"));
    texts.setText(164, QStringLiteral("Frequenz außerhalb des Bereichs"));
    texts.setText(166, QStringLiteral("Punkt statt Komma"));
    texts.setText(167, QStringLiteral("EON TA"));
    texts.setText(168, QStringLiteral("nur ohne eigenes TP"));
    texts.setText(169, QStringLiteral("nur mit eigenem TA"));
    texts.setText(170, QStringLiteral("Abstimmfrequenz:"));
    texts.setText(171, QStringLiteral("Eintrag ab dem zweiten wählen"));
    texts.setText(172, QStringLiteral("Einfügen nicht möglich"));
    texts.setText(192, QStringLiteral("ein"));
    texts.setText(193, QStringLiteral("aus"));
}

// The page services over a temporary data folder, with the captions above,
// the language file of the program and the translator's EON PI taken from
// the current values, as the window wires it.
class ListPagesTest : public ::testing::Test {
  protected:
    static void SetUpTestSuite() { offscreenApp(); }

    ListPagesTest() {
        setListCaptions(services.texts);
        const QString source = QDir(qEnvironmentVariable("ZOR_SOURCE_DIR"))
                                   .filePath(QStringLiteral("data/Daten/Sprachen.ini"));
        QFile::copy(source, services.context.data.file(QLatin1String(kLanguageFile)));
        setLanguage(QStringLiteral("deutsch"));
    }

    void setLanguage(const QString& language) {
        Ini_Schreiben(QStringLiteral("Sprache"), QStringLiteral("Sprache"), language,
                      services.context.data.file(QLatin1String(kGeneralFile)));
    }
    QString dataSet(const QString& key) const {
        return Ini_Lesen(QStringLiteral("RDS"), key,
                         services.context.data.file(QLatin1String(kDataSetFile)));
    }
    void setDataSet(const QString& key, const QString& value) {
        Ini_Schreiben(QStringLiteral("RDS"), key, value,
                      services.context.data.file(QLatin1String(kDataSetFile)));
    }

    PageServices services;
};

// The same, with the instrument link connected to the simulated instrument
// over a pseudo-terminal and out of demo mode. What the instrument received
// is read up to a closing command the test sends itself, so nothing sent
// too much can hide behind a slow line.
class LinkedListPagesTest : public ListPagesTest {
  protected:
    void SetUp() override {
        ASSERT_TRUE(sim.isReady()) << sim.errorString().toStdString();
        Ini_Schreiben(QStringLiteral("38xx"), QStringLiteral("Port1"), sim.ttyPath(),
                      services.context.data.file(QLatin1String(kSerialFile)));
        services.gate.useInterface(Interface::Serial);
        ASSERT_TRUE(services.gate.connect());
        // The opening carriage return is no command of the pages.
        ASSERT_TRUE(sim.waitForRecorded(1, kWaitMs));
        mark_ = sim.recorded().size();
        ASSERT_TRUE(services.messages.warnings.isEmpty());
        ASSERT_TRUE(services.messages.criticals.isEmpty());
    }

    // One coder text as it travels on the serial line.
    static QByteArray coder(const char* text) {
        return QByteArray(":STEREO:DIRECT \"") + text + "\"\n";
    }

    // The bytes received since the last call, which must be `expected`.
    QByteArray receivedSince(const QByteArray& expected) {
        services.instrument.send(QStringLiteral("FM_EIN"), QString());
        const QByteArray closingLine("FM:STAT ON\n");
        sim.waitForRecorded(mark_ + expected.size() + closingLine.size(), kWaitMs);
        QByteArray received = sim.recorded().mid(mark_);
        mark_ += received.size();
        if (!received.endsWith(closingLine))
            return received + "<no closing command>";
        received.chop(closingLine.size());
        return received;
    }

    void expectReceived(const QByteArray& expected) {
        EXPECT_EQ(receivedSince(expected).toStdString(), expected.toStdString());
    }

    static constexpr int kWaitMs = 3000;

    SimProcess sim;

  private:
    qsizetype mark_ = 0;
};

} // namespace zor::test
