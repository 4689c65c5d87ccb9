// zor-rds-cli end to end: the real executable, a real data folder in a
// temporary directory, and the simulated instrument behind a pseudo-terminal
// or the bus shim. Expected lines are written out here by hand, as the
// instrument's manual would list them, not taken from the translator.
#include "settings/IniFile.h"
#include "support/ProgramRun.h"
#include "support/SimProcess.h"

#include <QDateTime>
#include <QRegularExpression>
#include <QDir>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace zor {
namespace {

struct KeyCase {
    const char* key;
    const char* value;
    QString line;
};

QString coder(const QString& text) { return QStringLiteral(":STEREO:DIRECT \"%1\"").arg(text); }

QList<KeyCase> everyKey()
{
    return {
        {"AM_AUS", "", "AM:STAT OFF"},
        {"FM_AUS", "", "FM:STAT OFF"},
        {"FM_EIN", "", "FM:STAT ON"},
        {"STEREO_AUS", "", "STEREO:STAT OFF"},
        {"STEREO_EIN", "", "STEREO:STAT ON"},
        {"MPX_HUB", "07500", ":stereo:deviation 75000HZ"},
        {"MPX_SOURCE", "0", "STEREO:STAT OFF"},
        {"MPX_SOURCE", "1", "STEREO:STAT ON;:stereo:source LREXT"},
        {"MPX_SOURCE", "2", "STEREO:STAT ON;:stereo:source SPEXT"},
        {"MPX_SOURCE", "3", "STEREO:STAT ON;:stereo:source LFGEN"},
        {"MPX_IMPEDANZ", "1", ":stereo:external:impedanz 600"},
        {"MPX_IMPEDANZ", "2", ":stereo:external:impedanz 100"},
        {"STEREO_MODE", "1", ":stereo:audio:mode LEFT"},
        {"STEREO_MODE", "2", ":stereo:audio:mode RIGHT"},
        {"STEREO_MODE", "3", ":stereo:audio:mode REL"},
        {"STEREO_MODE", "4", ":stereo:audio:mode REML"},
        {"STEREO_MODE", "5", ":stereo:audio:mode RNEL"},
        {"PREEMPHASIS", "0", ":stereo:audio:preemphasis:state OFF"},
        {"PREEMPHASIS", "1", ":stereo:audio:preemphasis:state ON;:stereo:audio:preemphasis 50us"},
        {"PREEMPHASIS", "2", ":stereo:audio:preemphasis:state ON;:stereo:audio:preemphasis 75us"},
        {"PILOT", "0", ":stereo:pilot:state OFF"},
        {"PILOT", "1", ":stereo:pilot:state ON"},
        {"PILOT_HUB", "0675", ":stereo:pilot:deviation 6750HZ"},
        {"PILOT_PHASE", "-12", ":stereo:pilot:phase -12DEG"},
        {"TP", "1", ":stereo:rds:traffic:program ON"},
        {"TP", "0", ":stereo:rds:traffic:program OFF"},
        {"RDS", "1", ":stereo:rds:state ON"},
        {"RDS", "0", ":stereo:rds:state OFF"},
        {"RDS_HUB", "0200", ":stereo:rds:deviation 2000HZ"},
        {"ARI", "1", ":stereo:ari:state ON"},
        {"ARI", "0", ":stereo:ari:state OFF"},
        {"ARI-HUB", "0350", ":stereo:ari:deviation 3500HZ"},
        {"ARI-ID", "0", ":stereo:ari:type:state OFF"},
        {"ARI-ID", "1", ":stereo:ari:type:state ON;:stereo:ari:type DK"},
        {"ARI-ID", "2", ":stereo:ari:type:state ON;:stereo:ari:type BK"},
        {"ARI-ID", "3", ":stereo:ari:type:state ON;:stereo:ari:type BKDK"},
        {"ARI-BK", "C", ":stereo:ari:bk C"},
        {"HF:PEGEL:STATE", "ON", ":OUTPUT:STAT ON"},
        {"HF:PEGEL:STATE", "OFF", ":OUTPUT:STAT OFF"},
        {"HF-Frequenz", "97.5", "FREQ 97.5MHZ"},
        {"HF-Pegel", "60", ":POW 60DBUV"},
        {"NF-Frequenz", "1", ":STEREO:AUDIO:FREQUENCY 1KHZ"},
        {"PS", "RADIO 1", coder("PS=RADIO 1 ")},
        {"TEST_M", "0", coder("BIN=0")},
        {"TEST_D", "3", coder("BIN=3")},
        {"PI", "D3C", coder("PI=D3C ")},
        {"TA", "1", coder("TA=1")},
        {"RDS_PHASE", "090", coder("RDS-PH=090")},
        {"PTY", "7", coder("PTY=07")},
        {"AF1", "97.5,98.1", coder("AF=97.5,98.1")},
        {"AF5", "101.1,90.0", coder("AF=101.1,90.0")},
        {"GROUPSEQ", "0A  2A  ", coder("GS=0A  2A  ")},
        {"GROUPSEQ_TN", "0A  ", coder("GS=0A  ")},
        {"MS", "S", coder("MS=S")},
        {"DI", "1", coder("DI=1")},
        {"RT", "Hello", coder("RT=12,0,Hello")},
        {"RTB", "Second", coder("RT=10,1,Second")},
        {"DEL_RT", "x", coder("RT=0,0,")},
        {"UHR", "off", coder("CT=off")},
        {"EON_PS", "OTHER", coder("EON-PS=D3C3,OTHER   ")},
        {"EON_PI", "D3C4", coder("EON-PI=D3C4")},
        {"EON_TA", "1", coder("EON-TA=D3C3,1")},
        {"EON_PTY", "10", coder("EON-PTY=D3C3,10")},
        {"EON_TP", "1", coder("EON-TP=D3C3,1")},
        {"EON_AFA", "97.5,98.1", coder("EON-AFA=D3C3,97.5,98.1")},
        {"EON_AFB1", "97.5,98.1", coder("EON-AFB=D3C3,97.5,98.1")},
        {"EON_AFB5", "99.0,98.1", coder("EON-AFB=D3C3,99.0,98.1")},
        {"EON_DEL", "D3C4", coder("EON-DEL=D3C4")},
        {"STORE", "2", coder("STORE=2")},
        {"ODA", "0A40CD46", coder("3A=0A40CD46")},
        {"TMC", "0012345678", coder("8A=0012345678")},
    };
}

// Line by line, so a mismatch names the line.
void expectSameLines(const QByteArray& received, const QByteArray& expected)
{
    const QList<QByteArray> got = received.split('\n');
    const QList<QByteArray> want = expected.split('\n');
    EXPECT_EQ(got.size(), want.size());
    for (qsizetype i = 0; i < std::min(got.size(), want.size()); ++i)
        EXPECT_EQ(got[i].toStdString(), want[i].toStdString()) << "line " << i + 1;
}

class CliTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(folder_.isValid());
        writeGeneral("BUS", "Interface", "COM");
        writeGeneral("ADRESSEN", "ZOR1", "28");
        writeGeneral("ADRESSEN", "VEX2", "7");
        writeGeneral("ADRESSEN", "Log_Key", "1");
        write("Datenset1.INI", "RDS", "EON_PI", "D3C3");
        write("Rs232.ini", "38xx", "ComPort", "1");
        write("Rs232.ini", "38xx", "Baud", "9600");
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

