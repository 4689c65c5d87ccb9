// The simulated instrument through its real serial line: zor-sim runs as its
// own process, the test talks to the pseudo-terminal with plain POSIX calls.

#include "sim/PtyClient.h"
#include "support/SimProcess.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <cstdio>
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <utility>

namespace zor {
namespace {

constexpr int answerMs = 2000;

QByteArray coderQuery(const QByteArray& key) {
    return ":STEREO:DIRECT? \"" + key + '"';
}

QByteArray coderCommand(const QByteArray& text) {
    return ":STEREO:DIRECT \"" + text + '"';
}

class SimWire : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(sim.isReady()) << sim.errorString().toStdString();
        ASSERT_TRUE(client.isOpen());
    }

    // Sends a command line with LF, as the program does, then a query that
    // is answered only after the command was carried out.
    QByteArray send(const QByteArray& line, const QByteArray& query) {
        client.write(line + '\n');
        return client.query(query, answerMs);
    }

    SimProcess sim;
    PtyClient client{sim.ttyPath()};
};

struct GeneratorCase {
    const char* line;
    const char* stateName;
    const char* stateValue;
    const char* coderKey; // read back through the coder, "" for FREQ?/POW?
    const char* answer;
};

TEST_F(SimWire, GeneratorCommandsSetTheStateAndReadBackInDisplayUnits) {
    const GeneratorCase cases[] = {
        {"FREQ 97.5MHZ", "FREQ", "97500000", "", "97500000\n"},
        {":POW 30DBUV", "POW", "-77", "", "-77\n"},
        {":POW 0.5DBUV", "POW", "-106.5", "", "-106.5\n"},
        {":OUTPUT:STAT ON", "OUTPUT", "ON", "", ""},
        {"FM:STAT ON", "FM", "ON", "", ""},
        {"FM:STAT OFF", "FM", "OFF", "", ""},
        {"AM:STAT OFF", "AM", "OFF", "", ""},
        {"STEREO:STAT ON;:stereo:source SPEXT", "SRC", "SPEXT", "SRC", "\"2\"\n"},
        {"STEREO:STAT ON;:stereo:source LFGEN", "STEREO", "ON", "SRC", "\"3\"\n"},
        {"STEREO:STAT OFF", "STEREO", "OFF", "SRC", "\"0\"\n"},
        {":stereo:deviation 75000HZ", "MPX-DEV", "75000", "MPX-DEV", "\"7500\"\n"},
        {":stereo:external:impedanz 100", "IMP", "100", "IMP", "\"2\"\n"},
        {":stereo:external:impedanz 600", "IMP", "600", "IMP", "\"1\"\n"},
        {":stereo:audio:mode REML", "MODE", "REML", "MODE", "\"4\"\n"},
        {":stereo:audio:preemphasis:state ON;:stereo:audio:preemphasis 75us", "PRE-US", "75", "PRE",
         "\"2\"\n"},
        {":stereo:audio:preemphasis:state ON;:stereo:audio:preemphasis 50us", "PRE", "ON", "PRE",
         "\"1\"\n"},
        {":stereo:audio:preemphasis:state OFF", "PRE", "OFF", "PRE", "\"0\"\n"},
        {":stereo:pilot:state ON", "PIL", "ON", "PIL", "\"1\"\n"},
        {":stereo:pilot:deviation 6755HZ", "PIL-DEV", "6755", "PIL-DEV", "\"675.5\"\n"},
        {":stereo:pilot:phase -5DEG", "PIL-PH", "-5", "PIL-PH", "\"-50\"\n"},
        {":stereo:pilot:phase 07DEG", "PIL-PH", "7", "PIL-PH", "\"70\"\n"},
        {":stereo:rds:traffic:program ON", "TP", "ON", "TP", "\"1\"\n"},
        {":stereo:rds:state ON", "RDS", "ON", "RDS", "\"1\"\n"},
        {":stereo:rds:state OFF", "RDS", "OFF", "RDS", "\"0\"\n"},
        {":stereo:rds:deviation 2000HZ", "RDS-DEV", "2000", "RDS-DEV", "\"200\"\n"},
        {":stereo:ari:state ON", "ARI", "ON", "ARI", "\"1\"\n"},
        {":stereo:ari:deviation 3500HZ", "ARI-DEV", "3500", "ARI-DEV", "\"350\"\n"},
        {":stereo:ari:type:state ON;:stereo:ari:type BKDK", "ARI-TYPE", "BKDK", "ARI-ID",
         "\"3\"\n"},
        {":stereo:ari:type:state ON;:stereo:ari:type BK", "ARI-ID", "ON", "ARI-ID", "\"2\"\n"},
        {":stereo:ari:type:state OFF", "ARI-ID", "OFF", "ARI-ID", "\"0\"\n"},
        {":stereo:ari:bk F", "BK", "F", "BK", "\"F\"\n"},
        {":STEREO:AUDIO:FREQUENCY 1.5KHZ", "AFREQ", "1500", "", ""},
    };
    for (const GeneratorCase& c : cases) {
        SCOPED_TRACE(c.line);
        QByteArray query = QByteArray(c.coderKey).isEmpty() ? QByteArray(c.stateName) + '?'
                                                            : coderQuery(c.coderKey);
        if (QByteArray(c.answer).isEmpty())
            query = "FREQ?"; // only as a marker that the command was carried out
        const QByteArray answer = send(c.line, query);
        if (!QByteArray(c.answer).isEmpty()) {
            EXPECT_EQ(answer, c.answer);
        }
        EXPECT_EQ(sim.state().value(c.stateName), QString::fromLatin1(c.stateValue));
    }
    EXPECT_EQ(sim.state().value("UNKNOWN"), "0");
}

