// The window program's start-up over real data folders: empty, missing,
// the bundled one, and one that initialises the simulated instrument at
// once. The command lines the instrument must receive are written out here
// by hand from the stored values, as the instrument's manual lists them.
#include "StartFixture.h"
#include "app/WindowProgram.h"
#include "settings/SerialSettings.h"
#include "panel/DisplayLabel.h"
#include "panel/StereoPage.h"
#include "rds/RdsPage.h"
#include "ui/Initialisation.h"
#include "ui/QueryPage.h"

#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTabWidget>

namespace zor {
namespace {

using test::StartTest;

QString coder(const QString& text) {
    return QStringLiteral(":STEREO:DIRECT \"%1\"").arg(text);
}

// Every file of a folder with its content.
QMap<QString, QByteArray> folderContents(const QString& folder) {
    QMap<QString, QByteArray> contents;
    const QDir dir(folder);
    for (const QString& name : dir.entryList(QDir::Files)) {
        QFile file(dir.filePath(name));
        if (file.open(QIODevice::ReadOnly))
            contents.insert(name, file.readAll());
    }
    return contents;
}

// What the initialisation sends for the bundled settings with the changes
// connectedData() makes, in the instrument's order.
QStringList initialisationLines(const QString& dataMode) {
    return {
        QStringLiteral("AM:STAT OFF"),
        QStringLiteral("FM:STAT OFF"),
        QStringLiteral("STEREO:STAT ON"),
        QStringLiteral(":stereo:deviation 75000HZ"),
        QStringLiteral("STEREO:STAT ON;:stereo:source LREXT"),
        QStringLiteral(":stereo:audio:preemphasis:state ON;:stereo:audio:preemphasis 50us"),
        QStringLiteral(":stereo:pilot:state ON"),
        QStringLiteral(":stereo:pilot:deviation 6750HZ"),
        QStringLiteral(":stereo:pilot:phase 05DEG"),
        QStringLiteral(":stereo:ari:state OFF"),
        QStringLiteral(":stereo:ari:deviation 3500HZ"),
        QStringLiteral(":stereo:ari:type:state OFF"),
        QStringLiteral(":stereo:rds:state ON"),
        QStringLiteral(":stereo:rds:deviation 2000HZ"),
        coder(QStringLiteral("RDS-PH=000")),
        coder(QStringLiteral("PI=D3C3")),
        QStringLiteral(":stereo:rds:traffic:program ON"),
        coder(QStringLiteral("TA=0")),
        coder(QStringLiteral("PS=ZOR RDS ")),
        coder(QStringLiteral("BIN=") + dataMode),
        coder(QStringLiteral("MS=M")),
        coder(QStringLiteral("RT=12,0,Radiotext vom ZOR-Generator")),
        coder(QStringLiteral("AF=N,98.5,87.6,101.3")),
        coder(QStringLiteral("AF=+,95.0,96.1")),
        coder(QStringLiteral("PTY=10")),
        coder(QStringLiteral("EON-PI=D3C4")),
        coder(QStringLiteral("EON-TA=D3C4,0")),
        coder(QStringLiteral("EON-TP=D3C4,1")),
        coder(QStringLiteral("EON-PS=D3C4,EON TEST")),
        coder(QStringLiteral("EON-AFB=D3C4,N,99.1,88.2")),
        coder(QStringLiteral("EON-AFB=D3C4,+,90.1,91.2")),
        coder(QStringLiteral("GS=00A,02A,15A")),
        QStringLiteral("FREQ 97.5MHZ"),
        QStringLiteral(":POW 60DBUV"),
        QStringLiteral(":OUTPUT:STAT ON"),
        QStringLiteral(":STEREO:AUDIO:FREQUENCY 1KHZ"),
    };
}

QByteArray wire(const QStringList& lines) {
    QByteArray bytes;
    for (const QString& line : lines)
        bytes += line.toLatin1() + '\n';
    return bytes;
}

class ProgramStartTest : public StartTest {
protected:
    // The bundled settings, with AF lists, EON lists and a group sequence
    // stored, a pilot phase of 5 degrees and the automatic initialisation.
    void connectedData() {
        copyBundledData();
        setGeneral("BUS", "IECBUS", QStringLiteral("auto"));
        storeListsAndPilotPhase();
    }

    // The received bytes as lines, for a readable failure.
    static QStringList lines(const QByteArray& bytes) {
        QStringList received = QString::fromLatin1(bytes).split(QLatin1Char('\n'));
        if (!received.isEmpty() && received.last().isEmpty())
            received.removeLast();
        return received;
    }

