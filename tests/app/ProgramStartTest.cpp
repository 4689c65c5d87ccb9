// The window program's start-up over real data folders, and the initialisation
// it runs on "AUTO", written out by hand as the instrument's manual lists it.
#include "StartFixture.h"
#include "app/WindowProgram.h"
#include "panel/DisplayLabel.h"
#include "panel/StereoPage.h"
#include "settings/SerialSettings.h"
#include "support/ProgramRun.h"
#include "ui/QueryPage.h"

#include <QAction>
#include <QFile>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>

namespace zor {
namespace {

QByteArray coder(const char* text) {
    return QByteArray(":STEREO:DIRECT \"") + text + "\"\n";
}

// What the initialisation sends for the bundled settings with the lists and
// pilot phase connectedData() stores, in the instrument's order.
QByteArray initialisation(const char* dataMode) {
    return "AM:STAT OFF\nFM:STAT OFF\nSTEREO:STAT ON\n:stereo:deviation 75000HZ\n"
           "STEREO:STAT ON;:stereo:source LREXT\n"
           ":stereo:audio:preemphasis:state ON;:stereo:audio:preemphasis 50us\n"
           ":stereo:pilot:state ON\n:stereo:pilot:deviation 6750HZ\n:stereo:pilot:phase 05DEG\n"
           ":stereo:ari:state OFF\n:stereo:ari:deviation 3500HZ\n:stereo:ari:type:state OFF\n"
           ":stereo:rds:state ON\n:stereo:rds:deviation 2000HZ\n" +
           coder("RDS-PH=000") + coder("PI=D3C3") + ":stereo:rds:traffic:program ON\n" +
           coder("TA=0") + coder("PS=ZOR RDS ") + coder(dataMode) + coder("MS=M") +
           coder("RT=12,0,Radiotext vom ZOR-Generator") + coder("AF=N,98.5,87.6,101.3") +
           coder("AF=+,95.0,96.1") + coder("PTY=10") + coder("EON-PI=D3C4") +
           coder("EON-TA=D3C4,0") + coder("EON-TP=D3C4,1") + coder("EON-PS=D3C4,EON TEST") +
           coder("EON-AFB=D3C4,N,99.1,88.2") + coder("EON-AFB=D3C4,+,90.1,91.2") +
           coder("GS=00A,02A,15A") +
           "FREQ 97.5MHZ\n:POW 60DBUV\n:OUTPUT:STAT ON\n:STEREO:AUDIO:FREQUENCY 1KHZ\n";
}

class ProgramStartTest : public test::StartTest {
protected:
    void connectedData() {
        folder.copyBundled();
        setGeneral("BUS", "IECBUS", QStringLiteral("auto"));
        setGeneral("FM", "PILOT_PHASE", QStringLiteral("05"));
        for (const auto& [key, value] :
             {std::pair{"AF_LISTE1", "98.5,87.6,101.3"}, {"AF_LISTE3", "95.0,96.1"},
              {"EON_AFB1", "99.1,88.2"}, {"EON_AFB4", "90.1,91.2"}, {"GR_Folge", "00A,02A,15A"}})
            folder.write(kDataSetFile, "RDS", key, QLatin1String(value));
    }
    void expectNotConnected() {
        EXPECT_FALSE(window().SSTab1()->isEnabled());
        EXPECT_TRUE(window().INIT_Taste()->isEnabled());
        EXPECT_TRUE(start().instrument().isDemo());
    }
};

// An empty folder comes up on the bus at address 28, the bundled one on the serial
// line with its settings and an emptied log; the end button ends writing nothing.
TEST_F(ProgramStartTest, TheWindowComesUpNotConnectedWithTheStoredSettings) {
    startUp();
    expectNotConnected();
    EXPECT_EQ(window().INIT_Taste()->text(), QStringLiteral("Init IEEE"));
    EXPECT_EQ(window().Adr1_Label()->text(), QStringLiteral("28"));
    EXPECT_TRUE(window().stereoPage()->TestDat_Opt(0)->isChecked());
    folder.copyBundled();
    setSerial("Baud", QStringLiteral("4800"));
    folder.put(kLogFile, "a record of the last run\r\n");
    startUp();
    expectNotConnected();
    EXPECT_EQ(window().INIT_Taste()->text(), QStringLiteral("Init COM"));
    EXPECT_EQ(start().instrument().serialSettings().lineSettings(), QStringLiteral("4800,N,8,1"));
    EXPECT_EQ(window().language(), QStringLiteral("deutsch"));
    EXPECT_EQ(window().queryPage()->gelesen()->text(), text(139));
    const CurrentValues& current = window().currentValues();
    EXPECT_EQ(QStringList({current.ps, current.pi, current.mpxDeviation, current.pilot,
                           current.eonTp, current.eonTa}),
              QStringList({"ZOR RDS", "D3C3", "07500", "1", "1", "0"}));
    EXPECT_EQ(folder.bytes(kLogFile), QByteArray());

    const QByteArray general = folder.bytes(kGeneralFile);
    const QByteArray dataSet = folder.bytes(kDataSetFile);
    window().Ende_Taste()->click();
    EXPECT_EQ(messages.quitRequests, 1);
    EXPECT_EQ(folder.bytes(kGeneralFile), general);
    EXPECT_EQ(folder.bytes(kDataSetFile), dataSet);
}

// "auto" in any case sends exactly the stored configuration, missing files told
// together after it; "Local" sends a carriage return, the next INIT switches data mode.
TEST_F(ProgramStartTest, AutoInitialisesOverTheSerialLineInTheInstrumentsOrder) {
    SimProcess sim;
    ASSERT_TRUE(sim.isReady()) << sim.errorString().toStdString();
    connectedData();
    reach(sim);
    QFile::remove(folder.path(QLatin1String(kEventFile)));
    QFile::remove(folder.path(QLatin1String(kLanguageFile)));
    startUp();
    const QByteArray first = "\r" + initialisation("BIN=0");
    ASSERT_TRUE(sim.waitForRecorded(first.size(), 3000));
    EXPECT_EQ(sim.recorded().toStdString(), first.toStdString());
    ASSERT_EQ(messages.messages.size(), 1u) << messages.warnings.join('\n').toStdString();
    ASSERT_EQ(messages.warnings.size(), 1);
    EXPECT_TRUE(messages.warnings[0].contains(QLatin1String(kEventFile)));
    EXPECT_TRUE(messages.warnings[0].contains(QLatin1String(kLanguageFile)));
    EXPECT_TRUE(window().GTL_Taste()->isEnabled());
    EXPECT_FALSE(window().Mnu_Info_Interface()->menuAction()->isEnabled());

    window().GTL_Taste()->click();
    expectNotConnected();
    window().INIT_Taste()->click();
    const QByteArray again = first + "\r\r" + initialisation("BIN=1");
    ASSERT_TRUE(sim.waitForRecorded(again.size(), 3000));
    EXPECT_EQ(sim.recorded().toStdString(), again.toStdString());
}

// Over a data set it cannot read the start sends nothing, and says so in
// the folder's language alone.
TEST_F(ProgramStartTest, AnUnreadableDataSetIsNotSentAndToldInTheFoldersLanguage) {
    SimProcess sim;
    ASSERT_TRUE(sim.isReady()) << sim.errorString().toStdString();
    connectedData();
    setGeneral("Sprache", "Sprache", QStringLiteral("english"));
    reach(sim);
    folder.put(kDataSetFile, folder.bytes(kDataSetFile) + QByteArray(1, '\0'));
    startUp();
    ASSERT_EQ(messages.warnings.size(), 1);
    const QString told = messages.warnings[0];
    EXPECT_TRUE(told.contains(QStringLiteral("is not a settings file"))) << told.toStdString();
    EXPECT_TRUE(told.contains(QStringLiteral("initialisation at start did not run")));
    EXPECT_FALSE(told.contains(QStringLiteral("Die "))) << told.toStdString();
    expectNotConnected();
    EXPECT_FALSE(sim.waitForRecorded(1, 300));
}

// Help and a mistaken argument are answered without a display.
TEST(WindowProgramTest, TheCommandLineNeedsNoWindowForHelpOrMistakes) {
    EXPECT_EQ(parseWindowArguments({"--data-dir=/y"}).dataDir, QStringLiteral("/y"));
    EXPECT_FALSE(parseWindowArguments({"--data-dir"}).error.isEmpty());
    const QString program = SimProcess::binDir() + QStringLiteral("/zor-rds");
    const ProgramRun help = runProgram(program, {"--help"}, QProcessEnvironment());
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_EQ(help.out, windowUsage());
    const ProgramRun wrong = runProgram(program, {"--colour"}, QProcessEnvironment());
    EXPECT_EQ(wrong.exitCode, 2);
    EXPECT_TRUE(wrong.err.contains("unknown argument '--colour'"));
}

} // namespace
} // namespace zor