TEST_F(SimWire, CoderTextsAreKeptAsTheyArrived) {
    const QList<QPair<QByteArray, QByteArray>> texts = {
        {"PS", "RADIO 1 "},
        {"PI", "D3C "},
        {"PTY", "07"},
        {"TA", "1"},
        {"MS", "S"},
        {"DI", "3"},
        {"GS", "00A,02A,15A"},
        {"BIN", "0"},
        {"RDS-PH", "005"},
        {"CT", "12:34:56,06.12.24"},
        {"3A", "03,100066CD46"},
        {"8A", "08,0810013039"},
    };
    for (const auto& [key, value] : texts) {
        SCOPED_TRACE(key.constData());
        EXPECT_EQ(send(coderCommand(key + '=' + value), coderQuery(key)), '"' + value + "\"\n");
        EXPECT_EQ(sim.state().value(QString::fromLatin1(key)), QString::fromLatin1(value));
    }

    EXPECT_EQ(send(coderCommand("RT=12,0,News; weather & \xe4rger"), coderQuery("RT")),
              "\"News; weather & \xe4rger\"\n");
    EXPECT_EQ(sim.state().value("RT-CTL"), "12,0");
    EXPECT_EQ(send(coderCommand("RT=0,0,"), coderQuery("RT")), "\"\"\n");
    EXPECT_EQ(send(coderCommand("CT=off"), coderQuery("CT")), "\"off\"\n");
    EXPECT_EQ(sim.state().value("UNKNOWN"), "0");
}

