// The window brought up by the real start-up while the line goes away or the
// instrument misbehaves: it stays usable, and query buttons come back in time.
#include "StartFixture.h"
#include "panel/DisplayLabel.h"
#include "rds/RdsPage.h"
#include "ui/QueryPage.h"

#include <QDeadlineTimer>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QTabWidget>
#include <QThread>
#include <fcntl.h>
#include <stdlib.h>
#include <unistd.h>

namespace zor {
namespace {

// How long a query may hold the window: its pause, then the serial read limit
// or the simulated bus's time-out, plus a margin for a loaded machine.
constexpr qint64 kCoderSerialMs = 250 + 100;
constexpr qint64 kGeneratorSerialMs = 100 + 100;
constexpr qint64 kBusMs = 50 + test::kSimBusTimeoutMs;
constexpr qint64 kMarginMs = 2000;

struct QueryButton {
    int number;
    int coderQueries;
    int generatorQueries;
};
constexpr QueryButton kPs{5, 1, 0};
constexpr QueryButton kAri{1, 4, 0};
constexpr QueryButton kEon{19, 9, 0};
constexpr QueryButton kFreq{10, 0, 1};
constexpr QueryButton kPegel{22, 0, 1};

bool waitUntil(const std::function<bool()>& done) {
    const QDeadlineTimer deadline(3000);
    while (!done() && !deadline.hasExpired())
        QThread::msleep(5);
    return done();
}

class LinkFaultTest : public test::StartTest {
protected:
    // The bundled settings, initialising at start unless told otherwise.
    void prepare(bool automatic = true) {
        folder.copyBundled();
        setGeneral("BUS", "IECBUS", automatic ? QStringLiteral("AUTO") : QString());
    }
    // Serial port 1 leads to the link to the instrument's line, also after a replug.
    QString linkPath() const { return folder.path(QStringLiteral("instrument.tty")); }
    QStringList atLink(const QStringList& misbehaviour = {}) {
        setGeneral("BUS", "Interface", QStringLiteral("COM"));
        setSerial("ComPort", QStringLiteral("1"));
        setSerial("Port1", linkPath());
        return QStringList{QStringLiteral("--link"), linkPath()} + misbehaviour;
    }

    // Clicks a query button, which must hold the window no longer than its
    // bound, and returns what it shows.
    QString ask(const QueryButton& button, bool bus) {
        const qint64 bound = kMarginMs + (bus ? (button.coderQueries + button.generatorQueries) * kBusMs
                                              : button.coderQueries * kCoderSerialMs +
                                                    button.generatorQueries * kGeneratorSerialMs);
        window().queryPage()->gelesen()->setText(QStringLiteral("-"));
        QElapsedTimer held;
        held.start();
        window().queryPage()->Command(button.number)->click();
        EXPECT_LE(held.elapsed(), bound) << "Command" << button.number;
        return window().queryPage()->gelesen()->text();
    }

    // Changes the programme service name; true once it reached `sim`.
    bool changePs(const QString& ps, const SimProcess& sim) {
        window().rdsPage()->PS_T()->setText(ps);
        window().rdsPage()->PS_Taste()->click();
        const QByteArray line = ":STEREO:DIRECT \"PS=" + ps.toLatin1().leftJustified(8) + "\"\n";
        return waitUntil([&] { return sim.recorded().contains(line); });
    }

