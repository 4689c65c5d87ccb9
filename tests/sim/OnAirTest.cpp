// The coder on air end to end: the operator's settings go through zor-rds-cli
// to a running zor-sim; its saved state goes on air in a second run, as hex
// groups and as a multiplex WAV file. Debian's libv4l2rds decodes the groups
// and a receiver built from the broadcast rules demodulates the WAV file.

#include "sim/MpxReceiver.h"
#include "support/ProgramRun.h"
#include "support/SimProcess.h"

#include <QDateTime>
#include <QFile>
#include <QTemporaryDir>
#include <cmath>
#include <ctime>
#include <gtest/gtest.h>
#include <libv4l2rds.h>
#include <thread>

namespace zor {
namespace {

void writeFile(const QString& path, const QByteArray& text) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(text);
}

QList<QByteArray> hexLines(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QList<QByteArray> lines = file.readAll().split('\n');
    lines.removeAll(QByteArray());
    return lines;
}

QByteArray stateValue(const QString& path, const QByteArray& prefix) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    for (const QByteArray& entry : file.readAll().split('\n')) {
        if (entry.startsWith(prefix))
            return entry.mid(prefix.size());
    }
    return {};
}

QByteArray hexLine(const std::array<std::uint16_t, 4>& group) {
    QByteArray line;
    for (std::uint16_t word : group)
        line += QByteArray::number(word, 16).rightJustified(4, '0').toUpper() + ' ';
    return line.trimmed();
}

class OnAir : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(sim.isReady()) << sim.errorString().toStdString();
        const QString data = folder.path();
        writeFile(data + "/RDS_Allg.INI", "[BUS]\r\nInterface=COM\r\n[ADRESSEN]\r\nZOR1=28\r\n");
        writeFile(data + "/Rs232.ini",
                  "[38xx]\r\nComPort=1\r\nBaud=9600\r\nPort1=" + sim.ttyPath().toLatin1() + "\r\n");
        writeFile(data + "/Datenset1.INI", "[RDS]\r\nEON_PI=D3C4\r\n");
    }

    void send(const char* key, const char* value) {
        const ProgramRun run = runProgram(SimProcess::binDir() + "/zor-rds-cli",
                                          {"--data-dir", folder.path(), "send",
                                           QString::fromLatin1(key), QString::fromLatin1(value)},
                                          QProcessEnvironment::systemEnvironment());
        ASSERT_EQ(run.exitCode, 0) << key << ": " << run.err.toStdString();
    }

    // Sets what a lab engineer sets in the window, then copies the state the
    // running simulator saved, for the second run to put on air.
    QString setUpCoder() {
        const char* settings[][2] = {{"RDS", "1"},
                                     {"TP", "1"},
                                     {"PI", "D3C3"},
                                     {"PS", "RADIO 1"},
                                     {"PTY", "7"},
                                     {"TA", "1"},
                                     {"MS", "S"},
                                     {"DI", "1"},
                                     {"RT", "Hello from the lab"},
                                     {"AF1", "N,98.5,87.6,101.3"},
                                     {"EON_PI", "D3C4"},
                                     {"EON_PS", "OTHER"},
                                     {"EON_TP", "1"},
                                     {"EON_PTY", "10"},
                                     {"ODA", "03,100066CD46"},
                                     {"TMC", "08,0810013039"},
                                     {"ODA", "03,106100CD46"},
                                     {"GROUPSEQ", "00A,02A,03A,08A,14A"},
                                     {"ZEIT", ""},
                                     {"PILOT", "1"},
                                     {"PILOT_HUB", "0675"},
                                     {"MPX_HUB", "07500"},
                                     {"RDS_HUB", "0200"},
                                     {"RDS_PHASE", "030"},
                                     {"PILOT_PHASE", "07"},
                                     {"MPX_SOURCE", "3"},
                                     {"NF-Frequenz", "1"}};
        for (const auto& [key, value] : settings)
            send(key, value);
        EXPECT_TRUE(sim.waitForState("AFREQ", "1000", 5000));
        const QString saved = folder.filePath("saved-state");
        QFile::copy(sim.statePath(), saved);
        return saved;
    }

    ProgramRun onAir(const QStringList& arguments) {
        return runProgram(SimProcess::binDir() + "/zor-sim", arguments,
                          QProcessEnvironment::systemEnvironment(), 60000);
    }

    SimProcess sim;
    QTemporaryDir folder;
};