TEST_F(SimWire, AfAndEonListsFillInTheOrderTheyAreSent) {
    send(coderCommand("AF=N,98.5,87.6,101.3"), "FREQ?");
    send(coderCommand("AF=+,95.0,96.1"), "FREQ?");
    EXPECT_EQ(client.query(coderQuery("AF1")), "\"98.5,87.6,101.3\"\n");
    EXPECT_EQ(client.query(coderQuery("AF2")), "\"95.0,96.1\"\n");
    EXPECT_EQ(client.query(coderQuery("AF3")), "\"\"\n");
    send(coderCommand("AF=N,90.0,91.0"), "FREQ?");
    EXPECT_EQ(sim.state().value("AF1"), "90.0,91.0");
    EXPECT_EQ(sim.state().value("AF2"), "") << "a new first list empties the others";

    // The read-back page asks with the EON PI exactly as the coder gave it.
    const QByteArray eonPi = "D3C ";
    send(coderCommand("EON-PI=" + eonPi), "FREQ?");
    send(coderCommand("EON-PS=D3C,OTHER   "), "FREQ?");
    send(coderCommand("EON-TP=D3C,1"), "FREQ?");
    send(coderCommand("EON-TA=D3C,0"), "FREQ?");
    send(coderCommand("EON-AFB=D3C,N,94.0,94.5"), "FREQ?");
    send(coderCommand("EON-AFB=D3C,+,99.9,100.5"), "FREQ?");
    EXPECT_EQ(client.query(coderQuery("EON-PI")), '"' + eonPi + "\"\n");
    EXPECT_EQ(client.query(coderQuery("EON-PS," + eonPi)), "\"OTHER   \"\n");
    EXPECT_EQ(client.query(coderQuery("EON-TP," + eonPi)), "\"1\"\n");
    EXPECT_EQ(client.query(coderQuery("EON-TA," + eonPi)), "\"0\"\n");
    EXPECT_EQ(client.query(coderQuery("EON-AFB," + eonPi + ",1")), "\"94.0,94.5\"\n");
    EXPECT_EQ(client.query(coderQuery("EON-AFB," + eonPi + ",2")), "\"99.9,100.5\"\n");
    EXPECT_EQ(client.query(coderQuery("EON-AFB," + eonPi + ",3")), "\"\"\n");
    EXPECT_EQ(sim.state().value("EON-PS,D3C"), "OTHER   ");
    EXPECT_EQ(sim.state().value("EON-AFB,D3C,2"), "99.9,100.5");
}

TEST_F(SimWire, StoreTakesASnapshotIntoItsDataSet) {
    send(coderCommand("PS=FIRST   "), "FREQ?");
    send(coderCommand("STORE=2"), "FREQ?");
    send(coderCommand("PS=SECOND  "), "FREQ?");
    QMap<QString, QString> state = sim.state();
    EXPECT_EQ(state.value("STORE2"), "1");
    EXPECT_EQ(state.value("STORE2.PS"), "FIRST   ");
    EXPECT_EQ(state.value("STORE1"), "0");
    EXPECT_FALSE(state.contains("STORE1.PS"));

    send(coderCommand("STORE=2"), "FREQ?");
    state = sim.state();
    EXPECT_EQ(state.value("STORE2"), "2") << "storing twice is two stores";
    EXPECT_EQ(state.value("STORE2.PS"), "SECOND  ");
    EXPECT_EQ(state.value("PS"), "SECOND  ");
}

TEST_F(SimWire, LinesEndWithLfOrCrLfAndHoldSeveralCommandsInAnyCase) {
    client.write("\r"); // the program's wake-up carriage return
    client.write("freq 88mhz;:Stereo:Deviation 67500hz;:STER:PIL:STAT on\n");
    EXPECT_EQ(client.query("FREQ?"), "88000000\n");
    EXPECT_EQ(client.query(":sour:freq:cw?"), "88000000\n");
    EXPECT_EQ(client.query(coderQuery("mpx-dev")), "\"6750\"\n");
    EXPECT_EQ(client.query(coderQuery("PIL")), "\"1\"\n");

    client.write("FREQ 89MHZ\r\nFREQ?\nPOW?\r\n");
    EXPECT_EQ(client.readLines(2, answerMs), "89000000\n-30\n");
    client.write("FREQ?;POW?\n");
    EXPECT_EQ(client.readLines(1, answerMs), "89000000;-30\n");

    // A lone CR ends a line too, so a CR-terminated query is answered.
    client.write("FREQ?\r");
    EXPECT_EQ(client.readLines(1, answerMs), "89000000\n");
    EXPECT_EQ(sim.state().value("UNKNOWN"), "0");
}

TEST_F(SimWire, UnknownCommandsAreRecordedAndOtherwiseIgnored) {
    EXPECT_EQ(send("FROB 12;:STEREO:WOBBLE ON", "FREQ?"), "100000000\n");
    EXPECT_EQ(sim.state().value("UNKNOWN"), "2");
    EXPECT_EQ(sim.state().value("UNKNOWN-LAST"), ":STEREO:WOBBLE ON");
    EXPECT_EQ(client.query("SYST:ERR?"), "-113,\"Undefined header\"\n");
    EXPECT_EQ(client.query("SYST:ERR?"), "-113,\"Undefined header\"\n");
    EXPECT_EQ(client.query("SYST:ERR?"), "0,\"No error\"\n");
}

