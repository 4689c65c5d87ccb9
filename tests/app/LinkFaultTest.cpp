// The window brought up by the real start-up while the instrument misbehaves:
// a serial line that goes away and comes back, and instruments that stay
// silent, answer late, answer junk or flood the line, over the serial line
// and the simulated bus. The window must stay usable and every query button
// must come back within its pauses and time-outs.
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

// How long a query may hold the window: its pause before reading, then the
// serial line's read limit or the simulated bus's time-out, plus a margin
// for a loaded machine.
constexpr qint64 kCoderSerialMs = 250 + 100;
constexpr qint64 kGeneratorSerialMs = 100 + 100;
constexpr qint64 kBusMs = 50 + test::kSimBusTimeoutMs;
constexpr qint64 kMarginMs = 2000;
// What every initialisation over the serial line begins with.
const QByteArray kInitialisationStart = "\rAM:STAT OFF\n";

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
        copyBundledData();
        setGeneral("BUS", "IECBUS", automatic ? QStringLiteral("AUTO") : QString());
    }
    // Serial port 1 is the link where the instrument's line is found, also
    // after it was unplugged and came back.
    QString linkPath() const { return path(QStringLiteral("instrument.tty")); }
    QStringList atLink(const QStringList& misbehaviour = {}) {
        setGeneral("BUS", "Interface", QStringLiteral("COM"));
        setSerial("ComPort", QStringLiteral("1"));
        setSerial("Port1", linkPath());
        return QStringList{QStringLiteral("--link"), linkPath()} + misbehaviour;
    }

    // Clicks a query button and returns what it shows; the time it held the
    // window must stay within the button's bound.
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
    static QString megahertz(const char* number) {
        return QString::fromLatin1(number).replace(QLatin1Char('.'), QLocale().decimalPoint()) +
               QStringLiteral(" MHz");
    }
};

TEST_F(LinkFaultTest, ALineLostDuringAQueryIsToldOnceAndInitConnectsAgainWhenItIsBack) {
    constexpr int kHangupAfter = 60;
    prepare();
    SimProcess sim(atLink({"--hangup-after", QString::number(kHangupAfter), "--replug-after", "200"}));
    ASSERT_TRUE(sim.isReady()) << sim.errorString().toStdString();
    startUp();
    expectConnected(true);

    // Page changes up to the last line the instrument takes: the EON
    // button's first question is the one after which the line goes.
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

    // Whatever still runs after the loss (a timer's command, a handler
    // entered again) ends at once and tells nothing more.
    window().rdsPage()->PS_Taste_Click();
    window().queryPage()->Command_Click(kPs.number);
    EXPECT_EQ(messages.warnings.size(), 1);

    ASSERT_TRUE(waitUntil([this] { return QFileInfo::exists(linkPath()); }));
    const qsizetype before = sim.recorded().size();
    window().INIT_Taste()->click();
    expectConnected(true);
    EXPECT_TRUE(waitUntil([&] { return sim.recorded().mid(before).contains("PS=" + ps.toLatin1()); }));
    EXPECT_TRUE(sim.recorded().mid(before).startsWith(kInitialisationStart));
    EXPECT_EQ(ask(kPs, false), ps.leftJustified(8));
    EXPECT_EQ(messages.warnings.size(), 1);
}

TEST_F(LinkFaultTest, InitWhileTheLineIsStillGoneLeavesTheWindowReadyForTheNextInit) {
    prepare(false);
    SimProcess first(atLink({"--hangup-after", "3"}));
    ASSERT_TRUE(first.isReady()) << first.errorString().toStdString();
    startUp();
    // The line goes in the middle of the initialisation, then stays away.
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
    EXPECT_TRUE(second.recorded().startsWith(kInitialisationStart));
    EXPECT_EQ(messages.warnings.size(), 2);
}

// A line that no longer takes data (a handshake that never releases: here a
// pseudo-terminal nobody reads) holds the window once, for its second; the
// port then counts as gone, as an unplugged one does.
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

