// zor-rds-cli end to end: the real executable, a real data folder in a
// temporary directory, and the simulated instrument behind a pseudo-terminal
// or the bus shim. Every command line of the translator is checked byte for
// byte by the translator's own tests; here the tool must reach it.
#include "settings/IniFile.h"
#include "support/ProgramRun.h"
#include "support/SimProcess.h"

#include <QDateTime>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace zor {
namespace {

class CliTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(sim_.isReady()) << qPrintable(sim_.errorString());
        writeGeneral("BUS", "Interface", "COM");
        writeGeneral("ADRESSEN", "ZOR1", "28");
        writeGeneral("ADRESSEN", "VEX2", "7");
        write("Datenset1.INI", "RDS", "EON_PI", "D3C3");
        write("Rs232.ini", "38xx", "Port1", sim_.ttyPath());
    }

    void write(const char* file, const char* section, const char* key, const QString& value)
    {
        ASSERT_TRUE(Ini_Schreiben(QString::fromLatin1(section), QString::fromLatin1(key), value,
                                  folder_.filePath(QString::fromLatin1(file))));
    }
    void writeGeneral(const char* section, const char* key, const QString& value)
    {
        write("RDS_Allg.INI", section, key, value);
    }

    void useBus()
    {
        writeGeneral("BUS", "Interface", "IEC");
        writeGeneral("BUS", "GpibLibrary", SimProcess::gpibLibrary());
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
    QTemporaryDir folder_;
};

TEST_F(CliTest, SendsThroughTheTranslatorOverBothInterfaces)
{
    const QList<QStringList> commands{{"send", "PS", "RADIO 1"},
                                      {"send", "MPX_HUB", "07500"},
                                      {"send", "EON_TA", "1"}};
    // Over the serial line each run opens the port with one carriage return;
    // on the bus END closes each message (a line feed in the record).
    const QByteArray serial = "\r:STEREO:DIRECT \"PS=RADIO 1 \"\n"
                              "\r:stereo:deviation 75000HZ\n"
                              "\r:STEREO:DIRECT \"EON-TA=D3C3,1\"\n";
    EXPECT_EQ(sent(commands, serial.size()), serial);
    useBus();
    const QByteArray bus = QByteArray(serial).replace('\r', "");
    EXPECT_EQ(sent(commands, bus.size()), bus);
}

TEST_F(CliTest, ClockKeysCarryTheComputersTime)
{
    const QDateTime before = QDateTime::currentDateTime();
    const QByteArray received = sent({{"send", "ZEIT"}, {"send", "UHR", "on"}}, 2 * 33);
    const QDateTime after = QDateTime::currentDateTime();

    const QRegularExpression clock(
        QStringLiteral("^\r:STEREO:DIRECT \"CT=(\\d\\d:\\d\\d:\\d\\d),(\\d\\d\\.\\d\\d\\.\\d\\d)\"$"));
    const QList<QByteArray> lines = received.split('\n');
    ASSERT_GE(lines.size(), 2);
    for (int i = 0; i < 2; ++i) {
        const QRegularExpressionMatch match = clock.match(QString::fromLatin1(lines[i]));
        ASSERT_TRUE(match.hasMatch()) << lines[i].toStdString();
        const QDateTime at = QDateTime::fromString(match.captured(2) + match.captured(1),
                                                   QStringLiteral("dd.MM.yyhh:mm:ss"))
                                 .addYears(100);
        EXPECT_GE(at, before.addMSecs(-before.time().msec()));
        EXPECT_LE(at, after);
    }
}

// Without a value the tool sends what the window would send for the stored
// setting; AF lists carry the marker their page's send button gives them.
TEST_F(CliTest, SendWithoutValueTakesTheStoredOne)
{
    writeGeneral("FM", "MPX_DEV", "06800");
    writeGeneral("FM", "Stereo_Mode", "2");
    write("Datenset1.INI", "RDS", "PS", "STORED");
    write("Datenset1.INI", "RDS", "AF_LISTE1", "98.5,87.6");
    write("Datenset1.INI", "RDS", "AF_Liste3", "95.0,96.1");
    write("Datenset1.INI", "RDS", "EON_AFB2", "90.1,90.2");
    const QByteArray expected = "\r:stereo:deviation 68000HZ\n"
                                "\r:stereo:audio:mode REL\n"
                                "\r:STEREO:DIRECT \"PS=STORED  \"\n"
                                "\r:STEREO:DIRECT \"AF=N,98.5,87.6\"\n"
                                "\r:STEREO:DIRECT \"AF=+,95.0,96.1\"\n";
    EXPECT_EQ(sent({{"send", "MPX_HUB"},
                    {"send", "STEREO_MODE"},
                    {"send", "PS"},
                    {"send", "AF1"},
                    {"send", "AF3"}},
                   expected.size()),
              expected);

    // Nothing stored, or an AF list its page would not send (EON list 1 is
    // empty, so no EON list goes out): the tool asks for a value.
    for (const char* key : {"TA", "AF2", "EON_AFB2"}) {
        const ProgramRun run = cli({"send", key});
        EXPECT_EQ(run.exitCode, 2) << key;
        EXPECT_TRUE(run.err.contains("no value is stored")) << qPrintable(run.err);
    }
}

