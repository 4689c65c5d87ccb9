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
#include <QFileInfo>
#include <QGroupBox>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QTabWidget>
#include <QThread>

namespace zor {
namespace {

using test::StartTest;

// How long a query may hold the window: its pause before reading, then the
// serial line's read limit or the simulated bus's time-out (set to 300 ms
// by busTo()), plus a margin for a loaded machine.
constexpr qint64 kCoderSerialMs = 250 + 100;
constexpr qint64 kGeneratorSerialMs = 100 + 100;
constexpr qint64 kBusMs = 50 + 300;
constexpr qint64 kMarginMs = 2000;
constexpr int kWireWaitMs = 3000;
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

qint64 boundMs(const QueryButton& button, bool bus) {
    if (bus)
        return (button.coderQueries + button.generatorQueries) * kBusMs + kMarginMs;
    return button.coderQueries * kCoderSerialMs + button.generatorQueries * kGeneratorSerialMs +
           kMarginMs;
}

class LinkFaultTest : public StartTest {
protected:
    // The bundled settings, initialising at start unless told otherwise.
    void prepare(bool automatic = true) {
        copyBundledData();
        setGeneral("BUS", "IECBUS", automatic ? QStringLiteral("AUTO") : QString());
    }

    // Serial port 1 is the link where the instrument's line is found, also
    // after it was unplugged and came back.
    QString linkPath() const { return path(QStringLiteral("instrument.tty")); }
    void serialAtLink() {
        setGeneral("BUS", "Interface", QStringLiteral("COM"));
        setSerial("ComPort", QStringLiteral("1"));
        setSerial("Port1", linkPath());
    }
    QStringList linkArguments() const { return {QStringLiteral("--link"), linkPath()}; }

    // Clicks a query button and returns what it shows; the time it held the
    // window must stay within the button's bound.
    QString ask(const QueryButton& button, bool bus) {
        window().queryPage()->gelesen()->setText(QStringLiteral("-"));
        QElapsedTimer held;
        held.start();
        window().queryPage()->Command(button.number)->click();
        EXPECT_LE(held.elapsed(), boundMs(button, bus)) << "Command" << button.number;
        return window().queryPage()->gelesen()->text();
    }

    // A change on the RDS page: the programme service name.
    void changePs(const QString& ps) {
        window().rdsPage()->PS_T()->setText(ps);
        window().rdsPage()->PS_Taste()->click();
    }
    static QByteArray psCommand(const QByteArray& ps) {
        return ":STEREO:DIRECT \"PS=" + ps.leftJustified(8, ' ') + "\"\n";
    }

    static bool waitForWire(const SimProcess& sim, const QByteArray& bytes) {
        const QDeadlineTimer deadline(kWireWaitMs);
        while (!sim.recorded().contains(bytes)) {
            if (deadline.hasExpired())
                return false;
            QThread::msleep(5);
        }
        return true;
    }
    // Commands and queries the instrument received: one LF ends each.
    static qsizetype linesReceived(const SimProcess& sim) { return sim.recorded().count('\n'); }

    bool waitForLinkBack() const {
        const QDeadlineTimer deadline(kWireWaitMs);
        while (!QFileInfo::exists(linkPath())) {
            if (deadline.hasExpired())
                return false;
            QThread::msleep(5);
        }
        return true;
    }

    void expectConnected() {
        EXPECT_FALSE(start().instrument().isDemo());
        EXPECT_TRUE(window().SSTab1()->isEnabled());
        EXPECT_TRUE(window().GTL_Taste()->isEnabled());
        EXPECT_FALSE(window().INIT_Taste()->isEnabled());
    }
    void expectReadyForInit() {
        EXPECT_TRUE(start().instrument().isDemo());
        EXPECT_FALSE(window().SSTab1()->isEnabled());
        EXPECT_FALSE(window().GTL_Taste()->isEnabled());
        EXPECT_TRUE(window().Frame8()->isEnabled());
        EXPECT_TRUE(window().INIT_Taste()->isEnabled());
    }