    void expectConnected(bool connected) {
        EXPECT_EQ(start().instrument().isDemo(), !connected);
        EXPECT_EQ(window().SSTab1()->isEnabled(), connected);
        EXPECT_EQ(window().GTL_Taste()->isEnabled(), connected);
        EXPECT_EQ(window().INIT_Taste()->isEnabled(), !connected);
    }
    // The one message about the line, naming its device.
    void expectLineToldOf(int told) {
        ASSERT_EQ(messages.warnings.size(), told) << messages.warnings.join('\n').toStdString();
        EXPECT_TRUE(messages.warnings.last().startsWith(QStringLiteral("Kommunikationsparameter | ")));
        EXPECT_TRUE(messages.warnings.last().contains(linkPath()));
    }
};

// A line lost during a query is told once; INIT connects again once it is back.
TEST_F(LinkFaultTest, ALineLostDuringAQueryIsToldOnceAndInitConnectsAgainWhenItIsBack) {
    constexpr int kHangupAfter = 60;
    prepare();
    SimProcess sim(atLink({"--hangup-after", QString::number(kHangupAfter), "--replug-after", "200"}));
    ASSERT_TRUE(sim.isReady()) << sim.errorString().toStdString();
    startUp();
    expectConnected(true);

    // Page changes up to the last line taken: the line goes after EON's first question.
    QString ps;
    for (int change = 1; sim.recorded().count('\n') < kHangupAfter - 1; ++change) {
        ps = QStringLiteral("FAULT %1").arg(change);
        ASSERT_TRUE(changePs(ps, sim));
        ASSERT_LT(change, kHangupAfter) << "the initialisation alone filled the line";
    }
    ASSERT_EQ(sim.recorded().count('\n'), kHangupAfter - 1);
    EXPECT_TRUE(ask(kEon, false).startsWith(QStringLiteral("EON-PI:   ")));
    expectLineToldOf(1);
    expectConnected(false);

    // A timer's command or a handler entered again ends at once, telling nothing.
    window().rdsPage()->PS_Taste_Click();
    window().queryPage()->Command_Click(kPs.number);
    EXPECT_EQ(messages.warnings.size(), 1);

    ASSERT_TRUE(waitUntil([this] { return QFileInfo::exists(linkPath()); }));
    const qsizetype before = sim.recorded().size();
    window().INIT_Taste()->click();
    expectConnected(true);
    EXPECT_TRUE(waitUntil([&] { return sim.recorded().mid(before).contains("PS=" + ps.toLatin1()); }));
    EXPECT_TRUE(sim.recorded().mid(before).startsWith("\rAM:STAT OFF\n"));
    EXPECT_EQ(ask(kPs, false), ps.leftJustified(8));
    EXPECT_EQ(messages.warnings.size(), 1);
}

// A line lost during the initialisation, and INIT while it is still gone, leave the
// window ready for the next INIT.
TEST_F(LinkFaultTest, InitWhileTheLineIsStillGoneLeavesTheWindowReadyForTheNextInit) {
    prepare(false);
    SimProcess first(atLink({"--hangup-after", "3"}));
    ASSERT_TRUE(first.isReady()) << first.errorString().toStdString();
    startUp();
    window().INIT_Taste()->click();
    expectLineToldOf(1);
    expectConnected(false);
    window().INIT_Taste()->click();
    expectLineToldOf(2);
    expectConnected(false);

    // Another instrument at the same place.
    SimProcess second(QStringList{"--link", linkPath()});
    ASSERT_TRUE(second.isReady()) << second.errorString().toStdString();
    window().INIT_Taste()->click();
    expectConnected(true);
    EXPECT_EQ(ask(kPs, false), QStringLiteral("ZOR RDS "));
    EXPECT_TRUE(second.recorded().startsWith("\rAM:STAT OFF\n"));
    EXPECT_EQ(messages.warnings.size(), 2);
}

// A line that takes no more data (a pseudo-terminal nobody reads) holds the
// window once, for its second; the port then counts as gone.
TEST_F(LinkFaultTest, ALineThatTakesNoDataIsClosedAfterItsSecond) {
    const int unread = ::posix_openpt(O_RDWR | O_NOCTTY);
    ASSERT_GE(unread, 0);
    ASSERT_EQ(::grantpt(unread), 0);
    ASSERT_EQ(::unlockpt(unread), 0);
    prepare(false);
    atLink();
    setSerial("Port1", QString::fromLocal8Bit(::ptsname(unread)));
    startUp();
    window().INIT_Taste()->click();
    expectConnected(true);
    int sent = 0;
    while (sent < 2000 && start().instrument().send("PS", QStringLiteral("FULL %1").arg(sent)))
        ++sent;
    EXPECT_LT(sent, 2000);
    EXPECT_FALSE(start().instrument().send("PS", QStringLiteral("LATER")));
    expectConnected(false);
    ASSERT_EQ(messages.warnings.size(), 1) << messages.warnings.join('\n').toStdString();
    EXPECT_TRUE(messages.warnings[0].contains(QStringLiteral("Daten senden")));
    ::close(unread);
}

// What "PS ?" shows ("<145>": text 145; empty: anything), "Freq ?" (empty:
// anything), and how many device reports the bus gives for seven questions.
struct Misbehaviour {
    const char* name;
    QStringList simArguments;
    bool bus;
    const char* ps;
    const char* freq;
    int deviceReports;
};

class MisbehavingInstrumentTest : public LinkFaultTest,
                                  public ::testing::WithParamInterface<Misbehaviour> {};

TEST_P(MisbehavingInstrumentTest, QueriesComeBackInTimeAndTheWindowStaysUsable) {
    const Misbehaviour& instrument = GetParam();
    SimProcess sim(instrument.simArguments);
    ASSERT_TRUE(sim.isReady()) << sim.errorString().toStdString();
    prepare();
    reach(sim, instrument.bus ? Interface::Bus : Interface::Serial);
    startUp();
    expectConnected(true);

    const QString ps = instrument.ps == std::string("<145>")   ? text(145)
                       : instrument.ps == std::string("<143>") ? "PS " + text(143)
                                                               : QString::fromLatin1(instrument.ps);
    const QString psShown = ask(kPs, instrument.bus);
    EXPECT_NE(psShown, QStringLiteral("-"));
    EXPECT_TRUE(ps.isEmpty() || psShown == ps) << psShown.toStdString();
    EXPECT_NE(ask(kAri, instrument.bus), QStringLiteral("-"));
    const QString freq = ask(kFreq, instrument.bus);
    const QString mhz =
        QString::fromLatin1(instrument.freq).replace(u'.', QLocale().decimalPoint());
    EXPECT_TRUE(mhz.isEmpty() || freq == mhz + " MHz") << freq.toStdString();
    EXPECT_NE(ask(kPegel, instrument.bus), QStringLiteral("-"));

    expectConnected(true);
    EXPECT_TRUE(messages.warnings.isEmpty()) << messages.warnings.join('\n').toStdString();
    EXPECT_EQ(messages.told(QStringLiteral("ask")).size(), instrument.deviceReports);
    EXPECT_TRUE(changePs(QStringLiteral("STILL ON"), sim));
}

// A late answer inside the coder's pause or the bus time-out is read; one
// beyond both serial pauses may reach a later button.
const Misbehaviour kMisbehaviours[] = {
    {"serial_silent", {"--silent"}, false, "<145>", "0", 0},
    {"serial_garbage", {"--garbage"}, false, "<143>", "0", 0},
    {"serial_flood", {"--flood"}, false, "", "", 0},
    {"serial_late_inside", {"--late", "120"}, false, "ZOR RDS ", "", 0},
    {"serial_late_beyond", {"--late", "400"}, false, "<145>", "", 0},
    {"bus_silent", {"--silent"}, true, "<143>", "0", 7},
    {"bus_flood", {"--flood"}, true, "<143>", "0", 0},
    {"bus_late_inside", {"--late", "150"}, true, "ZOR RDS ", "97.5", 0},
};
INSTANTIATE_TEST_SUITE_P(Lines, MisbehavingInstrumentTest, ::testing::ValuesIn(kMisbehaviours),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace zor
