#include "RdsSimFixture.h"
#include "panel/DisplayLabel.h"
#include "panel/LimitedTextEdit.h"
#include "panel/PictureSwitch.h"
#include "panel/StereoPage.h"
#include "rds/DataMode.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

namespace zor::test {
namespace {

const char* const kDataSet = "Datenset1.INI";

QStringList programmeTypes() {
    QStringList names;
    for (int code = 0; code < 32; ++code)
        names << QStringLiteral("Type %1").arg(code);
    return names;
}

class ProgrammeDataTest : public RdsSimTest {};

TEST_F(ProgrammeDataTest, PsTakesTheFirstEightCharactersAndTheCoderPadsShortNames) {
    page().PS_T()->setText(QStringLiteral("ABCDEFGHIJ"));
    page().PS_Taste()->click();
    EXPECT_EQ(stored(kDataSet, "RDS", "PS"), QStringLiteral("ABCDEFGH"));
    EXPECT_EQ(services.status.statusText(3), QStringLiteral("ABCDEFGH"));
    EXPECT_EQ(services.current.ps, QStringLiteral("ABCDEFGH"));

    page().PS_T()->setText(QStringLiteral("ABC"));
    page().PS_Taste()->click();
    EXPECT_EQ(stored(kDataSet, "RDS", "PS"), QStringLiteral("ABC"));
    EXPECT_EQ(services.status.statusText(3), QStringLiteral("ABC"));
    EXPECT_EQ(services.current.ps, QStringLiteral("ABC"));

    EXPECT_EQ(receivedLines(), (QStringList{coder(QStringLiteral("PS=ABCDEFGH")),
                                            coder(QStringLiteral("PS=ABC     "))}));
}

TEST_F(ProgrammeDataTest, PiFollowsTheFieldAndGoesOutPaddedToFourCharacters) {
    page().show();
    QTest::keyClicks(page().PI_T(), QStringLiteral("D3C31"));
    EXPECT_EQ(page().PI_T()->text(), QStringLiteral("D3C3"));
    EXPECT_EQ(services.current.pi, QStringLiteral("D3C3"));

    page().PI_T()->clear();
    QTest::keyClicks(page().PI_T(), QStringLiteral("D3"));
    EXPECT_EQ(services.current.pi, QStringLiteral("D3"));
    page().Command3()->click();
    EXPECT_EQ(stored(kDataSet, "RDS", "PI"), QStringLiteral("D3"));
    EXPECT_EQ(services.status.statusText(2), QStringLiteral("D3"));
    EXPECT_EQ(services.current.pi, QStringLiteral("D3"));
    EXPECT_EQ(receivedLines(), QStringList{coder(QStringLiteral("PI=D3  "))});
}

TEST_F(ProgrammeDataTest, PickedProgrammeTypeGoesOutAsTwoDigitsAndTypingSendsNothing) {
    page().fillPtyList(programmeTypes());
    page().show();
    QTest::keyClicks(page().PTY_Combo1(), QStringLiteral("Rock"));
    QTest::keyClick(page().PTY_Combo1(), Qt::Key_Return);
    EXPECT_TRUE(receivedLines().isEmpty());

    page().PTY_Combo1()->setCurrentIndex(5);
    emit page().PTY_Combo1()->activated(5);
    EXPECT_EQ(stored(kDataSet, "RDS", "PTY"), QStringLiteral("5"));
    EXPECT_EQ(services.status.statusText(4), QStringLiteral("Type 5"));
    EXPECT_EQ(page().ptyValue(), QStringLiteral("5"));
    EXPECT_EQ(receivedLines(), QStringList{coder(QStringLiteral("PTY=05"))});
}

TEST_F(ProgrammeDataTest, RadioTextIsStoredAndSentAndClearingLeavesTheStoredText) {
    page().RT_Text1()->setPlainText(QStringLiteral("Guten Morgen"));
    page().RT_Taste1()->click();
    EXPECT_EQ(stored(kDataSet, "RDS", "RTA"), QStringLiteral("Guten Morgen"));
    EXPECT_EQ(services.current.radioText, QStringLiteral("Guten Morgen"));

    page().RT_clear1()->click();
    EXPECT_TRUE(page().RT_Text1()->toPlainText().isEmpty());
    EXPECT_EQ(services.current.radioText, QStringLiteral("   "));
    EXPECT_EQ(stored(kDataSet, "RDS", "RTA"), QStringLiteral("Guten Morgen"));

    // A line break typed into the field must not split the command line.
    page().RT_Text1()->setPlainText(QStringLiteral("Zeile 1\nZeile 2"));
    page().RT_Taste1()->click();
    EXPECT_EQ(receivedLines(), (QStringList{coder(QStringLiteral("RT=12,0,Guten Morgen")),
                                            coder(QStringLiteral("RT=12,0,   ")),
                                            coder(QStringLiteral("RT=12,0,Zeile 1 Zeile 2"))}));
}

TEST_F(ProgrammeDataTest, DecoderInfoDoesNothingInDemoMode) {
    services.gate.setDemo(true);
    page().DI_Opt(3)->click();
    EXPECT_TRUE(stored(kDataSet, "RDS", "DI").isEmpty());
    EXPECT_FALSE(QFile::exists(dataFile(kDataSet)));

    services.gate.setDemo(false);
    page().DI_Opt(3)->click();
    EXPECT_EQ(stored(kDataSet, "RDS", "DI"), QStringLiteral("3"));
    EXPECT_EQ(receivedLines(), QStringList{coder(QStringLiteral("DI=3"))});
}

TEST_F(ProgrammeDataTest, TrafficProgrammeShowsItsWordAndEnablesTheAnnouncementControls) {
    page().TA_Option(0)->setEnabled(false);
    page().TA_Taste()->setEnabled(false);
    page().Check1()->click();
    EXPECT_EQ(services.status.statusText(10), QStringLiteral("ein"));
    page().Check1()->click();
    EXPECT_EQ(services.status.statusText(10), QStringLiteral("aus"));
    EXPECT_TRUE(page().TA_Option(0)->isEnabled());
    EXPECT_TRUE(page().TA_Option(1)->isEnabled());
    EXPECT_TRUE(page().TA_Taste()->isEnabled());
    // TP is not stored.
    EXPECT_FALSE(QFile::exists(dataFile(kDataSet)));
    EXPECT_EQ(receivedLines(), (QStringList{QStringLiteral(":stereo:rds:traffic:program ON"),
                                            QStringLiteral(":stereo:rds:traffic:program OFF")}));
}

TEST_F(ProgrammeDataTest, MusicSpeechIsStoredAsItsLetterWithItsWordInTheStatus) {
    page().MS_opt(1)->click();
    EXPECT_EQ(stored(kDataSet, "RDS", "MS"), QStringLiteral("S"));
    EXPECT_EQ(services.status.statusText(1), QStringLiteral("Sprache"));
    EXPECT_EQ(services.current.musicSpeech, QStringLiteral("S"));

    // As the demo button runs it: the option follows the handler.
    page().MS_opt_Click(0);
    EXPECT_TRUE(page().MS_opt(0)->isChecked());
    EXPECT_EQ(services.status.statusText(1), QStringLiteral("Musik"));
    EXPECT_EQ(receivedLines(),
              (QStringList{coder(QStringLiteral("MS=S")), coder(QStringLiteral("MS=M"))}));
}

TEST_F(ProgrammeDataTest, DataModeFirstSelectsRdsModeThenToggles) {
    StereoPage stereo(services.context);
    page().attachTestMode(stereo);
    EXPECT_TRUE(stereo.TestDat_Opt(0)->isChecked());

    // Before the first data mode click the patterns can be chosen.
    stereo.TestDat_Opt(2)->click();
    stereo.Taste_DATA_MODE()->click();
    EXPECT_EQ(stereo.Taste_DATA_MODE()->text(), QStringLiteral("&RDS_Mode"));
    EXPECT_FALSE(stereo.TestDat_Opt(3)->isEnabled());
    stereo.Taste_DATA_MODE()->click();
    EXPECT_EQ(stereo.Taste_DATA_MODE()->text(), QStringLiteral("&Test_Mode"));
    EXPECT_TRUE(stereo.TestDat_Opt(3)->isEnabled());
    stereo.TestDat_Opt(3)->click();
    // The initialisation's run of the handler.
    page().Taste_DATA_MODE_Click();
    EXPECT_EQ(stereo.Taste_DATA_MODE()->text(), QStringLiteral("&RDS_Mode"));

    EXPECT_EQ(receivedLines(),
              (QStringList{coder(QStringLiteral("BIN=3")), coder(QStringLiteral("BIN=0")),
                           coder(QStringLiteral("BIN=1")), coder(QStringLiteral("BIN=4")),
                           coder(QStringLiteral("BIN=0"))}));
}

TEST_F(ProgrammeDataTest, ClockTimeGoesOutEveryTwentySecondsOnlyWhileSwitchedOn) {
    writeStored("RDS_Allg.INI", "Sprache", "Sprache", QStringLiteral("deutsch"));
    writeStored("Sprachen.ini", "deutsch", "193", QStringLiteral("Uhr aus"));
    advance(5000);
    EXPECT_TRUE(receivedLines().isEmpty());

    page().Zeit_Taste()->click();
    EXPECT_TRUE(page().Zeit_Taste()->showsOn());
    EXPECT_EQ(page().Timer1()->interval(), 20000);
    EXPECT_EQ(page().Uhr_Zeit()->text(), QStringLiteral("Uhr aus"));
    advance(19999);
    EXPECT_EQ(page().Uhr_Zeit()->text(), QStringLiteral("Uhr aus"));
    advance(1);
    const QString firstTime = clock.localTime().toString(QStringLiteral("hh:mm:ss"));
    EXPECT_EQ(page().Uhr_Zeit()->text(), firstTime);
    EXPECT_EQ(services.current.clock, firstTime);
    advance(20000);
    const QString secondTime = clock.localTime().toString(QStringLiteral("hh:mm:ss"));
    const QString date = clock.localTime().toString(QStringLiteral("dd.MM.yy"));

    page().Zeit_Taste()->click();
    EXPECT_FALSE(page().Zeit_Taste()->showsOn());
    EXPECT_EQ(page().Uhr_Zeit()->text(), QStringLiteral("Uhr aus"));
    advance(60000);
    EXPECT_EQ(receivedLines(),
              (QStringList{coder(QStringLiteral("CT=%1,%2").arg(firstTime, date)),
                           coder(QStringLiteral("CT=%1,%2").arg(secondTime, date))}));
}

TEST_F(ProgrammeDataTest, TimeEntryBoxShowsTheTimeAndChangesNothing) {
    QStringList asked;
    page().setTextQuestion(
        [&](const QString& title, const QString& prompt, const QString& proposal) {
            asked << title << prompt << proposal;
            return QStringLiteral("23:59:59");
        });
    const QString shown = page().Uhr_Zeit()->text();
    QTest::mouseDClick(page().Uhr_Zeit(), Qt::LeftButton);
    EXPECT_EQ(asked, (QStringList{QStringLiteral("Zeit eingabe"), QStringLiteral("Uhrzeit: "),
                                  clock.localTime().toString(QStringLiteral("hh:mm:ss"))}));
    EXPECT_EQ(page().Uhr_Zeit()->text(), shown);
    EXPECT_TRUE(receivedLines().isEmpty());
}

TEST_F(ProgrammeDataTest, AFileThatCannotBeWrittenIsToldOnce) {
    // A folder in the place of the data set file cannot be replaced.
    ASSERT_TRUE(QDir(services.folder.path()).mkdir(QLatin1String(kDataSet)));
    page().PS_T()->setText(QStringLiteral("EINS"));
    page().PS_Taste()->click();
    page().PS_Taste()->click();
    ASSERT_EQ(services.messages.warnings.size(), 1);
    EXPECT_TRUE(services.messages.warnings.front().startsWith(QStringLiteral("Fehler! | ")));
    EXPECT_TRUE(services.messages.warnings.front().contains(QStringLiteral("PS")));
    // The coder still gets the name.
    EXPECT_EQ(receivedLines().size(), 2);

    ASSERT_TRUE(QDir(services.folder.path()).rmdir(QLatin1String(kDataSet)));
    page().PS_Taste()->click();
    EXPECT_EQ(stored(kDataSet, "RDS", "PS"), QStringLiteral("EINS"));
    EXPECT_EQ(services.messages.warnings.size(), 1);
}

} // namespace
} // namespace zor::test
