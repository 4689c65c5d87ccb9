// The coder on air end to end: the operator's settings go through zor-rds-cli
// to a running zor-sim; its saved state goes on air in a second run, as hex
// groups and as a multiplex WAV file. Debian's libv4l2rds decodes the groups
// and a receiver built from the broadcast rules demodulates the WAV file.

#include "sim/MpxReceiver.h"
#include "support/ProgramRun.h"
#include "support/SimProcess.h"
#include "support/TestDataFolder.h"

#include <QDateTime>
#include <QFile>
#include <QThread>
#include <algorithm>
#include <ctime>
#include <gtest/gtest.h>
#include <libv4l2rds.h>

namespace zor {
namespace {

// The hex file's groups: one a line, four hexadecimal words.
std::vector<GroupWords> hexGroups(const QString& path) {
    QFile file(path);
    std::vector<GroupWords> groups;
    for (const QByteArray& line :
         file.open(QIODevice::ReadOnly) ? file.readAll().split('\n') : QList<QByteArray>()) {
        const QList<QByteArray> w = line.split(' ');
        if (w.size() == 4)
            groups.push_back({w[0].toUShort(nullptr, 16), w[1].toUShort(nullptr, 16),
                              w[2].toUShort(nullptr, 16), w[3].toUShort(nullptr, 16)});
    }
    return groups;
}

class OnAir : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(sim.isReady()) << sim.errorString().toStdString();
        folder.put("RDS_Allg.INI", "[BUS]\r\nInterface=COM\r\n");
        folder.put("Datenset1.INI", "[RDS]\r\nEON_PI=D3C4\r\n");
        folder.put("Rs232.ini", "[38xx]\r\nPort1=" + sim.ttyPath().toLatin1());
    }

    static ProgramRun run(const char* program, const QStringList& arguments) {
        return runProgram(SimProcess::binDir() + '/' + program, arguments,
                          QProcessEnvironment::systemEnvironment(), 60000);
    }
    void send(const QString& key, const QString& value) {
        const ProgramRun sent =
            run("zor-rds-cli", {"--data-dir", folder.path(), "send", key, value});
        ASSERT_EQ(sent.exitCode, 0) << key.toStdString() << ": " << sent.err.toStdString();
    }

    // Sets what a lab engineer sets in the window; the state the running
    // simulator saves is what the second run puts on air.
    void setUpCoder() {
        const QString settings =
            "RDS=1|TP=1|PI=D3C3|PS=RADIO 1|PTY=7|TA=1|MS=S|DI=1|RT=Hello from the lab|"
            "AF1=N,98.5,87.6,101.3|EON_PI=D3C4|EON_PS=OTHER|EON_TP=1|EON_PTY=10|"
            "ODA=03,100066CD46|TMC=08,0810013039|ODA=03,106100CD46|GROUPSEQ=00A,02A,03A,08A,14A|"
            "ZEIT=|PILOT=1|PILOT_HUB=0675|MPX_HUB=07500|RDS_HUB=0200|RDS_PHASE=030|"
            "PILOT_PHASE=07|MPX_SOURCE=3|NF-Frequenz=1";
        for (const QString& setting : settings.split('|'))
            send(setting.section('=', 0, 0), setting.section('=', 1));
        EXPECT_TRUE(sim.waitForState("AFREQ", "1000", 5000));
    }

    test::TestDataFolder folder;
    const QString live = folder.path("live.hex"); // written in real time
    SimProcess sim{{"--rds-hex", live}};
};