TEST_F(CliTest, QueriesAnswerOverBothInterfaces)
{
    sent({{"send", "PS", "RADIO 1"}, {"send", "HF-Frequenz", "87.5"}}, 44);
    for (bool bus : {false, true}) {
        if (bus)
            useBus();
        ProgramRun run = cli({"query", "coder", "PS"});
        EXPECT_EQ(run.exitCode, 0) << qPrintable(run.err);
        EXPECT_EQ(run.out, "RADIO 1 \n");
        run = cli({"query", "generator", "FREQ"});
        EXPECT_EQ(run.exitCode, 0) << qPrintable(run.err);
        EXPECT_EQ(run.out, "87500000\n");
    }
}

TEST_F(CliTest, FailuresGiveAMessageAndANonZeroStatus)
{
    struct Failure {
        QStringList command;
        int status;
        const char* told;
    };
    const Failure usage[] = {{{"send", "ps", "x"}, 2, "unknown parameter key 'ps'"},
                             {{"frobnicate"}, 2, "unknown command"},
                             {{"query", "coder"}, 2, "query takes"}};
    for (const Failure& failure : usage) {
        const ProgramRun run = cli(failure.command);
        EXPECT_EQ(run.exitCode, failure.status) << qPrintable(failure.command.join(u' '));
        EXPECT_TRUE(run.err.contains(QLatin1String(failure.told))) << qPrintable(run.err);
    }
    EXPECT_TRUE(sim_.recorded().isEmpty());

    writeGeneral("ADRESSEN", "VEX2", "28");
    ProgramRun run = cli({"send", "PS", "X"});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.err.contains("gleiche Adressen")) << qPrintable(run.err);
    writeGeneral("ADRESSEN", "VEX2", "7");

    write("Rs232.ini", "38xx", "Port1", folder_.filePath("no-such-device"));
    run = cli({"send", "PS", "X"});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.err.contains("no-such-device")) << qPrintable(run.err);

    useBus();
    writeGeneral("ADRESSEN", "ZOR1", "5");
    run = cli({"send", "PS", "X"});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.err.contains("ENOL")) << qPrintable(run.err);
    EXPECT_TRUE(sim_.recorded().isEmpty());
}

// Only a real answer counts: silence, or a generator answer that is no
// number, ends with a message and status 1.
TEST(CliQueries, OnlyARealAnswerIsASuccess)
{
    for (const char* misbehaviour : {"--silent", "--garbage"}) {
        SimProcess sim({QString::fromLatin1(misbehaviour)});
        ASSERT_TRUE(sim.isReady()) << qPrintable(sim.errorString());
        QTemporaryDir folder;
        Ini_Schreiben("BUS", "Interface", "COM", folder.filePath("RDS_Allg.INI"));
        Ini_Schreiben("38xx", "Port1", sim.ttyPath(), folder.filePath("Rs232.ini"));
        for (const char* target : {"coder", "generator"}) {
            const ProgramRun run =
                runProgram(SimProcess::binDir() + QStringLiteral("/zor-rds-cli"),
                           {"--data-dir", folder.path(), "query", target, "PI"},
                           QProcessEnvironment::systemEnvironment());
            EXPECT_EQ(run.exitCode, 1) << misbehaviour << ' ' << target;
            EXPECT_TRUE(run.err.contains("no value")) << qPrintable(run.err);
        }
    }
}

TEST_F(CliTest, IniCommandsReadAndWriteTheDataFolder)
{
    ASSERT_EQ(cli({"ini", "set", "Rs232.ini", "38xx", "Port2", "/dev/ttyUSB0"}).exitCode, 0);
    EXPECT_EQ(Ini_Lesen("38xx", "port2", folder_.filePath("RS232.INI")), "/dev/ttyUSB0");
    const ProgramRun run = cli({"ini", "get", "rds_allg.ini", "adressen", "zor1"});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.out, "28\n");
}

} // namespace
} // namespace zor
