// The query, store and demo buttons of a window brought up by the real
// start-up and connected to the simulated instrument. What the displays
// must show is written out by hand from what the initialisation sent and
// what the instrument holds before any command.
#include "StartFixture.h"
#include "panel/DisplayLabel.h"
#include "panel/GeneratorPage.h"
#include "panel/PictureSwitch.h"
#include "ui/QueryPage.h"
#include "ui/StatusStrip.h"
#include "ui/StorePage.h"

#include <QGroupBox>
#include <QLocale>
#include <QPushButton>
#include <QTabWidget>

namespace zor {
namespace {

using test::StartTest;

constexpr int kQueryButtons[] = {1,  4,  5,  6,  7,  8,  9,  10, 11, 12,
                                 13, 14, 15, 16, 17, 18, 19, 20, 21, 22};

class QueryStoreTest : public StartTest {
protected:
    // The bundled settings with two AF lists, two EON lists and a group
    // sequence, initialising at start.
    void prepareData(const SimProcess& sim, bool bus = false) {
        copyBundledData();
        setGeneral("BUS", "IECBUS", QStringLiteral("AUTO"));
        storeListsAndPilotPhase();
        if (bus)
            busTo(sim);
        else
            serialTo(sim);
    }

    QString ask(int button) {
        window().queryPage()->gelesen()->setText(QStringLiteral("-"));
        window().queryPage()->Command(button)->click();
        return window().queryPage()->gelesen()->text();
    }

    static QString decimal(const QString& number) {
        QString shown = number;
        return shown.replace(QLatin1Char('.'), QLocale().decimalPoint());
    }