    void useSerial(const SimProcess& sim) { write("Rs232.ini", "38xx", "Port1", sim.ttyPath()); }

    void useBus(const SimProcess& sim)
    {
        writeGeneral("BUS", "Interface", "IEC");
        writeGeneral("BUS", "GpibLibrary", SimProcess::gpibLibrary());
        busSocket_ = sim.gpibSocket();
    }

    ProgramRun cli(const QStringList& arguments)
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        if (!busSocket_.isEmpty())
            env.insert(QStringLiteral("ZOR_SIM_GPIB_SOCKET"), busSocket_);
        env.insert(QStringLiteral("ZOR_SIM_GPIB_TIMEOUT_MS"), QStringLiteral("200"));
        return runProgram(SimProcess::binDir() + QStringLiteral("/zor-rds-cli"),
                          QStringList{QStringLiteral("--data-dir"), folder_.path()} + arguments,
                          env);
    }

    QTemporaryDir folder_;
    QString busSocket_;
};

TEST_F(CliTest, SendsEveryParameterKeyOverTheSerialLineExactly)
{
    SimProcess sim;
    ASSERT_TRUE(sim.isReady()) << qPrintable(sim.errorString());
    useSerial(sim);

    QByteArray expected;
    for (const KeyCase& c : everyKey()) {
        const ProgramRun run = cli({QStringLiteral("send"), QString::fromLatin1(c.key),
                             QString::fromLatin1(c.value)});
        ASSERT_EQ(run.exitCode, 0) << c.key << ": " << qPrintable(run.err);
        // The opening step wakes the line with one carriage return.
        expected += '\r' + c.line.toLatin1() + '\n';
    }
    ASSERT_TRUE(sim.waitForRecorded(expected.size(), 2000));
    expectSameLines(sim.recorded(), expected);
}

TEST_F(CliTest, SendsEveryParameterKeyOverTheBusExactly)
{
    SimProcess sim;
    ASSERT_TRUE(sim.isReady()) << qPrintable(sim.errorString());
    useBus(sim);

    QByteArray expected;
    for (const KeyCase& c : everyKey()) {
        const ProgramRun run = cli({QStringLiteral("send"), QString::fromLatin1(c.key),
                             QString::fromLatin1(c.value)});
        ASSERT_EQ(run.exitCode, 0) << c.key << ": " << qPrintable(run.err);
        // On the bus nothing wakes the line; END closes each message (LF in the record).
        expected += c.line.toLatin1() + '\n';
    }
    ASSERT_TRUE(sim.waitForRecorded(expected.size(), 2000));
    expectSameLines(sim.recorded(), expected);
}

