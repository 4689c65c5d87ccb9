// zor-rds-cli end to end: the real executable, a real data folder and the
// simulated instrument behind a pseudo-terminal or the bus shim.
#include "support/ProgramRun.h"
#include "support/SimProcess.h"
#include "support/TestDataFolder.h"

#include <QDateTime>
#include <QRegularExpression>

namespace zor {
namespace {

class CliTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(sim_.isReady()) << qPrintable(sim_.errorString());
        folder_.write(kGeneralFile, "BUS", "Interface", "COM");
        folder_.write(kGeneralFile, "ADRESSEN", "ZOR1", "28");
        folder_.write(kGeneralFile, "ADRESSEN", "VEX2", "7");
        folder_.write(kDataSetFile, "RDS", "EON_PI", "D3C3");
        folder_.write(kSerialFile, "38xx", "Port1", sim_.ttyPath());
    }

    void useBus()
    {
        folder_.write(kGeneralFile, "BUS", "Interface", "IEC");
        folder_.write(kGeneralFile, "BUS", "GpibLibrary", SimProcess::gpibLibrary());
    }

    ProgramRun cli(const QStringList& arguments)
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("ZOR_SIM_GPIB_SOCKET"), sim_.gpibSocket());
        env.insert(QStringLiteral("ZOR_SIM_GPIB_TIMEOUT_MS"), QStringLiteral("200"));
        return runProgram(SimProcess::binDir() + QStringLiteral("/zor-rds-cli"),
                          QStringList{QStringLiteral("--data-dir"), folder_.path()} + arguments,
                          env);
    }

    // Runs every command, each of which must succeed, and returns what the
    // instrument received once it has at least `bytes` more bytes.
    QByteArray sent(const QList<QStringList>& commands, qsizetype bytes)
    {
        const qsizetype before = sim_.recorded().size();
        for (const QStringList& command : commands) {
            const ProgramRun run = cli(command);
            EXPECT_EQ(run.exitCode, 0) << qPrintable(command.join(u' ')) << ": "
                                       << qPrintable(run.err);
        }
        sim_.waitForRecorded(before + bytes, 2000);
        return sim_.recorded().mid(before);
    }

    SimProcess sim_;
    test::TestDataFolder folder_;
};

// Each run opens the serial port with one carriage return; on the bus END
// closes each message. Without a value the stored setting goes as the window sends it.
TEST_F(CliTest, SendsAndQueriesOverBothInterfaces)
{
    folder_.write(kGeneralFile, "FM", "MPX_DEV", "06800");
    folder_.write(kGeneralFile, "FM", "Stereo_Mode", "2");
    folder_.write(kDataSetFile, "RDS", "PS", "STORED");
    folder_.write(kDataSetFile, "RDS", "AF_LISTE1", "98.5,87.6");
    folder_.write(kDataSetFile, "RDS", "AF_Liste3", "95.0,96.1");
    const QList<QStringList> commands{
        {"send", "MPX_HUB"}, {"send", "STEREO_MODE"},        {"send", "PS"},
        {"send", "AF1"},     {"send", "AF3"},                {"send", "PS", "RADIO 1"},
        {"send", "MPX_HUB", "07500"}, {"send", "EON_TA", "1"}, {"send", "HF-Frequenz", "87.5"}};
    const QByteArray serial = "\r:stereo:deviation 68000HZ\n"
                              "\r:stereo:audio:mode REL\n"
                              "\r:STEREO:DIRECT \"PS=STORED  \"\n"
                              "\r:STEREO:DIRECT \"AF=N,98.5,87.6\"\n"
                              "\r:STEREO:DIRECT \"AF=+,95.0,96.1\"\n"
                              "\r:STEREO:DIRECT \"PS=RADIO 1 \"\n"
                              "\r:stereo:deviation 75000HZ\n"
                              "\r:STEREO:DIRECT \"EON-TA=D3C3,1\"\n"
                              "\rFREQ 87.5MHZ\n";
    for (const bool bus : {false, true}) {
        SCOPED_TRACE(bus ? "bus" : "serial line");
        if (bus)
            useBus();
        const QByteArray expected = bus ? QByteArray(serial).replace('\r', "") : serial;
        EXPECT_EQ(sent(commands, expected.size()), expected);
        ProgramRun run = cli({"query", "coder", "PS"});
        EXPECT_EQ(run.exitCode, 0) << qPrintable(run.err);
        EXPECT_EQ(run.out, "RADIO 1 \n");
        run = cli({"query", "generator", "FREQ"});
        EXPECT_EQ(run.exitCode, 0) << qPrintable(run.err);
        EXPECT_EQ(run.out, "87500000\n");
    }
}