    QString noValue(const QString& key) const { return key + QLatin1Char(' ') + text(143); }
    static QString megahertz(const char* number) {
        return QString::fromLatin1(number).replace(QLatin1Char('.'), QLocale().decimalPoint()) +
               QStringLiteral(" MHz");
    }
    QString warnings() const { return messages.warnings.join(QLatin1Char('\n')); }
};

TEST_F(LinkFaultTest, ALineLostDuringAQueryIsToldOnceAndInitConnectsAgainWhenItIsBack) {
    constexpr int kHangupAfter = 60;
    SimProcess sim(linkArguments() +
                   QStringList{QStringLiteral("--hangup-after"), QString::number(kHangupAfter),
                               QStringLiteral("--replug-after"), QStringLiteral("200")});
    ASSERT_TRUE(sim.isReady()) << sim.errorString().toStdString();
    prepare();
    serialAtLink();
    startUp();
    expectConnected();

    // Page changes up to the last line the instrument takes: the EON
    // button's first question is the one after which the line goes.
    QString ps;
    for (int change = 1; linesReceived(sim) < kHangupAfter - 1; ++change) {
        ps = QStringLiteral("FAULT %1").arg(change);
        changePs(ps);
        ASSERT_TRUE(waitForWire(sim, psCommand(ps.toLatin1())));
        ASSERT_LT(change, kHangupAfter) << "the initialisation alone filled the line";
    }
    ASSERT_EQ(linesReceived(sim), kHangupAfter - 1);

    const QString eon = ask(kEon, false);
    EXPECT_TRUE(eon.startsWith(QStringLiteral("EON-PI:   "))) << eon.toStdString();
    ASSERT_EQ(messages.warnings.size(), 1) << warnings().toStdString();
    EXPECT_TRUE(messages.warnings[0].startsWith(QStringLiteral("Kommunikationsparameter | ")));
    EXPECT_TRUE(messages.warnings[0].contains(linkPath())) << warnings().toStdString();
    expectReadyForInit();

    // Whatever still runs after the loss (a timer's command, a handler
    // entered again) ends at once and tells nothing more.
    window().rdsPage()->PS_Taste_Click();
    window().queryPage()->Command_Click(kPs.number);
    EXPECT_EQ(messages.warnings.size(), 1) << warnings().toStdString();

    ASSERT_TRUE(waitForLinkBack());
    const qsizetype before = sim.recorded().size();
    window().INIT_Taste()->click();
    expectConnected();
    ASSERT_TRUE(waitForWire(sim, psCommand(ps.toLatin1())));
    EXPECT_TRUE(sim.recorded().mid(before).startsWith(kInitialisationStart));
    EXPECT_EQ(ask(kPs, false), ps.leftJustified(8));
    EXPECT_EQ(messages.warnings.size(), 1) << warnings().toStdString();
}

TEST_F(LinkFaultTest, InitWhileTheLineIsStillGoneLeavesTheWindowReadyForTheNextInit) {
    SimProcess first(linkArguments() +
                     QStringList{QStringLiteral("--hangup-after"), QStringLiteral("3")});
    ASSERT_TRUE(first.isReady()) << first.errorString().toStdString();
    prepare(false);
    serialAtLink();
    startUp();

    // The line goes in the middle of the initialisation.
    window().INIT_Taste()->click();
    ASSERT_EQ(messages.warnings.size(), 1) << warnings().toStdString();
    expectReadyForInit();

    window().INIT_Taste()->click();
    ASSERT_EQ(messages.warnings.size(), 2) << warnings().toStdString();
    EXPECT_TRUE(messages.warnings[1].startsWith(QStringLiteral("Kommunikationsparameter | ")));
    EXPECT_TRUE(messages.warnings[1].contains(linkPath())) << warnings().toStdString();
    expectReadyForInit();

    // Another instrument at the same place.
    SimProcess second(linkArguments());
    ASSERT_TRUE(second.isReady()) << second.errorString().toStdString();
    window().INIT_Taste()->click();
    expectConnected();
    EXPECT_EQ(ask(kPs, false), QStringLiteral("ZOR RDS "));
    EXPECT_TRUE(second.recorded().startsWith(kInitialisationStart));
    EXPECT_EQ(messages.warnings.size(), 2) << warnings().toStdString();
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
    sinceAsked.start();
    EXPECT_EQ(ask(kPegel, false), QStringLiteral("0 dBm"));
    // The level arrives now, while nobody asks.
    const auto untilAnswered = [&sinceAsked] {
        QThread::msleep(
            static_cast<unsigned long>(qMax<qint64>(0, kLateMs + 100 - sinceAsked.elapsed())));
    };
    untilAnswered();
    sinceAsked.restart();
    // Not the level, -47 dBm, read as a frequency in Hz.
    EXPECT_EQ(ask(kFreq, false), QStringLiteral("0 MHz"));

    untilAnswered();
    changePs(QStringLiteral("CLEARED"));
    EXPECT_TRUE(waitForWire(sim, psCommand("CLEARED")));
    EXPECT_EQ(ask(kFreq, false), QStringLiteral("0 MHz"));
}

// How the instrument misbehaves, over which interface, what the "PS ?" and
// "Freq ?" buttons must show then (empty: anything), and how many device
// status reports the bus gives for the seven questions asked.
struct Misbehaviour {
    const char* name;
    QStringList simArguments;
    bool bus;
    enum class Ps { NoAnswer, NoValue, Value, Any } ps;
    const char* freq;
    int deviceReports = 0;
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
    expectConnected();

