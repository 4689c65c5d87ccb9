#include "RdsFixture.h"
#include "panel/DisplayLabel.h"
#include "panel/PictureSwitch.h"
#include "rds/DynamicPs.h"
#include "rds/TrafficAnnouncements.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QScrollBar>

namespace zor::test {
namespace {

class TrafficAnnouncementTest : public RdsPageTest {
protected:
    void automaticTenEveryThirty() {
        page.TA_Rep_HScroll()->setValue(30);
        page.TA_HScroll()->setValue(10);
        advance(100);
        page.TA_Option(1)->click();
    }
};

TEST_F(TrafficAnnouncementTest, ManualSwitchTogglesFlagPictureAndStatus) {
    page.TA_Taste()->click();
    EXPECT_TRUE(page.TA_Taste()->showsOn());
    EXPECT_EQ(status(StatusField::Ta), QStringLiteral("ein"));
    page.TA_Taste()->click();
    EXPECT_FALSE(page.trafficAnnouncementOn());
    EXPECT_EQ(status(StatusField::Ta), QStringLiteral("aus"));
    page.switchTpOn();
    page.switchTaOff();
    EXPECT_EQ(sent(), QStringList({"TA=1", "TA=0", "TP=1", "TA=0"}));
}

// With TP the announcements repeat: the first within half a second of
// automatic mode, shown from the announcement timer's next tick, then every
// interval after the last start.
TEST_F(TrafficAnnouncementTest, AutomaticAnnouncementsRepeatWhileTrafficProgrammeIsSet) {
    page.Check1()->click();
    automaticTenEveryThirty();
    advance(400);
    EXPECT_TRUE(page.trafficAnnouncementOn());
    EXPECT_FALSE(page.TA_Taste()->showsOn());
    advance(600);
    EXPECT_TRUE(page.TA_Taste()->showsOn());
    EXPECT_FALSE(page.TA_Option(0)->isEnabled());
    advance(10000);
    EXPECT_FALSE(page.trafficAnnouncementOn());
    EXPECT_TRUE(page.TA_Option(0)->isEnabled());
    advance(19899);
    EXPECT_FALSE(page.trafficAnnouncementOn());
    advance(1);
    EXPECT_TRUE(page.trafficAnnouncementOn());
    EXPECT_EQ(sent(), QStringList({"TP=1", "TA=1"}) + QStringList(10, "TA=1") +
                          QStringList({"TA=0", "TA=1"}));
}

TEST_F(TrafficAnnouncementTest, WithoutTrafficProgrammeOneAnnouncementRunsThenManualMode) {
    automaticTenEveryThirty();
    advance(11000);
    EXPECT_TRUE(page.TA_Option(0)->isChecked());
    advance(60000);
    EXPECT_EQ(sent(), QStringList(11, "TA=1") + QStringList({"TA=0"}));
}

// The duration never exceeds the interval, the interval stays beyond it;
// what the controls then show is stored.
TEST_F(TrafficAnnouncementTest, DurationAndIntervalHoldEachOther) {
    page.TA_Rep_HScroll()->setValue(30);
    page.TA_HScroll()->setValue(45);
    EXPECT_EQ(page.TA_HScroll()->value(), 30);
    EXPECT_EQ(page.TA_Zeit_Label()->text(), QStringLiteral("Dauer [s]:  30"));
    page.TA_HScroll()->setValue(20);
    page.TA_Rep_HScroll()->setValue(10);
    EXPECT_EQ(page.TA_Rep_HScroll()->value(), 21);
    EXPECT_EQ(services.stored(kGeneralFile, "RDS", "TA_ON"), QStringLiteral("20"));
    EXPECT_EQ(services.stored(kGeneralFile, "RDS", "TA_REP"), QStringLiteral("21"));
}

TEST_F(TrafficAnnouncementTest, ModeChoiceStopsTheDynamicPsAndTheHelpShowsItsLines) {
    page.Taste_PS_Auto()->click();
    page.TA_Option(0)->click();
    EXPECT_FALSE(page.dynamicPs().running());
    EXPECT_TRUE(page.Taste_PS_Auto()->showsOn());
    page.TA_EON_Hilfe()->click();
    EXPECT_EQ(services.messages.warnings,
              QStringList{"EON TA | EON TA nur mit\nTP aus,\nTA ein\nund EON TP ein.\n"});
}

using DynamicPsTest = RdsPageTest;

// Every two seconds the pattern and the PS field, read at each step, take
// turns; nothing of it is stored. A click that waits while a step lets
// events run ends it and gives the coder the field back; stopped by another
// part, one click starts it again.
TEST_F(DynamicPsTest, AlternatesWithTheFieldUntilSwitchedOff) {
    page.PS_T()->setText(QStringLiteral("RADIO 7"));
    page.Taste_PS_Auto()->click();
    advance(4000);
    page.PS_T()->setText(QStringLiteral("NEWS"));
    advance(2000);
    QMetaObject::invokeMethod(
        page.Taste_PS_Auto(), [this] { page.Taste_PS_Auto()->click(); }, Qt::QueuedConnection);
    advance(2000);
    EXPECT_FALSE(page.Taste_PS_Auto()->showsOn());
    EXPECT_EQ(status(StatusField::Ps), QStringLiteral("NEWS"));
    page.Taste_PS_Auto()->click();
    page.stopDynamicPs();
    advance(6000);
    page.Taste_PS_Auto()->click();
    EXPECT_TRUE(page.dynamicPs().running());
    EXPECT_EQ(sent(), QStringList({"PS=>--<>--<", "PS=RADIO 7", "PS=>--<>--<", "PS=NEWS", "PS=NEWS"}));
    EXPECT_EQ(dataSet("PS"), QString());
}

} // namespace
} // namespace zor::test