    void expectNotConnected() {
        EXPECT_FALSE(window().SSTab1()->isEnabled());
        EXPECT_FALSE(window().Frame7()->isEnabled());
        EXPECT_TRUE(window().Frame8()->isEnabled());
        EXPECT_TRUE(window().INIT_Taste()->isEnabled());
        EXPECT_TRUE(start().instrument().isDemo());
    }
};

TEST_F(ProgramStartTest, AnEmptyDataFolderStartsNotConnectedOnTheBus) {
    startUp();
    expectNotConnected();
    EXPECT_EQ(window().INIT_Taste()->text(), QStringLiteral("Init IEEE"));
    EXPECT_FALSE(window().Adr1_VScroll()->isHidden());
    EXPECT_EQ(start().instrument().generatorAddress(), 28);
    EXPECT_EQ(window().Adr1_Label()->text(), QStringLiteral("28"));
    EXPECT_FALSE(start().instrument().addressesClash());
    EXPECT_EQ(window().SSTab1()->currentIndex(), 0);
    EXPECT_TRUE(window().stereoPage()->TestDat_Opt(0)->isChecked());
    EXPECT_TRUE(QFile::exists(path(QStringLiteral("RDS_Log.txt"))));
    EXPECT_EQ(QFile(path(QStringLiteral("RDS_Log.txt"))).size(), 0);
}

TEST_F(ProgramStartTest, AMissingDataFolderStillStarts) {
    start_ = std::make_unique<ProgramStart>(DataFolder(path(QStringLiteral("nowhere"))), messages);
    start_->run();
    EXPECT_FALSE(start_->window().SSTab1()->isEnabled());
    EXPECT_TRUE(start_->instrument().isDemo());
    EXPECT_FALSE(QDir(path(QStringLiteral("nowhere"))).exists());
}

TEST_F(ProgramStartTest, BrokenFilesStillStart) {
    for (const char* name : {"RDS_Allg.INI", "Datenset1.INI", "Rs232.ini", "Sprachen.ini",
                             "Event.txt", "Location.txt"}) {
        QFile file(path(QLatin1String(name)));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        QByteArray junk(1, '\0');
        junk += "\xff[[[=\r\n=;;\x01[BUS]\nIECBUS=\n[FM]\nMPX_DEV=99999999\nPTY=-3\n";
        file.write(junk);
    }
    startUp();
    expectNotConnected();
}

TEST_F(ProgramStartTest, TheBundledFolderComesUpWithItsStoredSettings) {
    copyBundledData();
    setSerial("Baud", QStringLiteral("4800"));
    {
        QFile log(path(QStringLiteral("RDS_Log.txt")));
        ASSERT_TRUE(log.open(QIODevice::WriteOnly));
        log.write("a record of the last run\r\n");
    }
    startUp();
    expectNotConnected();
    EXPECT_EQ(window().INIT_Taste()->text(), QStringLiteral("Init COM"));
    EXPECT_TRUE(window().Adr1_VScroll()->isHidden());
    EXPECT_TRUE(window().Mnu_Info_RS232()->isEnabled());
    EXPECT_FALSE(window().Mnu_Info_Interface_COM()->isEnabled());
    EXPECT_EQ(start().instrument().serialSettings().lineSettings(), QStringLiteral("4800,N,8,1"));
    EXPECT_EQ(start().instrument().generatorAddress(), 28);
    start().instrument().setGeneratorAddress(7);
    EXPECT_TRUE(start().instrument().addressesClash());
    start().instrument().setGeneratorAddress(28);
    EXPECT_EQ(window().Adr1_Label()->text(), QStringLiteral("28"));
    EXPECT_EQ(window().language(), QStringLiteral("deutsch"));
    EXPECT_EQ(window().queryPage()->gelesen()->text(), text(139));
    EXPECT_EQ(window().currentValues().ps, QStringLiteral("ZOR RDS"));
    EXPECT_EQ(window().currentValues().pi, QStringLiteral("D3C3"));
    EXPECT_EQ(window().currentValues().mpxDeviation, QStringLiteral("07500"));
    EXPECT_EQ(window().currentValues().pilot, QStringLiteral("1"));
    EXPECT_EQ(window().currentValues().eonTp, QStringLiteral("1"));
    EXPECT_EQ(window().currentValues().eonTa, QStringLiteral("0"));
    EXPECT_EQ(window().SSTab1()->currentIndex(), 0);
    EXPECT_EQ(QFile(path(QStringLiteral("RDS_Log.txt"))).size(), 0);
}

TEST_F(ProgramStartTest, AddressesOutsideTheBusAreHeldAtItsLimits) {
    copyBundledData();
    setGeneral("ADRESSEN", "ZOR1", QStringLiteral("45"));
    setGeneral("ADRESSEN", "VEX2", QStringLiteral("Drucker"));
    startUp();
    EXPECT_EQ(start().instrument().generatorAddress(), 30);
    EXPECT_EQ(window().Adr1_Label()->text(), QStringLiteral("30"));
    EXPECT_FALSE(start().instrument().addressesClash());
}

TEST_F(ProgramStartTest, AutoInSmallLettersInitialisesOverTheSerialLine) {
    SimProcess sim;
    ASSERT_TRUE(sim.isReady()) << sim.errorString().toStdString();
    connectedData();
    serialTo(sim);
    startUp();

    const QByteArray expected = "\r" + wire(initialisationLines(QStringLiteral("0")));
    ASSERT_TRUE(sim.waitForRecorded(expected.size(), 3000));
    EXPECT_EQ(lines(sim.recorded()), lines(expected));
    EXPECT_EQ(sim.recorded(), expected);
    EXPECT_TRUE(messages.warnings.isEmpty()) << messages.warnings.join('\n').toStdString();
    EXPECT_FALSE(start().instrument().isDemo());
    EXPECT_TRUE(window().SSTab1()->isEnabled());
    EXPECT_TRUE(window().GTL_Taste()->isEnabled());
    EXPECT_FALSE(window().Frame8()->isEnabled());
    EXPECT_FALSE(window().Mnu_Info_RS232()->isEnabled());
    EXPECT_FALSE(window().Mnu_Info_Interface()->menuAction()->isEnabled());
    EXPECT_EQ(window().SSTab1()->currentIndex(), 0);
    // The PI the coder got is the one the window keeps.
    EXPECT_EQ(window().currentValues().pi, QStringLiteral("D3C3"));
}

TEST_F(ProgramStartTest, AutoInitialisesOverTheBus) {
    SimProcess sim;
    ASSERT_TRUE(sim.isReady()) << sim.errorString().toStdString();
    connectedData();
    busTo(sim);
    setGeneral("BUS", "IECBUS", QStringLiteral("AUTO"));
    startUp();

    const QByteArray expected = wire(initialisationLines(QStringLiteral("0")));
    ASSERT_TRUE(sim.waitForRecorded(expected.size(), 3000));
    EXPECT_EQ(lines(sim.recorded()), lines(expected));
    EXPECT_EQ(sim.recorded(), expected);
    EXPECT_TRUE(messages.criticals.isEmpty()) << messages.criticals.join('\n').toStdString();
    EXPECT_EQ(window().INIT_Taste()->text(), QStringLiteral("Init IEEE"));
    EXPECT_TRUE(window().SSTab1()->isEnabled());
}

TEST_F(ProgramStartTest, ABusDeviceThatCannotBeClearedStopsTheInitialisation) {
    SimProcess sim;
    ASSERT_TRUE(sim.isReady()) << sim.errorString().toStdString();
    connectedData();
    busTo(sim);
    setGeneral("ADRESSEN", "ZOR1", QStringLiteral("5"));
    startUp();

    ASSERT_EQ(messages.criticals.size(), 1);
    EXPECT_TRUE(messages.criticals.first().contains(QStringLiteral("Clear-Error")))
        << messages.criticals.first().toStdString();
    expectNotConnected();
    EXPECT_TRUE(sim.recorded().isEmpty());
}

TEST_F(ProgramStartTest, WithoutAutoNothingIsSent) {
    SimProcess sim;
    ASSERT_TRUE(sim.isReady()) << sim.errorString().toStdString();
    connectedData();
    serialTo(sim);
    setGeneral("BUS", "IECBUS", QString());
    startUp();
    expectNotConnected();
    EXPECT_TRUE(sim.recorded().isEmpty());
}

TEST_F(ProgramStartTest, LocalReleasesTheLineAndASecondInitialisationSelectsTestMode) {
    SimProcess sim;
    ASSERT_TRUE(sim.isReady()) << sim.errorString().toStdString();
    connectedData();
    serialTo(sim);
    startUp();
    const QByteArray first = "\r" + wire(initialisationLines(QStringLiteral("0")));
    ASSERT_TRUE(sim.waitForRecorded(first.size(), 3000));

    window().GTL_Taste()->click();
    ASSERT_TRUE(sim.waitForRecorded(first.size() + 1, 3000));
    EXPECT_EQ(sim.recorded(), first + "\r");
    expectNotConnected();
    EXPECT_TRUE(window().Command2()->isEnabled());
    EXPECT_TRUE(window().Ende_Taste()->isEnabled());
    EXPECT_TRUE(window().Mnu_Info_RS232()->isEnabled());
    EXPECT_TRUE(window().Mnu_Info_Interface()->menuAction()->isEnabled());

    window().INIT_Taste()->click();
    const QByteArray second = "\r" + wire(initialisationLines(QStringLiteral("1")));
    ASSERT_TRUE(sim.waitForRecorded(first.size() + 1 + second.size(), 3000));
    EXPECT_EQ(lines(sim.recorded().mid(first.size() + 1)), lines(second));
}

TEST_F(ProgramStartTest, TheInterfaceMenuStoresTheChoiceForTheNextStart) {
    copyBundledData();
    startUp();
    window().Mnu_Info_Interface_IEC()->trigger();
    EXPECT_EQ(general("BUS", "Interface"), QStringLiteral("IEC"));
    EXPECT_EQ(window().INIT_Taste()->text(), QStringLiteral("Init IEEE"));
    EXPECT_FALSE(window().Adr1_VScroll()->isHidden());
    EXPECT_FALSE(window().Mnu_Info_RS232()->isEnabled());
    EXPECT_FALSE(window().Mnu_Info_Interface_IEC()->isEnabled());

    setSerial("Baud", QStringLiteral("2400"));
    window().Mnu_Info_Interface_COM()->trigger();
    EXPECT_EQ(general("BUS", "Interface"), QStringLiteral("COM"));
    EXPECT_EQ(start().instrument().serialSettings().lineSettings(), QStringLiteral("2400,N,8,1"));

    window().Mnu_Info_Interface_IEC()->trigger();
    ProgramStart again(data(), messages);
    again.run();
    EXPECT_EQ(again.instrument().interfaceInUse(), Interface::Bus);
    EXPECT_EQ(again.window().INIT_Taste()->text(), QStringLiteral("Init IEEE"));
}

TEST_F(ProgramStartTest, TheEndButtonLeavesAtOnceAndWritesNothing) {
    copyBundledData();
    startUp();
    const QMap<QString, QByteArray> before = folderContents(folder.path());
    window().Ende_Taste()->click();
    EXPECT_EQ(messages.quits, 1);
    EXPECT_EQ(folderContents(folder.path()), before);
}

TEST(WindowArgumentsTest, DataFolderAndHelp) {
    EXPECT_TRUE(parseWindowArguments({}).dataDir.isEmpty());
    EXPECT_TRUE(parseWindowArguments({}).error.isEmpty());
    EXPECT_EQ(parseWindowArguments({QStringLiteral("--data-dir"), QStringLiteral("/x")}).dataDir,
              QStringLiteral("/x"));
    EXPECT_EQ(parseWindowArguments({QStringLiteral("--data-dir=/y")}).dataDir,
              QStringLiteral("/y"));
    EXPECT_TRUE(parseWindowArguments({QStringLiteral("--help")}).help);
    EXPECT_TRUE(parseWindowArguments({QStringLiteral("-h")}).help);
    EXPECT_FALSE(parseWindowArguments({QStringLiteral("--data-dir")}).error.isEmpty());
    EXPECT_FALSE(parseWindowArguments({QStringLiteral("--bogus")}).error.isEmpty());
    EXPECT_TRUE(windowUsage().startsWith(QStringLiteral("Usage: zor-rds")));
}

TEST(WindowProgramTest, HelpAndMistakesNeedNoWindow) {
    const QString program = SimProcess::binDir() + QStringLiteral("/zor-rds");
    QProcess help;
    help.setProcessEnvironment(QProcessEnvironment());
    help.start(program, {QStringLiteral("--help")});
    ASSERT_TRUE(help.waitForFinished(10000));
    EXPECT_EQ(help.exitCode(), 0);
    EXPECT_EQ(QString::fromUtf8(help.readAllStandardOutput()), windowUsage());

    QProcess wrong;
    wrong.start(program, {QStringLiteral("--colour")});
    ASSERT_TRUE(wrong.waitForFinished(10000));
    EXPECT_EQ(wrong.exitCode(), 2);
    EXPECT_TRUE(wrong.readAllStandardError().contains("unknown argument '--colour'"));
}

} // namespace
} // namespace zor