TEST_F(OnAir, LibV4l2RdsDecodesWhatTheOperatorSet) {
    const QString state = setUpCoder();
    const QString hex = folder.filePath("groups.hex");
    // Two clock-time groups need two minute edges: about 1,400 groups.
    ASSERT_EQ(onAir({"--state", state, "--rds-hex", hex, "--rds-hex-groups", "1500"}).exitCode, 0);
    const QList<QByteArray> lines = hexLines(hex);
    ASSERT_EQ(lines.size(), 1500);

    qputenv("TZ", "UTC0"); // libv4l2rds turns the clock time into local time
    tzset();
    v4l2_rds* rds = v4l2_rds_create(false);
    for (const QByteArray& line : lines) {
        const QList<QByteArray> words = line.split(' ');
        ASSERT_EQ(words.size(), 4) << line.constData();
        const bool versionB = words[1].toUInt(nullptr, 16) & 0x0800;
        const int third = versionB ? V4L2_RDS_BLOCK_C_ALT : V4L2_RDS_BLOCK_C;
        const int blockIds[4] = {V4L2_RDS_BLOCK_A, V4L2_RDS_BLOCK_B, third, V4L2_RDS_BLOCK_D};
        for (int i = 0; i < 4; ++i) {
            const uint word = words[i].toUInt(nullptr, 16);
            v4l2_rds_data block{static_cast<std::uint8_t>(word & 0xFF),
                                static_cast<std::uint8_t>(word >> 8),
                                static_cast<std::uint8_t>(blockIds[i])};
            v4l2_rds_add(rds, &block);
        }
    }
    EXPECT_EQ(rds->pi, 0xD3C3);
    EXPECT_STREQ(reinterpret_cast<const char*>(rds->ps), "RADIO 1 ");
    EXPECT_EQ(rds->pty, 7);
    EXPECT_TRUE(rds->tp);
    EXPECT_TRUE(rds->ta);
    EXPECT_FALSE(rds->ms) << "speech";
    EXPECT_EQ(rds->di, V4L2_RDS_FLAG_STEREO);
    EXPECT_STREQ(reinterpret_cast<const char*>(rds->rt), "Hello from the lab");
    ASSERT_TRUE(rds->valid_fields & V4L2_RDS_AF);
    EXPECT_EQ(rds->rds_af.announced_af, 3);
    EXPECT_EQ(std::vector<uint32_t>(rds->rds_af.af, rds->rds_af.af + rds->rds_af.size),
              (std::vector<uint32_t>{98500000, 87600000, 101300000}));

    // The clock is the one set with ZEIT ("hh:mm:ss,DD.MM.YY"), as it reads
    // at the last minute edge on air (the decoder needs two clock groups).
    ASSERT_TRUE(rds->valid_fields & V4L2_RDS_TIME);
    const QByteArray clock = stateValue(state, "CT=");
    const QTime time = QTime::fromString(QString::fromLatin1(clock.left(8)), "HH:mm:ss");
    const QList<QByteArray> date = clock.mid(9).split('.');
    ASSERT_EQ(date.size(), 3) << clock.constData();
    const qint64 set =
        QDateTime(QDate(2000 + date[2].toInt(), date[1].toInt(), date[0].toInt()), time, Qt::UTC)
            .toSecsSinceEpoch();
    const double onAir = 1500 * 104 / 1187.5; // the last minute edge within that
    EXPECT_EQ(rds->time, static_cast<qint64>(std::floor((set + onAir) / 60)) * 60)
        << clock.constData();

    ASSERT_EQ(rds->rds_oda.size, 1);
    EXPECT_EQ(rds->rds_oda.oda[0].aid, 0xCD46);
    EXPECT_EQ(rds->rds_oda.oda[0].group_id, 8);
    EXPECT_EQ(rds->tmc.ltn, 1) << "from variant 0";
    EXPECT_EQ(rds->tmc.sid, 4) << "from variant 1";
    ASSERT_TRUE(rds->valid_fields & V4L2_RDS_TMC_SG);
    EXPECT_EQ(rds->tmc.tmc_msg.event, 1);
    EXPECT_EQ(rds->tmc.tmc_msg.extent, 2);
    EXPECT_EQ(rds->tmc.tmc_msg.location >> 8, 0x30);

    ASSERT_GE(rds->rds_eon.size, 1);
    const v4l2_rds_eon& other = rds->rds_eon.eon[0];
    EXPECT_EQ(other.pi, 0xD3C4);
    EXPECT_STREQ(reinterpret_cast<const char*>(other.ps), "OTHER   ");
    EXPECT_TRUE(other.tp);
    v4l2_rds_destroy(rds);
}