    const QString ps = ask(kPs, instrument.bus);
    switch (instrument.ps) {
    case Misbehaviour::Ps::NoAnswer:
        EXPECT_EQ(ps, text(145));
        break;
    case Misbehaviour::Ps::NoValue:
        EXPECT_EQ(ps, noValue(QStringLiteral("PS")));
        break;
    case Misbehaviour::Ps::Value:
        EXPECT_EQ(ps, QStringLiteral("ZOR RDS "));
        break;
    case Misbehaviour::Ps::Any:
        EXPECT_NE(ps, QStringLiteral("-"));
        break;
    }
    EXPECT_NE(ask(kAri, instrument.bus), QStringLiteral("-"));
    const QString freq = ask(kFreq, instrument.bus);
    if (*instrument.freq) {
        EXPECT_EQ(freq, megahertz(instrument.freq));
    }
    EXPECT_NE(ask(kPegel, instrument.bus), QStringLiteral("-"));

    expectConnected();
    EXPECT_TRUE(messages.warnings.isEmpty()) << warnings().toStdString();
    EXPECT_EQ(messages.criticals.size(), instrument.deviceReports)
        << messages.criticals.join('\n').toStdString();
    changePs(QStringLiteral("STILL ON"));
    EXPECT_TRUE(waitForWire(sim, psCommand("STILL ON")));
}

INSTANTIATE_TEST_SUITE_P(
    Serial, MisbehavingInstrumentTest,
    ::testing::Values(
        Misbehaviour{
            "silent", {QStringLiteral("--silent")}, false, Misbehaviour::Ps::NoAnswer, "0"},
        Misbehaviour{
            "garbage", {QStringLiteral("--garbage")}, false, Misbehaviour::Ps::NoValue, "0"},
        // The answers travel among the junk: whether one can be told from
        // it depends on where it lands.
        Misbehaviour{"flood", {QStringLiteral("--flood")}, false, Misbehaviour::Ps::Any, ""},
        // Inside the coder's pause, beyond the generator's.
        Misbehaviour{"late_inside",
                     {QStringLiteral("--late"), QStringLiteral("120")},
                     false,
                     Misbehaviour::Ps::Value,
                     ""},
        // Beyond both: later buttons may catch an earlier button's answer.
        Misbehaviour{"late_beyond",
                     {QStringLiteral("--late"), QStringLiteral("400")},
                     false,
                     Misbehaviour::Ps::NoAnswer,
                     ""}),
    [](const auto& info) { return std::string(info.param.name); });

INSTANTIATE_TEST_SUITE_P(
    Bus, MisbehavingInstrumentTest,
    ::testing::Values(
        Misbehaviour{
            "silent", {QStringLiteral("--silent")}, true, Misbehaviour::Ps::NoValue, "0", 7},
        Misbehaviour{"flood", {QStringLiteral("--flood")}, true, Misbehaviour::Ps::NoValue, "0"},
        // Inside the read's time-out, beyond its pause.
        Misbehaviour{"late_inside",
                     {QStringLiteral("--late"), QStringLiteral("150")},
                     true,
                     Misbehaviour::Ps::Value,
                     "97.5"}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace zor