TEST_F(SimWire, TheRecordHoldsEveryReceivedByteUnchanged) {
    const QByteArray wire = QByteArray("\r:STEREO:DIRECT \"PS=\xc4\xd6\xdc 1   \"\n") +
                            "FREQ 97.5MHZ\r\n" + QByteArray("\x00\x01junk\n", 7) +
                            ":STEREO:DIRECT? \"PS\"\r\n";
    client.write(wire);
    EXPECT_EQ(client.readLines(1, answerMs), "\"\xc4\xd6\xdc 1   \"\n");
    ASSERT_TRUE(sim.waitForRecorded(wire.size(), answerMs));
    EXPECT_EQ(sim.recorded(), wire);
    EXPECT_EQ(sim.state().value("PS"), QString::fromLatin1("\xc4\xd6\xdc 1   "));
}

TEST_F(SimWire, AClientClosingThePortDoesNotHangUpTheLine) {
    client.close();
    PtyClient again(sim.ttyPath());
    ASSERT_TRUE(again.isOpen());
    EXPECT_EQ(again.query("FREQ?"), "100000000\n");
}

TEST(SimLink, TheLinkPointsToTheLineAndGoesAtExit) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString link = folder.filePath("instrument.tty");
    ASSERT_TRUE(QFile::link("/dev/null", link)) << "a stale link is replaced";

    SimProcess sim({"--link", link});
    ASSERT_TRUE(sim.isReady()) << sim.errorString().toStdString();
    EXPECT_EQ(QFileInfo(link).symLinkTarget(), sim.ttyPath());
    PtyClient client(link);
    EXPECT_EQ(client.query("POW?"), "-30\n");
    sim.stop();
    EXPECT_FALSE(QFileInfo(link).isSymLink());
}

// Runs zor-sim with `arguments` to its end; its exit code and standard output.
std::pair<int, QByteArray> runToEnd(const QString& arguments) {
    const QString command = SimProcess::binDir() + "/zor-sim " + arguments + " 2>/dev/null";
    FILE* pipe = ::popen(command.toLocal8Bit().constData(), "r");
    if (!pipe)
        return {-1, {}};
    QByteArray output;
    char buffer[1024];
    while (size_t n = std::fread(buffer, 1, sizeof buffer, pipe))
        output.append(buffer, static_cast<qsizetype>(n));
    const int status = ::pclose(pipe);
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, output};
}

TEST(SimOptions, HelpNamesEveryOptionAndWrongUseIsRefused) {
    const auto [helpCode, help] = runToEnd("--help");
    EXPECT_EQ(helpCode, 0);
    for (const char* option :
         {"--link", "--device", "--record", "--state", "--gpib-socket", "--gpib-address",
          "--silent", "--late", "--garbage", "--flood", "--hangup-after", "--replug-after",
          "--rds-hex", "--rds-hex-groups", "--mpx", "--mpx-seconds"})
        EXPECT_TRUE(help.contains(option)) << option;

    for (const char* wrong : {"--silent --garbage", "--late soon", "--gpib-address 31",
                              "--hangup-after 0", "--bogus", "stray",
                              // A line can come back only where the program looks for it.
                              "--replug-after 10", "--hangup-after 1 --replug-after 10",
                              "--hangup-after 1 --link /tmp/x --device /dev/null --replug-after 1",
                              "--hangup-after 1 --link /tmp/x --replug-after -1",
                              // Written at once, every on-air file needs its count.
                              "--rds-hex-groups 5", "--mpx /tmp/x.wav --mpx-seconds 0",
                              "--rds-hex /tmp/x.hex --mpx /tmp/x.wav --mpx-seconds 1"}) {
        const auto [code, output] = runToEnd(wrong);
        EXPECT_EQ(code, 2) << wrong;
        EXPECT_TRUE(output.isEmpty()) << "no serial line is announced";
    }
}

} // namespace
} // namespace zor
