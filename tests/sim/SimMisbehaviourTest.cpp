// The misbehaviour modes of zor-sim, seen from the serial line.

#include "sim/PtyClient.h"
#include "support/SimProcess.h"

#include <QDeadlineTimer>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QThread>
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

TEST(SimMisbehaviour, ReplugOffersAFreshLineAtTheLinkOnceAndKeepsTheState) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString link = folder.filePath("adapter.tty");
    SimProcess sim({"--link", link, "--hangup-after", "1", "--replug-after", "100"});
    ASSERT_TRUE(sim.isReady()) << sim.errorString().toStdString();
    {
        PtyClient client(link);
        client.write("FREQ 91MHZ\n");
        ASSERT_TRUE(client.waitForHangup(answerMs));
    }
    // The link went with the line, before its hang-up could be seen.
    QDeadlineTimer back(answerMs);
    while (!QFileInfo::exists(link)) {
        ASSERT_FALSE(back.hasExpired()) << "the line did not come back at the link";
        QThread::msleep(5);
    }

    PtyClient again(link);
    EXPECT_EQ(again.query("FREQ?"), "91000000\n");
    EXPECT_EQ(again.query("POW?"), "-30\n") << "hung up once only";
    EXPECT_EQ(sim.recorded(), "FREQ 91MHZ\nFREQ?\r\nPOW?\r\n");
    sim.stop();
    EXPECT_FALSE(QFileInfo(link).isSymLink());
}

} // namespace
} // namespace zor