TEST_F(CliTest, ClockKeysCarryTheComputersTime)
{
    SimProcess sim;
    ASSERT_TRUE(sim.isReady()) << qPrintable(sim.errorString());
    useSerial(sim);

    const QDateTime before = QDateTime::currentDateTime();
    ASSERT_EQ(cli({"send", "ZEIT"}).exitCode, 0);
    ASSERT_EQ(cli({"send", "UHR", "on"}).exitCode, 0);
    const QDateTime after = QDateTime::currentDateTime();

    const QRegularExpression clock(
        QStringLiteral("^\r:STEREO:DIRECT \"CT=(\\d\\d:\\d\\d:\\d\\d),(\\d\\d\\.\\d\\d\\.\\d\\d)\"$"));
    ASSERT_TRUE(sim.waitForRecorded(2 * 33, 2000));
    const QList<QByteArray> sent = sim.recorded().split('\n');
    for (int i = 0; i < 2; ++i) {
        const QRegularExpressionMatch match = clock.match(QString::fromLatin1(sent[i]));
        ASSERT_TRUE(match.hasMatch()) << sent[i].toStdString();
        const QDateTime at = QDateTime::fromString(match.captured(2) + match.captured(1),
                                                   QStringLiteral("dd.MM.yyhh:mm:ss"))
                                 .addYears(100);
        EXPECT_GE(at, before.addMSecs(-before.time().msec()));
        EXPECT_LE(at, after);
    }
}

TEST_F(CliTest, QueriesAnswerOverBothInterfaces)
{
    SimProcess sim;
    ASSERT_TRUE(sim.isReady()) << qPrintable(sim.errorString());
    useSerial(sim);
    ASSERT_EQ(cli({"send", "PS", "RADIO 1"}).exitCode, 0);
    ASSERT_EQ(cli({"send", "HF-Frequenz", "87.5"}).exitCode, 0);

    ProgramRun run = cli({"query", "coder", "PS"});
    EXPECT_EQ(run.exitCode, 0) << qPrintable(run.err);
    EXPECT_EQ(run.out, "RADIO 1 \n");
    run = cli({"query", "generator", "FREQ"});
    EXPECT_EQ(run.exitCode, 0) << qPrintable(run.err);
    EXPECT_EQ(run.out, "87500000\n");

    useBus(sim);
    run = cli({"query", "coder", "PS"});
    EXPECT_EQ(run.exitCode, 0) << qPrintable(run.err);
    EXPECT_EQ(run.out, "RADIO 1 \n");
    run = cli({"query", "generator", "FREQ"});
    EXPECT_EQ(run.exitCode, 0) << qPrintable(run.err);
    EXPECT_EQ(run.out, "87500000\n");
}

TEST_F(CliTest, SendWithoutValueTakesTheStoredOne)
{
    SimProcess sim;
    ASSERT_TRUE(sim.isReady()) << qPrintable(sim.errorString());
    useSerial(sim);
    writeGeneral("FM", "MPX_DEV", "06800");
    writeGeneral("FM", "Stereo_Mode", "2");
    write("Datenset1.INI", "RDS", "PS", "STORED");

    ASSERT_EQ(cli({"send", "MPX_HUB"}).exitCode, 0);
    ASSERT_EQ(cli({"send", "STEREO_MODE"}).exitCode, 0);
    ASSERT_EQ(cli({"send", "PS"}).exitCode, 0);
    const QByteArray expected = "\r:stereo:deviation 68000HZ\n"
                                "\r:stereo:audio:mode REL\n"
                                "\r:STEREO:DIRECT \"PS=STORED  \"\n";
    ASSERT_TRUE(sim.waitForRecorded(expected.size(), 2000));
    EXPECT_EQ(sim.recorded(), expected);

    const ProgramRun run = cli({"send", "TA"});
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_TRUE(run.err.contains("no value is stored")) << qPrintable(run.err);
}

TEST_F(CliTest, FailuresGiveAMessageAndANonZeroStatus)
{
    SimProcess sim;
    ASSERT_TRUE(sim.isReady()) << qPrintable(sim.errorString());
    useSerial(sim);

    ProgramRun run = cli({"send", "ps", "x"});
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_TRUE(run.err.contains("unknown parameter key 'ps'")) << qPrintable(run.err);
    EXPECT_EQ(cli({"frobnicate"}).exitCode, 2);
    EXPECT_TRUE(sim.recorded().isEmpty());

    write("Rs232.ini", "38xx", "Port1", folder_.filePath("no-such-device"));
    run = cli({"send", "PS", "X"});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.err.contains("no-such-device")) << qPrintable(run.err);

    useBus(sim);
    writeGeneral("ADRESSEN", "ZOR1", "5");
    run = cli({"send", "PS", "X"});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.err.contains("ENOL")) << qPrintable(run.err);
}

TEST_F(CliTest, ASilentInstrumentIsReportedNotAwaited)
{
    SimProcess sim({QStringLiteral("--silent")});
    ASSERT_TRUE(sim.isReady()) << qPrintable(sim.errorString());
    useSerial(sim);

    const ProgramRun run = cli({"query", "coder", "PI"});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.err.contains("no value")) << qPrintable(run.err);
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