// What the operator set is decoded by the real decoder from the groups, and
// the multiplex carries the same groups locked to the pilot.
TEST_F(OnAir, WhatTheOperatorSetIsDecodedFromTheGroupsAndTheMultiplex) {
    const QString hex = folder.path("groups.hex");
    const QString wav = folder.path("mpx.wav");
    setUpCoder();
    // Two clock-time groups need two minute edges: about 1,400 groups.
    ASSERT_EQ(run("zor-sim", {"--state", sim.statePath(), "--rds-hex", hex, "--rds-hex-groups",
                              "1500", "--mpx", wav, "--mpx-seconds", "12"})
                  .exitCode,
              0);
    const std::vector<GroupWords> sent = hexGroups(hex);
    ASSERT_EQ(sent.size(), 1500u);

    qputenv("TZ", "UTC0"); // libv4l2rds turns the clock time into local time
    tzset();
    v4l2_rds* rds = v4l2_rds_create(false);
    for (const GroupWords& group : sent) {
        const int ids[4] = {V4L2_RDS_BLOCK_A, V4L2_RDS_BLOCK_B,
                            group[1] & 0x0800 ? V4L2_RDS_BLOCK_C_ALT : V4L2_RDS_BLOCK_C,
                            V4L2_RDS_BLOCK_D};
        for (std::size_t i = 0; i < 4; ++i) {
            v4l2_rds_data block{static_cast<std::uint8_t>(group[i] & 0xFF),
                                static_cast<std::uint8_t>(group[i] >> 8),
                                static_cast<std::uint8_t>(ids[i])};
            v4l2_rds_add(rds, &block);
        }
    }
    EXPECT_EQ(rds->pi, 0xD3C3);
    EXPECT_STREQ(reinterpret_cast<const char*>(rds->ps), "RADIO 1 ");
    EXPECT_EQ(rds->pty, 7);
    EXPECT_TRUE(rds->tp);
    EXPECT_TRUE(rds->ta);
    EXPECT_FALSE(rds->ms) << "speech";
    EXPECT_EQ(rds->di, V4L2_RDS_FLAG_STEREO) << "d0 in the last segment";
    EXPECT_STREQ(reinterpret_cast<const char*>(rds->rt), "Hello from the lab");
    ASSERT_TRUE(rds->valid_fields & V4L2_RDS_AF);
    EXPECT_EQ(rds->rds_af.announced_af, 3);
    EXPECT_EQ(std::vector<uint32_t>(rds->rds_af.af, rds->rds_af.af + rds->rds_af.size),
              (std::vector<uint32_t>{98500000, 87600000, 101300000}));

    // The clock is the one set with ZEIT ("hh:mm:ss,DD.MM.YY"), as it reads
    // at the last minute edge on air (the decoder needs two clock groups).
    // libv4l2rds leaves tm_isdst of its mktime call unset, so its result may
    // come an hour early; the hour itself is checked in RdsGroups.
    ASSERT_TRUE(rds->valid_fields & V4L2_RDS_TIME);
    const QString clock = sim.state().value("CT");
    const QDateTime set =
        QDateTime::fromString(QString(clock).insert(15, "20"), "HH:mm:ss,dd.MM.yyyy");
    ASSERT_TRUE(set.isValid()) << clock.toStdString();
    const double onAir = 1500 * 104 / 1187.5; // the last minute edge within that
    const qint64 seconds = QDateTime(set.date(), set.time(), Qt::UTC).toSecsSinceEpoch();
    const qint64 edge = static_cast<qint64>((seconds + onAir) / 60) * 60;
    EXPECT_TRUE(rds->time == edge || rds->time == edge - 3600) << rds->time << " " << edge;

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
    EXPECT_EQ(rds->rds_eon.eon[0].pi, 0xD3C4);
    EXPECT_STREQ(reinterpret_cast<const char*>(rds->rds_eon.eon[0].ps), "OTHER   ");
    EXPECT_TRUE(rds->rds_eon.eon[0].tp);
    v4l2_rds_destroy(rds);

    // Each file from the first group on, so the WAV file carries the hex file's groups.
    MpxReceiver receiver;
    ASSERT_TRUE(receiver.read(wav));
    EXPECT_EQ(receiver.sampleRate, 228000);
    EXPECT_NEAR(std::abs(receiver.pilot()), 6750.0 / 75000.0, 0.0005)
        << "the set MPX deviation is full scale";
    EXPECT_NEAR(std::arg(receiver.pilot()) * 180 / MpxReceiver::pi, 7.0, 0.5);

    const auto groups = receiver.groups();
    // 12 s at 1187.5 bit/s hold 137 groups; the first may be lost before the
    // differential decoder has a bit to refer to.
    ASSERT_GE(groups.size(), 135u);
    const auto first = std::find(sent.begin(), sent.end(), groups[0].words) - sent.begin();
    ASSERT_TRUE(first == 0 || first == 1) << first;
    for (std::size_t i = 0; i < groups.size(); ++i) {
        EXPECT_EQ(groups[i].words, sent[first + i]) << i;
        EXPECT_EQ(groups[i].bit, (first + long(i)) * 104)
            << "one group every 104 bits at 192 samples a bit: 1187.5 bit/s";
    }
    EXPECT_NEAR(receiver.rdsPhaseDegrees, 30.0, 3.0)
        << "RDS locked to the pilot's third harmonic at the set phase";
}

// The running simulator writes each group as it goes on air.
TEST_F(OnAir, TheRunningSimulatorWritesGroupsAsTheyGoOnAir) {
    EXPECT_TRUE(hexGroups(live).empty()) << "RDS is off at start";
    send("PS", "LIVE");
    send("PI", "1234");
    send("RDS", "1");
    std::vector<GroupWords> groups;
    for (int wait = 0; wait < 50 && groups.size() < 12; ++wait) {
        QThread::msleep(100);
        groups = hexGroups(live);
    }
    ASSERT_GE(groups.size(), 12u);
    EXPECT_EQ(groups.back()[0], 0x1234);
    EXPECT_TRUE(
        std::count_if(groups.begin(), groups.end(),
                      [](const GroupWords& g) { return g[3] == 0x4C49 || g[3] == 0x5645; }) >= 2)
        << "PS LIVE on air";
}

} // namespace
} // namespace zor