TEST_F(CliTest, TheClockKeyCarriesTheComputersTime)
{
    const QDateTime before = QDateTime::currentDateTime();
    const QByteArray received = sent({{"send", "ZEIT"}}, 33);
    const QDateTime after = QDateTime::currentDateTime();
    const QRegularExpressionMatch match =
        QRegularExpression(R"re(^\r:STEREO:DIRECT "CT=(\d\d:\d\d:\d\d),(\d\d\.\d\d\.\d\d)"\n$)re")
            .match(QString::fromLatin1(received));
    ASSERT_TRUE(match.hasMatch()) << received.toStdString();
    const QDateTime at = QDateTime::fromString(match.captured(2) + match.captured(1),
                                               QStringLiteral("dd.MM.yyhh:mm:ss"))
                             .addYears(100);
    EXPECT_GE(at, before.addMSecs(-before.time().msec()));
    EXPECT_LE(at, after);
}

// Mistakes, a value nothing stores, clashing addresses, a missing device, a
// bus device nobody listens at: a message, a non-zero status, nothing sent.
TEST_F(CliTest, FailuresGiveAMessageAndANonZeroStatus)
{
    // An AF list its page would not send (EON list 1 is empty, so no EON
    // list goes out) counts as nothing stored.
    folder_.write(kDataSetFile, "RDS", "EON_AFB2", "90.1,90.2");
    struct Failure {
        QStringList command;
        const char* told;
    };
    const Failure usage[] = {{{"send", "ps", "x"}, "unknown parameter key 'ps'"},
                             {{"frobnicate"}, "unknown command"},
                             {{"query", "coder"}, "query takes"},
                             {{"send", "TA"}, "no value is stored"},
                             {{"send", "AF2"}, "no value is stored"},
                             {{"send", "EON_AFB2"}, "no value is stored"}};
    for (const Failure& failure : usage) {
        const ProgramRun run = cli(failure.command);
        EXPECT_EQ(run.exitCode, 2) << qPrintable(failure.command.join(u' '));
        EXPECT_TRUE(run.err.contains(QLatin1String(failure.told))) << qPrintable(run.err);
    }
    EXPECT_TRUE(sim_.recorded().isEmpty());

    folder_.write(kGeneralFile, "ADRESSEN", "VEX2", "28");
    ProgramRun run = cli({"send", "PS", "X"});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.err.contains("gleiche Adressen")) << qPrintable(run.err);
    folder_.write(kGeneralFile, "ADRESSEN", "VEX2", "7");

    folder_.write(kSerialFile, "38xx", "Port1", folder_.path("no-such-device"));
    run = cli({"send", "PS", "X"});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.err.contains("no-such-device")) << qPrintable(run.err);

    useBus();
    folder_.write(kGeneralFile, "ADRESSEN", "ZOR1", "5");
    run = cli({"send", "PS", "X"});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.err.contains("ENOL")) << qPrintable(run.err);
    EXPECT_TRUE(sim_.recorded().isEmpty());
}

// Only a real answer counts: silence, or a generator answer that is no
// number, ends with a message and status 1.
TEST_F(CliTest, OnlyARealAnswerIsASuccess)
{
    for (const char* misbehaviour : {"--silent", "--garbage"}) {
        SimProcess sim({QString::fromLatin1(misbehaviour)});
        ASSERT_TRUE(sim.isReady()) << qPrintable(sim.errorString());
        folder_.write(kSerialFile, "38xx", "Port1", sim.ttyPath());
        for (const char* target : {"coder", "generator"}) {
            const ProgramRun run = cli({"query", target, "PI"});
            EXPECT_EQ(run.exitCode, 1) << misbehaviour << ' ' << target;
            EXPECT_TRUE(run.err.contains("no value")) << qPrintable(run.err);
        }
    }
}

} // namespace
} // namespace zor
