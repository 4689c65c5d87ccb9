// The misbehaviour modes of zor-sim, seen from the serial line.

#include "sim/PtyClient.h"
#include "support/SimProcess.h"

#include <gtest/gtest.h>

namespace zor {
namespace {

constexpr int answerMs = 2000;

bool isJunk(const QByteArray& bytes) {
    for (char c : bytes) {
        if (c == '"' || (c >= '0' && c <= '9'))
            return false;
    }
    return !bytes.isEmpty();
}

TEST(SimMisbehaviour, SilentCarriesOutCommandsButNeverAnswers) {
    SimProcess sim({"--silent"});
    ASSERT_TRUE(sim.isReady()) << sim.errorString().toStdString();
    PtyClient client(sim.ttyPath());
    client.write("FREQ 90MHZ\n:STEREO:DIRECT? \"PS\"\r\nFREQ?\r\n");
    EXPECT_TRUE(sim.waitForState("FREQ", "90000000", answerMs));
    EXPECT_EQ(client.readFor(200), "");
}

TEST(SimMisbehaviour, LateAnswersArriveAfterTheirDelay) {
    SimProcess sim({"--late", "400"});
    ASSERT_TRUE(sim.isReady()) << sim.errorString().toStdString();
    PtyClient client(sim.ttyPath());
    client.write("FREQ?\r\n");
    EXPECT_EQ(client.readFor(100), "") << "not within the program's 100 ms pause";
    EXPECT_EQ(client.readLines(1, answerMs), "100000000\n");
}

TEST(SimMisbehaviour, GarbageAnswersHoldNoValue) {
    SimProcess sim({"--garbage"});
    ASSERT_TRUE(sim.isReady()) << sim.errorString().toStdString();
    PtyClient client(sim.ttyPath());
    client.write(":STEREO:DIRECT? \"PS\"\r\n");
    const QByteArray answer = client.readBytes(20, answerMs);
    EXPECT_TRUE(isJunk(answer)) << answer.constData();
    EXPECT_GT(answer.size(), 20) << "longer than the program's generator buffer";
}

TEST(SimMisbehaviour, FloodStartsWithTheFirstCommandAndDoesNotStop) {
    SimProcess sim({"--flood"});
    ASSERT_TRUE(sim.isReady()) << sim.errorString().toStdString();
    PtyClient client(sim.ttyPath());
    client.write("\r");
    EXPECT_EQ(client.readFor(100), "") << "the wake-up CR is no command";
    client.write("AM:STAT OFF\n");
    const QByteArray first = client.readBytes(8192, answerMs);
    EXPECT_GE(first.size(), 8192);
    EXPECT_TRUE(isJunk(first));
    EXPECT_GE(client.readBytes(8192, answerMs).size(), 8192);
}

TEST(SimMisbehaviour, HangupAfterClosesTheLineAndKeepsRunning) {
    SimProcess sim({"--hangup-after", "2"});
    ASSERT_TRUE(sim.isReady()) << sim.errorString().toStdString();
    PtyClient client(sim.ttyPath());
    client.write("\r");
    EXPECT_EQ(client.query("FREQ?"), "100000000\n") << "the wake-up CR does not count";
    client.write("FREQ 91MHZ\n");
    EXPECT_TRUE(client.waitForHangup(answerMs));
    EXPECT_TRUE(sim.isRunning());
    EXPECT_EQ(sim.state().value("FREQ"), "91000000");
    EXPECT_EQ(sim.recorded(), "\rFREQ?\r\nFREQ 91MHZ\n");
}

} // namespace
} // namespace zor