// An answer that came after its own query had given up is discarded before
// the next query asks, as before a command.
TEST_F(LinkFaultTest, ALateAnswerIsNeverReadByTheNextQuery) {
    constexpr int kLateMs = 300;
    SimProcess sim({QStringLiteral("--late"), QString::number(kLateMs)});
    ASSERT_TRUE(sim.isReady()) << sim.errorString().toStdString();
    prepare();
    serialTo(sim);
    startUp();
    QElapsedTimer sinceAsked;
    const auto untilAnswered = [&sinceAsked] {
        QThread::msleep(static_cast<unsigned long>(qMax<qint64>(0, kLateMs + 100 - sinceAsked.elapsed())));
    };
    sinceAsked.start();
    EXPECT_EQ(ask(kPegel, false), QStringLiteral("0 dBm"));
    untilAnswered();
    sinceAsked.restart();
    // Not the level, -47 dBm, read as a frequency in Hz.
    EXPECT_EQ(ask(kFreq, false), QStringLiteral("0 MHz"));
    untilAnswered();
    EXPECT_TRUE(changePs(QStringLiteral("CLEARED"), sim));
    EXPECT_EQ(ask(kFreq, false), QStringLiteral("0 MHz"));
}

// How the instrument misbehaves, over which interface, what "PS ?" must
// show then (caption text 145 or 143 as "<145>", "<143>"; empty: anything
// but nothing), what "Freq ?" must show (empty: anything), and how many
// device status reports the bus gives for the seven questions asked.
struct Misbehaviour {
    const char* name;
    QStringList simArguments;
    bool bus;
    const char* ps;
    const char* freq;
    int deviceReports;
};

void PrintTo(const Misbehaviour& misbehaviour, std::ostream* os) {
    *os << misbehaviour.name;
}

class MisbehavingInstrumentTest : public LinkFaultTest,
                                  public ::testing::WithParamInterface<Misbehaviour> {};

TEST_P(MisbehavingInstrumentTest, QueriesComeBackInTimeAndTheWindowStaysUsable) {
    const Misbehaviour& instrument = GetParam();
    SimProcess sim(instrument.simArguments);
    ASSERT_TRUE(sim.isReady()) << sim.errorString().toStdString();
    prepare();
    if (instrument.bus)
        busTo(sim);
    else
        serialTo(sim);
    startUp();
    expectConnected(true);

    QString ps = QString::fromLatin1(instrument.ps);
    if (ps == QLatin1String("<145>"))
        ps = text(145);
    else if (ps == QLatin1String("<143>"))
        ps = QStringLiteral("PS ") + text(143);
    const QString psShown = ask(kPs, instrument.bus);
    EXPECT_NE(psShown, QStringLiteral("-"));
    if (!ps.isEmpty()) {
        EXPECT_EQ(psShown, ps);
    }
    EXPECT_NE(ask(kAri, instrument.bus), QStringLiteral("-"));
    const QString freq = ask(kFreq, instrument.bus);
    if (*instrument.freq) {
        EXPECT_EQ(freq, megahertz(instrument.freq));
    }
    EXPECT_NE(ask(kPegel, instrument.bus), QStringLiteral("-"));

    expectConnected(true);
    EXPECT_TRUE(messages.warnings.isEmpty()) << messages.warnings.join('\n').toStdString();
    EXPECT_EQ(messages.told(QStringLiteral("ask")).size(), instrument.deviceReports);
    EXPECT_TRUE(changePs(QStringLiteral("STILL ON"), sim));
}

// On the serial line the flood's answers travel among the junk; a late
// answer inside the coder's pause is read, one beyond both pauses may reach
// a later button. On the bus a late answer inside the read's time-out is
// read.
INSTANTIATE_TEST_SUITE_P(
    Serial, MisbehavingInstrumentTest,
    ::testing::Values(Misbehaviour{"silent", {"--silent"}, false, "<145>", "0", 0},
                      Misbehaviour{"garbage", {"--garbage"}, false, "<143>", "0", 0},
                      Misbehaviour{"flood", {"--flood"}, false, "", "", 0},
                      Misbehaviour{"late_inside", {"--late", "120"}, false, "ZOR RDS ", "", 0},
                      Misbehaviour{"late_beyond", {"--late", "400"}, false, "<145>", "", 0}),
    [](const auto& info) { return std::string(info.param.name); });

INSTANTIATE_TEST_SUITE_P(
    Bus, MisbehavingInstrumentTest,
    ::testing::Values(Misbehaviour{"silent", {"--silent"}, true, "<143>", "0", 7},
                      Misbehaviour{"flood", {"--flood"}, true, "<143>", "0", 0},
                      Misbehaviour{"late_inside", {"--late", "150"}, true, "ZOR RDS ", "97.5", 0}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace zor
