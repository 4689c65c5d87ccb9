#include "RdsFixture.h"
#include "panel/DisplayLabel.h"
#include "panel/LimitedTextEdit.h"
#include "panel/PictureSwitch.h"
#include "rds/AfLists.h"
#include "rds/DynamicPs.h"
#include "rds/GroupSequence.h"
#include "rds/RdsTexts.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTest>
#include <QWheelEvent>
#include <functional>

namespace zor::test {
namespace {

struct Handling {
    const char* what;
    std::function<void(RdsPage&)> act;
    QStringList handed;
    const char* key; // of section "RDS" of the data set file
    const char* stored;
    StatusField field;
    const char* shown;
};

// Each control's handler hands its value to the instrument, stores it in the
// data set (all but TP) and shows it in the status strip.
TEST_F(RdsPageTest, EachHandlerHandsItsValueOverStoresItAndShowsIt) {
    page.showProgrammeTypes(programmeTypes());
    page.show();
    sent();
    const Handling cases[] = {
        {"PS", [](RdsPage& p) { p.PS_T()->setText("ABCDEFGHIJ"); p.PS_Taste()->click(); },
         {"PS=ABCDEFGH"}, "PS", "ABCDEFGH", StatusField::Ps, "ABCDEFGH"},
        {"PI", [](RdsPage& p) { p.PI_T()->setText("D3"); p.Command3()->click(); }, {"PI=D3"},
         "PI", "D3", StatusField::Pi, "D3"},
        {"PTY", [](RdsPage& p) { emit p.PTY_Combo1()->activated(5); }, {"PTY=5"}, "PTY", "5",
         StatusField::Pty, "Type 5"},
        {"RadioText", [](RdsPage& p) {
             p.RT_Text1()->setPlainText("Zeile 1\nZeile 2\r\nZeile\u20293");
             p.RT_Taste1()->click();
             p.RT_clear1()->click();
         }, {"RT=Zeile 1 Zeile 2 Zeile 3", "RT=   "}, "RTA", "Zeile 1 Zeile 2 Zeile 3",
         StatusField::Ps, "ABCDEFGH"},
        {"M/S", [](RdsPage& p) { p.MS_opt(1)->click(); }, {"MS=S"}, "MS", "S",
         StatusField::MusicSpeech, "Sprache"},
        {"M/S by the demo button", [](RdsPage& p) { p.MS_opt_Click(0); }, {"MS=M"}, "MS", "M",
         StatusField::MusicSpeech, "Musik"},
        {"DI", [](RdsPage& p) { p.DI_Opt(3)->click(); }, {"DI=3"}, "DI", "3", StatusField::Pty,
         "Type 5"},
        {"TP, not stored", [](RdsPage& p) { p.Check1()->click(); }, {"TP=1"}, "TP", "",
         StatusField::Tp, "ein"},
    };
    for (const Handling& handling : cases) {
        SCOPED_TRACE(handling.what);
        handling.act(page);
        EXPECT_EQ(sent(), handling.handed);
        EXPECT_EQ(dataSet(handling.key), QString::fromUtf8(handling.stored));
        EXPECT_EQ(status(handling.field), QString::fromUtf8(handling.shown));
    }
    EXPECT_TRUE(page.MS_opt(0)->isChecked());
    EXPECT_EQ(services.current.radioText, QStringLiteral("   "));
}

// The loader fills the list quietly, then picks the stored type once, read
// as a stored number is read; a number that names no entry picks none. Then
// only a deliberate pick changes the type: typed text neither completes nor
// picks, the wheel over a closed list or a step control does nothing, the
// arrow keys on the focused list still pick.
TEST_F(RdsPageTest, OnlyTheLoaderAndADeliberatePickChooseTheProgrammeType) {
    const std::pair<const char*, QStringList> stored[] = {
        {"5.7", {"PTY=5"}}, {"x", {"PTY=0"}}, {"", {"PTY=0"}}, {"32", {}}, {" 7 ", {"PTY=7"}}};
    for (const auto& [text, handed] : stored) {
        services.folder.write(kDataSetFile, "RDS", "PTY", QLatin1String(text));
        page.showProgrammeTypes(programmeTypes());
        EXPECT_EQ(sent(), handed) << text;
    }
    EXPECT_EQ(page.PTY_Combo1()->count(), 32);
    page.show();
    QComboBox* pty = page.PTY_Combo1();
    pty->setFocus();
    QTest::keyClicks(pty, QStringLiteral("Type 1"));
    QTest::keyClick(pty, Qt::Key_Return);
    QTest::keyClick(pty, Qt::Key_Tab);
    for (QWidget* under : {static_cast<QWidget*>(pty), static_cast<QWidget*>(pty->lineEdit()),
                           static_cast<QWidget*>(page.TA_HScroll())}) {
        const QPointF middle(under->width() / 2.0, under->height() / 2.0);
        QWheelEvent notch(middle, under->mapToGlobal(middle), {}, {0, -120}, Qt::NoButton,
                          Qt::NoModifier, Qt::NoScrollPhase, false);
        QCoreApplication::sendEvent(under, &notch);
    }
    EXPECT_TRUE(sent().isEmpty());
    EXPECT_EQ(page.ptyValue(), QStringLiteral("7"));
    EXPECT_EQ(page.TA_HScroll()->value(), 0);
    pty->setFocus();
    QTest::keyClick(pty, Qt::Key_Down);
    EXPECT_EQ(sent(), QStringList{"PTY=8"});
}

// A stored text longer than its field's limit is shown, sent and stored back
// whole; the limit holds for what the operator types.
TEST_F(RdsPageTest, StoredTextsLongerThanTheirFieldStayWhole) {
    const QString radioText(70, u'R');
    services.folder.write(kDataSetFile, "RDS", "PI", QStringLiteral("D3C31"));
    services.folder.write(kDataSetFile, "RDS", "RTA", radioText);
    page.restore();
    sent();
    EXPECT_EQ(page.PI_T()->text(), QStringLiteral("D3C31"));
    page.Command3()->click();
    page.RT_Taste1()->click();
    EXPECT_EQ(sent(), QStringList({"PI=D3C31", "RT=" + radioText}));
    EXPECT_EQ(dataSet("RTA"), radioText);

    page.show();
    page.PI_T()->clear();
    QTest::keyClicks(page.PI_T(), QStringLiteral("ABCDEF"));
    EXPECT_EQ(page.PI_T()->text(), QStringLiteral("ABCD"));
    page.RT_Text1()->clear();
    page.RT_Text1()->setFocus();
    QTest::keyClicks(page.RT_Text1(), QString(70, u'x'));
    EXPECT_EQ(page.RT_Text1()->toPlainText(), QString(63, u'x'));
}

// The restore runs the handlers as the operator would, in demo mode: they
// store back, send nothing, and choose nothing for texts that name nothing.
TEST_F(RdsPageTest, RestoreBringsTheStoredContentBackWithoutSending) {
    for (const auto& [key, value] : {std::pair{"PS", "Radio X"}, {"PI", "D3C3"}, {"RTA", "Hallo"},
                                     {"RTB", "Zwei"}, {"MS", "m"}, {"DI", "3"}, {"PTY", "7"}})
        services.folder.write(kDataSetFile, "RDS", key, QLatin1String(value));
    services.folder.write(kGeneralFile, "RDS", "TA_ON", QStringLiteral("20"));
    services.folder.write(kGeneralFile, "RDS", "TA_REP", QStringLiteral("10"));
    page.showProgrammeTypes(programmeTypes());
    page.Taste_PS_Auto()->click();
    services.instrument.demo = true;
    services.instrument.handed.clear();
    page.restore();
    EXPECT_TRUE(services.instrument.sent().isEmpty());
    EXPECT_EQ(page.PS_T()->text(), QStringLiteral("Radio X"));
    EXPECT_EQ(status(StatusField::Pi), QStringLiteral("D3C3"));
    EXPECT_EQ(services.current.secondRadioText, QStringLiteral("Zwei"));
    EXPECT_FALSE(page.dynamicPs().running());
    EXPECT_EQ(dataSet("MS"), QStringLiteral("M"));
    EXPECT_TRUE(page.DI_Opt(3)->isChecked());
    EXPECT_EQ(page.ptyValue(), QStringLiteral("7"));
    // A stored interval not beyond the duration comes back beyond it.
    EXPECT_EQ(page.TA_Rep_HScroll()->value(), 21);
    EXPECT_EQ(services.stored(kGeneralFile, "RDS", "TA_REP"), QStringLiteral("21"));
    EXPECT_TRUE(page.TA_Option(0)->isChecked());

    services.folder.write(kDataSetFile, "RDS", "DI", QString());
    page.restore();
    EXPECT_TRUE(page.DI_Opt(0)->isChecked());
    services.folder.write(kDataSetFile, "RDS", "DI", QStringLiteral("16"));
    services.folder.write(kDataSetFile, "RDS", "MS", QString());
    services.folder.write(kGeneralFile, "RDS", "TA_REP", QStringLiteral("100.9"));
    page.restore();
    EXPECT_TRUE(page.MS_opt(1)->isChecked());
    EXPECT_EQ(page.TA_Rep_HScroll()->value(), 60);
    page.DI_Opt(5)->click();
    EXPECT_EQ(dataSet("DI"), QStringLiteral("16"));
}

// While the clock is on, the time goes out every twenty seconds; the time
// box proposes the clock's time and sends nothing.
TEST_F(RdsPageTest, ClockGoesOutEveryTwentySecondsWhileOnAndTheTimeBoxChangesNothing) {
    services.folder.write(kGeneralFile, "Sprache", "Sprache", QStringLiteral("deutsch"));
    services.folder.write(kLanguageFile, "deutsch", "193", QStringLiteral("Uhr aus"));
    advance(5000);
    page.Zeit_Taste()->click();
    EXPECT_EQ(page.Uhr_Zeit()->text(), QStringLiteral("Uhr aus"));
    advance(20000);
    const QString first = clock.localTime().toString(QStringLiteral("hh:mm:ss"));
    advance(20000);
    const QString second = clock.localTime().toString(QStringLiteral("hh:mm:ss"));
    page.Zeit_Taste()->click();
    advance(60000);
    EXPECT_EQ(sent(), QStringList({"UHR=" + first, "UHR=" + second}));
    QStringList asked;
    page.setTextQuestion([&](const QString&, const QString&, const QString& proposal) {
        asked << proposal;
        return QStringLiteral("23:59:59");
    });
    QTest::mouseDClick(page.Uhr_Zeit(), Qt::LeftButton);
    EXPECT_EQ(asked, QStringList{clock.localTime().toString("hh:mm:ss")});
    EXPECT_TRUE(sent().isEmpty());
}

// The TA switch toggles the announcement and shows it; the EON TA help
// shows its caption lines.
TEST_F(RdsPageTest, TheSwitchTogglesTheAnnouncementAndTheHelpShowsItsLines) {
    page.TA_Taste()->click();
    EXPECT_TRUE(page.TA_Taste()->showsOn());
    EXPECT_EQ(status(StatusField::Ta), QStringLiteral("ein"));
    page.TA_Taste()->click();
    EXPECT_EQ(status(StatusField::Ta), QStringLiteral("aus"));
    page.switchTpOn();
    page.switchTaOff();
    EXPECT_EQ(sent(), QStringList({"TA=1", "TA=0", "TP=1", "TA=0"}));
    page.TA_EON_Hilfe()->click();
    EXPECT_EQ(services.messages.warnings,
              QStringList{"EON TA | EON TA nur mit\nTP aus,\nTA ein\nund EON TP ein.\n"});
}

// In automatic mode, with TP, announcements of 10 s repeat every 30 s: the
// first within half a second, shown from the announcement timer's next
// tick; without TP one runs and the mode falls back to manual. The duration
// never exceeds the interval, the interval stays beyond the duration.
TEST_F(RdsPageTest, AutomaticAnnouncementsRepeatWhileTrafficProgrammeIsSet) {
    page.TA_Rep_HScroll()->setValue(30);
    page.TA_HScroll()->setValue(45);
    EXPECT_EQ(page.TA_Zeit_Label()->text(), QStringLiteral("Dauer [s]:  30"));
    page.TA_HScroll()->setValue(10);
    page.TA_Rep_HScroll()->setValue(5);
    EXPECT_EQ(services.stored(kGeneralFile, "RDS", "TA_REP"), QStringLiteral("11"));
    page.TA_Rep_HScroll()->setValue(30);
    page.Check1()->click();
    page.TA_Option(1)->click();
    advance(500);
    EXPECT_TRUE(page.trafficAnnouncementOn());
    EXPECT_FALSE(page.TA_Taste()->showsOn());
    advance(600);
    EXPECT_TRUE(page.TA_Taste()->showsOn());
    EXPECT_FALSE(page.TA_Option(0)->isEnabled());
    advance(30000);
    EXPECT_TRUE(page.trafficAnnouncementOn());
    EXPECT_EQ(sent(), QStringList({"TP=1", "TA=1"}) + QStringList(10, "TA=1") +
                          QStringList({"TA=0", "TA=1"}));
    page.Check1()->click();
    advance(11000);
    EXPECT_TRUE(page.TA_Option(0)->isChecked());
    advance(60000);
    const QStringList last = sent();
    EXPECT_EQ(last.first(), QStringLiteral("TP=0"));
    EXPECT_EQ(last.count(QStringLiteral("TA=0")), 1);
    EXPECT_EQ(last.last(), QStringLiteral("TA=0"));
}

// Every two seconds the pattern and the PS field, read at each step, take
// turns; nothing of it is stored, and the mode choice stops it. A click
// that waits while a step lets events run ends it and gives the coder the
// field back.
TEST_F(RdsPageTest, DynamicPsAlternatesWithTheFieldUntilSwitchedOff) {
    page.PS_T()->setText(QStringLiteral("RADIO 7"));
    page.Taste_PS_Auto()->click();
    advance(4000);
    page.PS_T()->setText(QStringLiteral("NEWS"));
    advance(2000);
    QMetaObject::invokeMethod(
        page.Taste_PS_Auto(), [this] { page.Taste_PS_Auto()->click(); }, Qt::QueuedConnection);
    advance(2000);
    EXPECT_FALSE(page.Taste_PS_Auto()->showsOn());
    page.Taste_PS_Auto()->click();
    page.TA_Option(0)->click();
    advance(6000);
    EXPECT_TRUE(page.Taste_PS_Auto()->showsOn());
    EXPECT_EQ(sent(), QStringList({"PS=>--<>--<", "PS=RADIO 7", "PS=>--<>--<", "PS=NEWS", "PS=NEWS"}));
    EXPECT_EQ(dataSet("PS"), QString());
}

// Texts the handlers do not reach: a tuned frequency whose point stands
// where no one-decimal form can be cut, stored group entries that name no
// group, a negative time.
TEST(RdsTextsTest, TextsTheCoderCannotTakeAsTheyAre) {
    EXPECT_EQ(tunedFrequencyDisplay(QStringLiteral("104.35"), {}), QStringLiteral("104.3"));
    EXPECT_EQ(tunedFrequencyDisplay(QStringLiteral("0098.5"), "95.0"), QStringLiteral("95.0"));
    EXPECT_EQ(storedGroupSequence(QStringLiteral("16A,99A,-1A,05A")), QList<int>({5}));
    EXPECT_EQ(storedGroupSequence(QStringLiteral("xyz")), QList<int>({0}));
    EXPECT_EQ(secondsLabel(QString(), -4), QStringLiteral(" -4"));
}

} // namespace
} // namespace zor::test
