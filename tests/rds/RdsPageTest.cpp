#include "RdsFixture.h"
#include "panel/DisplayLabel.h"
#include "panel/LimitedTextEdit.h"
#include "panel/PictureSwitch.h"
#include "rds/DynamicPs.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTest>
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

TEST_F(RdsPageTest, EachHandlerHandsItsValueOverStoresItAndShowsIt) {
    page.showProgrammeTypes(programmeTypes());
    page.show();
    const Handling cases[] = {
        {"PS", [](RdsPage& p) { p.PS_T()->setText("ABCDEFGHIJ"); p.PS_Taste()->click(); },
         {"PS=ABCDEFGH"}, "PS", "ABCDEFGH", StatusField::Ps, "ABCDEFGH"},
        {"PI", [](RdsPage& p) {
             QTest::keyClicks(p.PI_T(), "D3C31");
             EXPECT_EQ(p.PI_T()->text(), QStringLiteral("D3C3"));
             p.PI_T()->setText("D3");
             p.Command3()->click();
         }, {"PI=D3"}, "PI", "D3", StatusField::Pi, "D3"},
        {"PTY", [](RdsPage& p) { emit p.PTY_Combo1()->activated(5); }, {"PTY=5"}, "PTY", "5",
         StatusField::Pty, "Type 5"},
        {"RadioText", [](RdsPage& p) {
             p.RT_Text1()->setPlainText("Zeile 1\nZeile 2");
             p.RT_Taste1()->click();
             p.RT_clear1()->click();
         }, {"RT=Zeile 1 Zeile 2", "RT=   "}, "RTA", "Zeile 1 Zeile 2", StatusField::Ps,
         "ABCDEFGH"},
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
    EXPECT_EQ(services.current.pi, QStringLiteral("D3"));
    EXPECT_EQ(services.current.radioText, QStringLiteral("   "));
}

// The loader fills the list quietly, then picks the stored type once; a
// stored text that names no entry picks none, and typing picks nothing.
TEST_F(RdsPageTest, ProgrammeTypesChooseTheStoredTypeOnce) {
    services.folder.write(kDataSetFile, "RDS", "PTY", QStringLiteral(" 7 "));
    page.showProgrammeTypes(programmeTypes());
    page.showProgrammeTypes(programmeTypes());
    page.show();
    QTest::keyClicks(page.PTY_Combo1(), QStringLiteral("Rock"));
    QTest::keyClick(page.PTY_Combo1(), Qt::Key_Return);
    EXPECT_EQ(page.PTY_Combo1()->count(), 32);
    EXPECT_EQ(page.ptyValue(), QStringLiteral("7"));
    EXPECT_EQ(sent(), QStringList({"PTY=7", "PTY=7"}));
    EXPECT_EQ(status(StatusField::Pty), QStringLiteral("Type 7"));
    for (const char* unusable : {"x", "32", ""}) {
        services.folder.write(kDataSetFile, "RDS", "PTY", QLatin1String(unusable));
        page.showProgrammeTypes(programmeTypes());
        EXPECT_EQ(page.PTY_Combo1()->currentIndex(), -1) << unusable;
        EXPECT_EQ(page.ptyValue(), QStringLiteral("0"));
    }
    EXPECT_TRUE(sent().isEmpty());
}

TEST_F(RdsPageTest, RestoreBringsTheStoredContentBackWithoutSending) {
    const std::pair<const char*, const char*> stored[] = {
        {"PS", "Radio X"}, {"PI", "D3C3"}, {"RTA", "Hallo"}, {"RTB", "Zweiter"},
        {"MS", "m"},       {"DI", "3"},    {"PTY", "7"},
    };
    for (const auto& [key, value] : stored)
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
    EXPECT_EQ(page.RT_Text1()->toPlainText(), QStringLiteral("Hallo"));
    EXPECT_EQ(services.current.secondRadioText, QStringLiteral("Zweiter"));
    EXPECT_FALSE(page.dynamicPs().running());
    EXPECT_TRUE(page.MS_opt(0)->isChecked());
    EXPECT_EQ(dataSet("MS"), QStringLiteral("M"));
    EXPECT_TRUE(page.DI_Opt(3)->isChecked());
    EXPECT_EQ(page.ptyValue(), QStringLiteral("7"));
    // A stored interval not beyond the duration comes back beyond it.
    EXPECT_EQ(page.TA_HScroll()->value(), 20);
    EXPECT_EQ(page.TA_Rep_HScroll()->value(), 21);
    EXPECT_EQ(services.stored(kGeneralFile, "RDS", "TA_REP"), QStringLiteral("21"));
    EXPECT_TRUE(page.TA_Option(0)->isChecked());
    EXPECT_FALSE(page.trafficAnnouncementOn());

    // Unusable texts choose nothing; the decoder information is not stored
    // in demo mode.
    services.folder.write(kDataSetFile, "RDS", "DI", QStringLiteral("16"));
    services.folder.write(kDataSetFile, "RDS", "MS", QString());
    services.folder.write(kGeneralFile, "RDS", "TA_REP", QStringLiteral("100"));
    page.restore();
    EXPECT_TRUE(page.MS_opt(1)->isChecked());
    EXPECT_EQ(page.TA_Rep_HScroll()->value(), 60);
    page.DI_Opt(5)->click();
    EXPECT_EQ(dataSet("DI"), QStringLiteral("16"));
    EXPECT_TRUE(services.instrument.sent().isEmpty());
}

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
    page.setTextQuestion([&](const QString& title, const QString&, const QString& proposal) {
        asked << title << proposal;
        return QStringLiteral("23:59:59");
    });
    QTest::mouseDClick(page.Uhr_Zeit(), Qt::LeftButton);
    EXPECT_EQ(asked, QStringList({"Zeit eingabe", clock.localTime().toString("hh:mm:ss")}));
    EXPECT_TRUE(sent().isEmpty());
}

} // namespace
} // namespace zor::test
