#include "RdsSimFixture.h"
#include "panel/DisplayLabel.h"
#include "panel/LimitedTextEdit.h"
#include "panel/PictureSwitch.h"
#include "rds/DynamicPs.h"
#include "rds/TrafficAnnouncements.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QScrollBar>
#include <QTimer>

namespace zor::test {
namespace {

const char* const kDataSet = "Datenset1.INI";
const char* const kGeneral = "RDS_Allg.INI";

class RdsRestoreTest : public RdsSimTest {
protected:
    // The start-up: programme types loaded, demo mode, then the restore.
    void restore() {
        QStringList names;
        for (int code = 0; code < 32; ++code)
            names << QStringLiteral("Type %1").arg(code);
        page().fillPtyList(names);
        services.gate.setDemo(true);
        page().restoreTrafficAnnouncements();
        page().restoreContent();
        services.gate.setDemo(false);
    }
};

TEST_F(RdsRestoreTest, StoredFolderComesBackIntoControlsAndCurrentValues) {
    writeStored(kDataSet, "RDS", "PS", QStringLiteral("Radio X"));
    writeStored(kDataSet, "RDS", "PI", QStringLiteral("D3C3"));
    writeStored(kDataSet, "RDS", "RTA", QStringLiteral("Hallo Welt"));
    writeStored(kDataSet, "RDS", "RTB", QStringLiteral("Zweiter Text"));
    writeStored(kDataSet, "RDS", "MS", QStringLiteral("m"));
    writeStored(kDataSet, "RDS", "DI", QStringLiteral("3"));
    writeStored(kDataSet, "RDS", "PTY", QStringLiteral("7"));
    writeStored(kGeneral, "RDS", "TA_ON", QStringLiteral("10"));
    writeStored(kGeneral, "RDS", "TA_REP", QStringLiteral("30"));
    page().Taste_PS_Auto()->click();
    restore();

    EXPECT_EQ(page().PS_T()->text(), QStringLiteral("Radio X"));
    EXPECT_EQ(services.current.ps, QStringLiteral("Radio X"));
    EXPECT_EQ(services.status.statusText(3), QStringLiteral("Radio X"));
    EXPECT_FALSE(page().dynamicPs().running());
    EXPECT_FALSE(page().Taste_PS_Auto()->showsOn());
    EXPECT_EQ(page().PI_T()->text(), QStringLiteral("D3C3"));
    EXPECT_EQ(services.current.pi, QStringLiteral("D3C3"));
    EXPECT_EQ(services.status.statusText(2), QStringLiteral("D3C3"));
    EXPECT_EQ(page().RT_Text1()->toPlainText(), QStringLiteral("Hallo Welt"));
    EXPECT_EQ(services.current.radioText, QStringLiteral("Hallo Welt"));
    EXPECT_EQ(services.current.secondRadioText, QStringLiteral("Zweiter Text"));
    EXPECT_TRUE(page().MS_opt(0)->isChecked());
    EXPECT_EQ(services.current.musicSpeech, QStringLiteral("M"));
    EXPECT_EQ(services.status.statusText(1), QStringLiteral("Musik"));
    EXPECT_TRUE(page().DI_Opt(3)->isChecked());
    EXPECT_EQ(page().PTY_Combo1()->currentIndex(), 7);
    EXPECT_EQ(services.status.statusText(4), QStringLiteral("Type 7"));
    EXPECT_EQ(page().ptyValue(), QStringLiteral("7"));

    EXPECT_EQ(page().TA_Rep_HScroll()->value(), 30);
    EXPECT_EQ(page().TA_HScroll()->value(), 10);
    EXPECT_EQ(page().TA_Zeit_Label()->text(), QStringLiteral("Dauer [s]:  10"));
    EXPECT_TRUE(page().TA_Option(0)->isChecked());
    EXPECT_FALSE(page().TA_Timer()->isActive());
    EXPECT_FALSE(page().trafficAnnouncementOn());
    EXPECT_FALSE(page().TA_Taste()->showsOn());

    // The handlers wrote back what was read; nothing reached the instrument.
    EXPECT_EQ(stored(kDataSet, "RDS", "MS"), QStringLiteral("M"));
    EXPECT_EQ(stored(kDataSet, "RDS", "PTY"), QStringLiteral("7"));
    EXPECT_EQ(stored(kGeneral, "RDS", "TA_ON"), QStringLiteral("10"));
    EXPECT_TRUE(receivedLines().isEmpty());

    // The first announcement in automatic mode starts at once.
    page().TA_Option(1)->click();
    advance(500);
    EXPECT_TRUE(page().trafficAnnouncementOn());
    EXPECT_EQ(receivedLines(), QStringList{coder(QStringLiteral("TA=1"))});
}

TEST_F(RdsRestoreTest, EmptyFolderComesUpEmptyAndChoosesNothingUnreadable) {
    writeStored(kDataSet, "RDS", "DI", QStringLiteral("16"));
    writeStored(kDataSet, "RDS", "PTY", QStringLiteral("x"));
    page().PTY_Combo1()->setCurrentIndex(-1);
    restore();
    EXPECT_TRUE(page().PS_T()->text().isEmpty());
    EXPECT_TRUE(page().PI_T()->text().isEmpty());
    EXPECT_TRUE(page().MS_opt(1)->isChecked());
    EXPECT_EQ(services.status.statusText(1), QStringLiteral("Sprache"));
    EXPECT_EQ(page().DI_Opt()->checkedId(), -1);
    EXPECT_EQ(page().PTY_Combo1()->currentIndex(), -1);
    EXPECT_EQ(page().ptyValue(), QStringLiteral("0"));
    EXPECT_EQ(page().TA_HScroll()->value(), 0);
    EXPECT_EQ(page().TA_Rep_HScroll()->value(), 0);
    EXPECT_TRUE(receivedLines().isEmpty());
}

TEST_F(RdsRestoreTest, StoredTimesAreHeldWithinTheirControlsAndTheirCoupling) {
    writeStored(kGeneral, "RDS", "TA_ON", QStringLiteral("45"));
    writeStored(kGeneral, "RDS", "TA_REP", QStringLiteral("100"));
    restore();
    EXPECT_EQ(page().TA_Rep_HScroll()->value(), 60);
    EXPECT_EQ(page().TA_HScroll()->value(), 45);
    EXPECT_EQ(stored(kGeneral, "RDS", "TA_REP"), QStringLiteral("60"));

    writeStored(kGeneral, "RDS", "TA_ON", QStringLiteral("20"));
    writeStored(kGeneral, "RDS", "TA_REP", QStringLiteral("10"));
    restore();
    EXPECT_EQ(page().TA_Rep_HScroll()->value(), 21);
    EXPECT_EQ(page().TA_HScroll()->value(), 20);
    EXPECT_EQ(stored(kGeneral, "RDS", "TA_REP"), QStringLiteral("21"));
    EXPECT_EQ(stored(kGeneral, "RDS", "TA_ON"), QStringLiteral("20"));
}

} // namespace
} // namespace zor::test
