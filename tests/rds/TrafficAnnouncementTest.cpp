#include "RdsSimFixture.h"
#include "panel/DisplayLabel.h"
#include "panel/PictureSwitch.h"
#include "rds/DynamicPs.h"
#include "rds/TrafficAnnouncements.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QRadioButton>
#include <QScrollBar>
#include <QTimer>

namespace zor::test {
namespace {

const char* const kGeneral = "RDS_Allg.INI";

QStringList repeated(const QString& line, int times) {
    QStringList lines;
    for (int i = 0; i < times; ++i)
        lines << line;
    return lines;
}

class TrafficAnnouncementTest : public RdsSimTest {
protected:
    // Duration 10 s, interval 30 s, set as an operator sets them.
    void setTenAndThirty() {
        page().TA_Rep_HScroll()->setValue(30);
        page().TA_HScroll()->setValue(10);
        ASSERT_EQ(page().trafficAnnouncements().duration(), 10);
        ASSERT_EQ(page().trafficAnnouncements().interval(), 30);
    }

    const QString on = coder(QStringLiteral("TA=1"));
    const QString off = coder(QStringLiteral("TA=0"));
};

TEST_F(TrafficAnnouncementTest, ManualSwitchTogglesTheFlagPictureAndStatus) {
    page().TA_Option(0)->click();
    page().TA_Taste()->click();
    EXPECT_TRUE(page().trafficAnnouncementOn());
    EXPECT_TRUE(page().TA_Taste()->showsOn());
    EXPECT_EQ(services.status.statusText(0), QStringLiteral("ein"));
    page().TA_Taste()->click();
    EXPECT_FALSE(page().trafficAnnouncementOn());
    EXPECT_FALSE(page().TA_Taste()->showsOn());
    EXPECT_EQ(services.status.statusText(0), QStringLiteral("aus"));
    EXPECT_EQ(receivedLines(), (QStringList{on, off}));
}

TEST_F(TrafficAnnouncementTest, AutomaticCycleRepeatsWhileTrafficProgrammeIsSet) {
    setTenAndThirty();
    page().Check1()->click();
    advance(100);
    page().TA_Option(1)->click();
    EXPECT_EQ(page().TA_Timer()->interval(), 1000);

    // The repetition timer starts the first announcement within half a
    // second; the switch shows it from the announcement timer's first tick.
    advance(400);
    EXPECT_TRUE(page().trafficAnnouncementOn());
    EXPECT_FALSE(page().TA_Taste()->showsOn());
    advance(600);
    EXPECT_TRUE(page().TA_Taste()->showsOn());
    EXPECT_FALSE(page().TA_Option(0)->isEnabled());

    advance(10000);
    EXPECT_FALSE(page().trafficAnnouncementOn());
    EXPECT_FALSE(page().TA_Taste()->showsOn());
    EXPECT_TRUE(page().TA_Option(0)->isEnabled());
    EXPECT_TRUE(page().TA_Option(1)->isChecked());
    EXPECT_TRUE(page().trafficAnnouncements().offSent());
    // Only the switch writes the status field.
    EXPECT_EQ(services.status.statusText(0), QStringLiteral("ein"));

    // Thirty seconds after the first start the next one begins.
    advance(19899);
    EXPECT_FALSE(page().trafficAnnouncementOn());
    advance(1);
    EXPECT_TRUE(page().trafficAnnouncementOn());
    advance(100);

    QStringList expected{QStringLiteral(":stereo:rds:traffic:program ON")};
    expected << on << repeated(on, 10) << off << on << on;
    EXPECT_EQ(receivedLines(), expected);
}

TEST_F(TrafficAnnouncementTest, WithoutTrafficProgrammeOneAnnouncementRunsThenManualMode) {
    setTenAndThirty();
    advance(100);
    page().TA_Option(1)->click();
    advance(11000);
    EXPECT_TRUE(page().TA_Option(0)->isChecked());
    EXPECT_FALSE(page().TA_Timer()->isActive());
    advance(60000);
    EXPECT_FALSE(page().trafficAnnouncementOn());

    QStringList expected{on};
    expected << repeated(on, 10) << off;
    EXPECT_EQ(receivedLines(), expected);
}

TEST_F(TrafficAnnouncementTest, DurationNeverExceedsTheIntervalAndTheIntervalStaysBeyondIt) {
    page().TA_Rep_HScroll()->setValue(30);
    page().TA_HScroll()->setValue(45);
    EXPECT_EQ(page().TA_HScroll()->value(), 30);
    EXPECT_EQ(page().trafficAnnouncements().duration(), 30);
    EXPECT_EQ(stored(kGeneral, "RDS", "TA_ON"), QStringLiteral("30"));
    EXPECT_EQ(page().TA_Zeit_Label()->text(), QStringLiteral("Dauer [s]:  30"));

    page().TA_HScroll()->setValue(20);
    page().TA_Rep_HScroll()->setValue(10);
    EXPECT_EQ(page().TA_Rep_HScroll()->value(), 21);
    EXPECT_EQ(page().trafficAnnouncements().interval(), 21);
    EXPECT_EQ(stored(kGeneral, "RDS", "TA_REP"), QStringLiteral("21"));
    EXPECT_EQ(page().TA_Rep_Label()->text(), QStringLiteral("Wiederholung [s]:  21"));

    // At the interval's maximum the duration is held at it.
    page().TA_Rep_HScroll()->setValue(60);
    page().TA_HScroll()->setValue(300);
    EXPECT_EQ(page().TA_HScroll()->value(), 60);
    page().TA_Rep_HScroll()->setValue(59);
    EXPECT_EQ(page().TA_Rep_HScroll()->value(), 60);
    EXPECT_TRUE(receivedLines().isEmpty());
}

TEST_F(TrafficAnnouncementTest, ModeChoiceStopsTheDynamicPsAndTheEonHelpShowsItsLines) {
    page().Taste_PS_Auto()->click();
    ASSERT_TRUE(page().dynamicPs().running());
    page().TA_Option(0)->click();
    EXPECT_FALSE(page().dynamicPs().running());
    EXPECT_TRUE(page().Taste_PS_Auto()->showsOn());

    page().TA_EON_Hilfe()->click();
    EXPECT_EQ(
        services.messages.warnings,
        QStringList{QStringLiteral("EON TA | EON TA nur mit\nTP aus,\nTA ein\nund EON TP ein.\n")});
}

TEST_F(TrafficAnnouncementTest, InitialisationSwitchesTaOffAndTpOn) {
    page().switchTpOn();
    EXPECT_TRUE(page().Check1()->isChecked());
    EXPECT_EQ(services.status.statusText(10), QStringLiteral("ein"));
    page().switchTaOff();
    EXPECT_FALSE(page().trafficAnnouncementOn());
    EXPECT_EQ(services.status.statusText(0), QStringLiteral("aus"));
    EXPECT_EQ(receivedLines(),
              (QStringList{QStringLiteral(":stereo:rds:traffic:program ON"), off}));
}

} // namespace
} // namespace zor::test