TEST_F(OnAir, TheMultiplexCarriesThePilotAndTheHexFilesGroups) {
    const QString state = setUpCoder();
    const QString hex = folder.filePath("groups.hex");
    const QString wav = folder.filePath("mpx.wav");
    ASSERT_EQ(onAir({"--state", state, "--rds-hex", hex, "--rds-hex-groups", "600", "--mpx", wav,
                     "--mpx-seconds", "12"})
                  .exitCode,
              0);
    MpxReceiver receiver;
    ASSERT_TRUE(receiver.read(wav));
    EXPECT_EQ(receiver.sampleRate(), 228000);
    EXPECT_NEAR(receiver.pilotLevel(), 6750.0 / 75000.0, 0.0005)
        << "the set MPX deviation is full scale";
    EXPECT_NEAR(receiver.pilotPhaseDegrees(), 7.0, 0.5);

    const auto groups = receiver.groups();
    const QList<QByteArray> lines = hexLines(hex);
    // 12 s at 1187.5 bit/s hold 137 groups; the first may be lost before the
    // differential decoder has a bit to refer to.
    ASSERT_GE(groups.size(), 135u);
    const auto first = static_cast<std::size_t>(lines.indexOf(hexLine(groups[0])));
    ASSERT_LE(first, 1u);
    for (std::size_t i = 0; i < groups.size(); ++i) {
        EXPECT_EQ(hexLine(groups[i]), lines.value(static_cast<qsizetype>(first + i))) << i;
        EXPECT_EQ(receiver.groupStarts()[i], static_cast<long>((first + i) * 104))
            << "one group every 104 bits at 192 samples a bit: 1187.5 bit/s";
    }
    EXPECT_NEAR(receiver.rdsPhaseDegrees(), 30.0, 3.0)
        << "RDS locked to the pilot's third harmonic at the set phase";
}

TEST_F(OnAir, TheRunningSimulatorWritesGroupsAsTheyGoOnAir) {
    const QString hex = sim.folder() + "/live.hex";
    SimProcess live({"--rds-hex", hex});
    ASSERT_TRUE(live.isReady());
    writeFile(folder.path() + "/Rs232.ini",
              "[38xx]\r\nComPort=1\r\nBaud=9600\r\nPort1=" + live.ttyPath().toLatin1() + "\r\n");
    EXPECT_TRUE(hexLines(hex).isEmpty()) << "RDS is off at start";
    send("PS", "LIVE");
    send("PI", "1234");
    send("RDS", "1");
    QList<QByteArray> lines;
    for (int wait = 0; wait < 50 && lines.size() < 12; ++wait) {
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
        lines = hexLines(hex);
    }
    ASSERT_GE(lines.size(), 12);
    EXPECT_TRUE(lines.last().startsWith("1234 0")) << lines.last().constData();
    EXPECT_TRUE(lines.join(' ').contains("4C49") && lines.join(' ').contains("5645"))
        << "PS LIVE on air";
}

} // namespace
} // namespace zor
