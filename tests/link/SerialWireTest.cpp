#include "WireFixture.h"

#include <QDeadlineTimer>
#include <QElapsedTimer>
#include <QThread>
#include <vector>

namespace zor::test {
namespace {

const QString kPsCommand = QStringLiteral(":STEREO:DIRECT \"PS=RADIO 1 \"");
const QString kFreqCommand = QStringLiteral("FREQ 98.5MHZ");

class SerialWire : public WireFixture {
protected:
    void connect(const QStringList& simArguments = {}) {
        startLink(QStringLiteral("COM"), simArguments);
        ASSERT_TRUE(channel->openInterface());
        state.demo = false;
    }
    QString noValue(const char* key) const { return QString(key) + " Text 143"; }
};

// Commands end with a line feed, queries with CR LF; each query and answer
// is logged, and nothing lets the window's events run.
TEST_F(SerialWire, CommandsEndWithLineFeedAndQueriesWithCarriageReturnLineFeed) {
    connect();
    channel->Befehl_Senden(kPsCommand);
    channel->Befehl_Senden(kFreqCommand);
    EXPECT_EQ(channel->Q7_Abfrage("PS?", "PS").text, "RADIO 1 ");
    EXPECT_EQ(channel->ZOR_Abfrage("Freq?", "FREQ").text, "98500000\n");

    EXPECT_EQ(sim->recorded(), "\r:STEREO:DIRECT \"PS=RADIO 1 \"\nFREQ 98.5MHZ\n"
                               ":STEREO:DIRECT? \"PS\"\r\nFREQ?\r\n");
    EXPECT_EQ(logged(), "            PS?= :STEREO:DIRECT? \"PS\"\r\n"
                        "       Text 142= RADIO 1 \r\n"
                        "          Freq?=  \"FREQ?\"\r\n"
                        "       Text 142= 98500000\n\r\n");
    EXPECT_EQ(messages.eventRuns, 0);
    EXPECT_TRUE(messages.messages.empty());
}

// One question of a row, what it must bring back, and how long the test
// then lets the line alone.
struct Asked {
    bool coder;
    const char* key;
    const char* text; // a key's no-value word is "Text 143"
    int idleMs = 0;
};

// How late the instrument answers (0: at once) and what is asked then.
struct Lateness {
    const char* name;
    int lateMs;
    std::vector<Asked> asked;
};

class SerialAnswerTime : public SerialWire, public ::testing::WithParamInterface<Lateness> {};

// A query ends with the end of its answer's line, or gives up when its pause
// (coder 250 ms, generator 100 ms) has passed; an answer that comes after
// that, before or during a later query, is never taken for a later one.
TEST_P(SerialAnswerTime, AQueryEndsWithItsAnswerAndNeverTakesALateOne) {
    const int lateMs = GetParam().lateMs;
    connect(lateMs > 0 ? QStringList{"--late", QString::number(lateMs)} : QStringList{});
    channel->Befehl_Senden(kPsCommand);
    channel->Befehl_Senden(kFreqCommand);
    for (const Asked& asked : GetParam().asked) {
        QElapsedTimer took;
        took.start();
        const QueryResult result = asked.coder ? channel->Q7_Abfrage("Q?", asked.key)
                                               : channel->ZOR_Abfrage("Q?", asked.key);
        const qint64 ms = took.elapsed();
        EXPECT_EQ(result.text, asked.text) << asked.key;
        const qint64 pauseMs = asked.coder ? 250 : 100;
        if (result.kind == QueryResult::Kind::Value && lateMs == 0) {
            EXPECT_LT(ms, pauseMs) << asked.key << ": ends on its answer";
        } else if (result.kind != QueryResult::Kind::Value) {
            EXPECT_GE(ms, pauseMs) << asked.key << ": waits out its pause";
        }
        QThread::msleep(static_cast<unsigned long>(asked.idleMs));
    }
    EXPECT_TRUE(messages.messages.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Late, SerialAnswerTime,
    ::testing::Values(
        Lateness{"prompt", 0, {{true, "PS", "RADIO 1 "}, {false, "FREQ", "98500000\n"}}},
        // The generator's answer comes while the coder query after it waits.
        Lateness{"inside_the_coder_pause",
                 150,
                 {{true, "PS", "RADIO 1 "},
                  {false, "FREQ", "FREQ Text 143"},
                  {true, "PS", "RADIO 1 "}}},
        // The generator's answer waits in the line when the next query goes out.
        Lateness{"waiting_in_the_line",
                 150,
                 {{false, "FREQ", "FREQ Text 143", 100}, {true, "PS", "RADIO 1 "}}},
        Lateness{"beyond_every_pause",
                 400,
                 {{true, "PS", "Text 145"},
                  {true, "PI", "Text 145"},
                  {false, "POW", "POW Text 143", 400},
                  {true, "PS", "Text 145"}}}),
    [](const auto& info) { return std::string(info.param.name); });

// A silent instrument gives each query its no-answer text, without a message.
TEST_F(SerialWire, SilentInstrumentGivesTheNoAnswerTexts) {
    connect({QStringLiteral("--silent")});
    EXPECT_EQ(channel->Q7_Abfrage("PS?", "PS").text, "Text 145");
    EXPECT_EQ(channel->ZOR_Abfrage("Pegel?", "POW").text, noValue("POW"));
    // The coder query that heard nothing leaves no answer record.
    EXPECT_EQ(logged(), logLine("PS?", ":STEREO:DIRECT? ", "PS") + logLine("Pegel?", " ", "POW?") +
                            logLine("Text 142", noValue("POW"), ""));
}

// Junk without quotes holds no coder value; the generator takes what came.
TEST_F(SerialWire, GarbageWithoutQuotesHoldsNoCoderValue) {
    connect({QStringLiteral("--garbage")});
    EXPECT_EQ(channel->Q7_Abfrage("PS?", "PS").text, noValue("PS"));
    const QString generator = channel->ZOR_Abfrage("Freq?", "FREQ").text;
    EXPECT_FALSE(generator.isEmpty());
    EXPECT_NE(generator, noValue("FREQ"));
    EXPECT_TRUE(messages.messages.empty());
}

// A line that never stops sending holds neither a query nor the window.
TEST_F(SerialWire, FloodingLineDoesNotHoldTheWindow) {
    connect({QStringLiteral("--flood")});
    channel->Befehl_Senden(kFreqCommand);
    EXPECT_FALSE(channel->Q7_Abfrage("PS?", "PS").text.isEmpty());
    EXPECT_FALSE(channel->ZOR_Abfrage("Freq?", "FREQ").text.isEmpty());
    EXPECT_TRUE(port.isOpen());
    EXPECT_TRUE(messages.messages.empty());

    // While the window waits for the operator its event loop runs; the
    // junk must not pile up in the program meanwhile.
    QDeadlineTimer idle(300);
    while (!idle.hasExpired())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    EXPECT_LE(port.takeArrived().size(), 65536);
    EXPECT_EQ(channel->Q7_Abfrage("PS?", "PS").text, noValue("PS"));
    EXPECT_TRUE(port.isOpen());
}

// A line that hangs up is told once, after the link let go of the port;
// later commands and queries are dropped without a word.
TEST_F(SerialWire, HangUpIsReportedOnceAndLaterCommandsAreDropped) {
    connect({QStringLiteral("--hangup-after"), QStringLiteral("1")});
    int losses = 0;
    bool closedWhenLost = false;
    channel->setLineLostHandler([&] {
        ++losses;
        closedWhenLost = !port.isOpen() && messages.messages.empty();
    });
    for (int attempt = 0; attempt < 100 && messages.messages.empty(); ++attempt) {
        channel->Befehl_Senden(kFreqCommand);
        QThread::msleep(10);
    }
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(messages.messages[0].kind, "warn");
    EXPECT_EQ(messages.messages[0].title, "Kommunikationsparameter");
    EXPECT_TRUE(messages.messages[0].text.contains(sim->ttyPath()));
    EXPECT_FALSE(port.isOpen());

    channel->Befehl_Senden(kFreqCommand);
    EXPECT_EQ(channel->Q7_Abfrage("PS?", "PS").text, "Text 145");
    channel->goToLocal();
    EXPECT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(losses, 1);
    EXPECT_TRUE(closedWhenLost) << "the handler runs on a closed port, before the message";
    EXPECT_TRUE(state.demo);
}

// Nothing leaves in demo mode; going to local sends a carriage return and
// closes the port only when it is open, and opening sends one.
TEST_F(SerialWire, NothingLeavesInDemoModeAndGoToLocalClosesOnlyAnOpenPort) {
    startLink(QStringLiteral("COM"), {});
    ASSERT_TRUE(channel->openInterface());
    channel->Befehl_Senden(kFreqCommand);
    state.demo = false;
    channel->goToLocal();
    EXPECT_FALSE(port.isOpen());
    EXPECT_TRUE(state.demo);
    channel->goToLocal();
    ASSERT_TRUE(channel->openInterface());
    channel->Befehl_Senden(kFreqCommand);
    // Whatever was held back would have reached the line before this one.
    state.demo = false;
    channel->Befehl_Senden(kPsCommand);
    ASSERT_TRUE(sim->waitForRecorded(4 + kPsCommand.size(), 2000));
    EXPECT_EQ(sim->recorded(), "\r\r\r" + kPsCommand.toLatin1() + "\n");
    EXPECT_TRUE(messages.messages.empty());
}

} // namespace
} // namespace zor::test