    // The no-value text of a query key.
    QString noValue(const QString& key) const { return key + QLatin1Char(' ') + text(143); }
};

TEST_F(QueryStoreTest, EveryQueryButtonShowsWhatTheInstrumentHolds) {
    SimProcess sim;
    ASSERT_TRUE(sim.isReady()) << sim.errorString().toStdString();
    prepareData(sim);
    startUp();
    ASSERT_FALSE(start().instrument().isDemo());

    EXPECT_EQ(ask(5), QStringLiteral("ZOR RDS "));
    EXPECT_EQ(ask(6), QStringLiteral("D3C3"));
    EXPECT_EQ(ask(7), QStringLiteral("10"));
    EXPECT_EQ(ask(8), QStringLiteral("Radiotext vom ZOR-Generator"));
    EXPECT_EQ(ask(9), noValue(QStringLiteral("CT")));
    EXPECT_EQ(ask(17), QStringLiteral("00A,02A,15A"));
    EXPECT_EQ(ask(4), QStringLiteral("AF1: 98.5,87.6,101.3\nAF2: 95.0,96.1\nAF3: %1\nAF4: %2\n"
                                     "AF5: %3")
                          .arg(noValue(QStringLiteral("AF3")), noValue(QStringLiteral("AF4")),
                               noValue(QStringLiteral("AF5"))));
    EXPECT_EQ(ask(11), QStringLiteral("FM ") + text(21) + QStringLiteral(": 75000 Hz"));
    EXPECT_EQ(ask(12), QStringLiteral("Mod Quelle: ") + text(23));
    EXPECT_EQ(ask(13), QStringLiteral("50µs"));
    EXPECT_EQ(ask(15), text(33));
    EXPECT_EQ(ask(18), QStringLiteral("Impedanz 600 "));
    EXPECT_EQ(ask(20), text(56));
    EXPECT_EQ(ask(21), text(143));
    EXPECT_EQ(ask(1), QStringLiteral("ARI ") + text(193) + QStringLiteral("\nARI ") + text(21) +
                          QStringLiteral(": 3500 Hz\n") + text(193) + QStringLiteral("\nA"));
    EXPECT_EQ(ask(14), QStringLiteral("Pilot ") + text(192) + QStringLiteral("\n") + text(21) +
                           QStringLiteral(": 6750 Hz\nPhase: 5°"));
    EXPECT_EQ(ask(16), QStringLiteral("RDS ") + text(192) + QStringLiteral("\n") + text(21) +
                           QStringLiteral(": 2000 Hz\nPhase: 000°"));
    EXPECT_EQ(ask(19),
              QStringLiteral("EON-PI:   D3C4 / EON-PS:  EON TEST / EON-TP:  1 / EON-TA:  0\n"
                             "EON-AFB1:  99.1,88.2\nEON-AFB2:  90.1,91.2\nEON-AFB3:  %1\n"
                             "EON-AFB4:  %2\nEON-AFB5:  %3\n")
                  .arg(noValue(QStringLiteral("EON-AFB,D3C4,3")),
                       noValue(QStringLiteral("EON-AFB,D3C4,4")),
                       noValue(QStringLiteral("EON-AFB,D3C4,5"))));
    EXPECT_EQ(ask(10), decimal(QStringLiteral("97.5")) + QStringLiteral(" MHz"));
    EXPECT_EQ(ask(22), QStringLiteral("-47 dBm"));
}

TEST_F(QueryStoreTest, ASilentInstrumentGivesTheNoAnswerTexts) {
    SimProcess sim({QStringLiteral("--silent")});
    ASSERT_TRUE(sim.isReady()) << sim.errorString().toStdString();
    prepareData(sim);
    startUp();
    ASSERT_FALSE(start().instrument().isDemo());

    for (const int button : kQueryButtons)
        EXPECT_NE(ask(button), QStringLiteral("-")) << "Command" << button;
    EXPECT_EQ(ask(5), text(145));
    EXPECT_EQ(ask(11), QStringLiteral("FM ") + text(21) + QStringLiteral(": 0 Hz"));
    EXPECT_EQ(ask(10), QStringLiteral("0 MHz"));
    EXPECT_EQ(ask(22), QStringLiteral("0 dBm"));
}

TEST_F(QueryStoreTest, AnInstrumentAnsweringGarbageOverTheBusGivesNoValues) {
    SimProcess sim({QStringLiteral("--garbage")});
    ASSERT_TRUE(sim.isReady()) << sim.errorString().toStdString();
    prepareData(sim, true);
    startUp();
    ASSERT_FALSE(start().instrument().isDemo());

    for (const int button : kQueryButtons)
        EXPECT_NE(ask(button), QStringLiteral("-")) << "Command" << button;
    EXPECT_EQ(ask(5), noValue(QStringLiteral("PS")));
    EXPECT_EQ(ask(20), noValue(QStringLiteral("MS")));
    EXPECT_EQ(ask(10), QStringLiteral("0 MHz"));
    EXPECT_TRUE(messages.warnings.isEmpty()) << messages.warnings.join('\n').toStdString();
}

TEST_F(QueryStoreTest, StoreButtonsSendTheirDataSetAndTouchNoFile) {
    SimProcess sim;
    ASSERT_TRUE(sim.isReady()) << sim.errorString().toStdString();
    prepareData(sim);
    startUp();
    const QByteArray dataSet = [this] {
        QFile file(path(QStringLiteral("Datenset1.INI")));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }();

    for (int i = 0; i < 5; ++i)
        window().storePage()->Store_Taste(i)->click();
    window().storePage()->Store_Taste(2)->click();
    const QByteArray expected = ":STEREO:DIRECT \"STORE=1\"\n:STEREO:DIRECT \"STORE=2\"\n"
                                ":STEREO:DIRECT \"STORE=3\"\n:STEREO:DIRECT \"STORE=4\"\n"
                                ":STEREO:DIRECT \"STORE=5\"\n:STEREO:DIRECT \"STORE=3\"\n";
    // The initialisation may still be arriving when the buttons are pressed;
    // the last store command being carried out means every line is in.
    ASSERT_TRUE(sim.waitForState(QStringLiteral("STORE3"), QStringLiteral("2"), 3000));
    const QByteArray received = sim.recorded();
    EXPECT_TRUE(received.endsWith(expected)) << received.right(expected.size() + 40).toStdString();
    QFile file(path(QStringLiteral("Datenset1.INI")));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), dataSet);
}

TEST_F(QueryStoreTest, DemoModeShowsTheStoredGeneratorValuesAndSendsNothing) {
    SimProcess sim;
    ASSERT_TRUE(sim.isReady()) << sim.errorString().toStdString();
    prepareData(sim);
    setGeneral("BUS", "IECBUS", QString());
    startUp();

    window().Command2()->click();
    EXPECT_TRUE(start().instrument().isDemo());
    EXPECT_EQ(window().queryPage()->gelesen()->text(), text(140));
    EXPECT_TRUE(window().SSTab1()->isEnabled());
    EXPECT_TRUE(window().Frame8()->isEnabled());
    EXPECT_FALSE(window().GTL_Taste()->isEnabled());
    EXPECT_FALSE(window().INIT_Taste()->isEnabled());
    EXPECT_EQ(window().generatorPage()->Input_HF_Freq_Label()->text(), QStringLiteral("97.5"));
    EXPECT_EQ(window().statusStrip()->statusText(17), QStringLiteral("97.5"));
    EXPECT_EQ(window().statusStrip()->statusText(13), QStringLiteral("60"));
    EXPECT_EQ(window().statusStrip()->statusText(14), QStringLiteral("1"));

    window().queryPage()->Command(5)->click();
    EXPECT_EQ(window().queryPage()->gelesen()->text(), text(140));
    window().storePage()->Store_Taste(0)->click();
    window().generatorPage()->HfOnOffState()->click();
    EXPECT_FALSE(sim.waitForRecorded(1, 300));
}

} // namespace
} // namespace zor
