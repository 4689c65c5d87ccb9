#include "panel/DisplayLabel.h"
#include "panel/LinkedPage.h"
#include "panel/PictureSwitch.h"
#include "panel/StereoPage.h"

#include <QButtonGroup>
#include <QLocale>
#include <QRadioButton>
#include <QScrollBar>
#include <QTest>

namespace zor {
namespace {

// A deviation display in the operating system's decimal separator.
QString kHz(const char* integral, const char* decimals) {
    const QString point = QLocale::system().decimalPoint();
    return QStringLiteral("Hub ") + QLatin1String(integral) +
           (point.isEmpty() ? QStringLiteral(".") : point.left(1)) + QLatin1String(decimals) +
           QStringLiteral(" kHz");
}

class StereoHandlers : public test::LinkedPage {
protected:
    void SetUp() override {
        LinkedPage::SetUp();
        services.texts.setText(21, QStringLiteral("Hub"));
    }

    QString fm(const char* key) const { return general("FM", key); }

    StereoPage page{services.context};
};

TEST_F(StereoHandlers, StepControlsShowSendAndStoreTheirPositions) {
    page.FM_Hub_Scroll()->setValue(8000);
    page.Pilot_Hub_Scroll()->setValue(675);
    page.HScroll1()->setValue(-5);
    page.HScroll1()->setValue(7);
    page.Ari_hub_Scroll()->setValue(5);
    page.RDS_Hub_Scroll()->setValue(400);
    page.RDS_Phase_Scroll()->setValue(5);
    expectReceived(":stereo:deviation 80000HZ\n"
                   ":stereo:pilot:deviation 6750HZ\n"
                   ":stereo:pilot:phase -5DEG\n"
                   ":stereo:pilot:phase 07DEG\n"
                   ":stereo:ari:deviation 50HZ\n"
                   ":stereo:rds:deviation 4000HZ\n"
                   ":STEREO:DIRECT \"RDS-PH=005\"\n");
    EXPECT_EQ(page.FM_Hub_Label2()->text(), kHz("80", "0"));
    EXPECT_EQ(page.Pilot_hub_Label()->text(), kHz("6", "75"));
    EXPECT_EQ(page.Pilot_Phase_Label()->text(), QStringLiteral("Phase 7 °"));
    EXPECT_EQ(page.Ari_Label()->text(), kHz("0", "05"));
    EXPECT_EQ(page.RDS_Phase_Label()->text(), QStringLiteral("Phase 5 °"));
    EXPECT_EQ(fm("MPX_DEV"), QStringLiteral("08000"));
    EXPECT_EQ(fm("PILOT_PHASE"), QStringLiteral("07"));
    EXPECT_EQ(fm("ARI_HUB"), QStringLiteral("0005"));
    EXPECT_EQ(fm("RDS_PHASE"), QStringLiteral("005"));
    EXPECT_EQ(services.current.pilotDeviation, QStringLiteral("0675"));
    EXPECT_EQ(services.current.rdsDeviation, QStringLiteral("0400"));
}

TEST_F(StereoHandlers, ArrowsMoveByOneStepAndStopAtTheLimits) {
    page.Pilot_Hub_Scroll()->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    page.Pilot_Hub_Scroll()->triggerAction(QAbstractSlider::SliderPageStepAdd);
    page.Pilot_Hub_Scroll()->triggerAction(QAbstractSlider::SliderSingleStepSub);
    page.HScroll1()->setValue(-50);
    // At the bottom already: the position stays and nothing is sent again.
    page.HScroll1()->triggerAction(QAbstractSlider::SliderSingleStepSub);
    expectReceived(":stereo:pilot:deviation 50HZ\n:stereo:pilot:deviation 100HZ\n"
                   ":stereo:pilot:deviation 50HZ\n:stereo:pilot:phase -50DEG\n");
    EXPECT_EQ(page.Pilot_Phase_Label()->text(), QStringLiteral("Phase -50 °"));
    EXPECT_EQ(fm("PILOT_HUB"), QStringLiteral("0005"));
}

TEST_F(StereoHandlers, SwitchesToggleFromTheirCurrentValue) {
    // Nothing held yet: the first click switches on, the second off again.
    QTest::mouseClick(page.Pilot_OnOff(), Qt::LeftButton);
    EXPECT_TRUE(page.Pilot_OnOff()->showsOn());
    EXPECT_EQ(fm("PILOT"), QStringLiteral("1"));
    QTest::mouseClick(page.Pilot_OnOff(), Qt::LeftButton);
    EXPECT_FALSE(page.Pilot_OnOff()->showsOn());
    EXPECT_EQ(fm("PILOT"), QStringLiteral("0"));
    // Any text but "1" counts as off.
    services.current.ari = QStringLiteral("yes");
    page.Ari_OnOff()->click();
    services.current.rds = QStringLiteral("1");
    page.RDS_OnOff()->click();
    EXPECT_TRUE(page.Ari_OnOff()->showsOn());
    EXPECT_EQ(services.current.rds, QStringLiteral("0"));
    expectReceived(":stereo:pilot:state ON\n:stereo:pilot:state OFF\n"
                   ":stereo:ari:state ON\n:stereo:rds:state OFF\n");
}

TEST_F(StereoHandlers, OptionsSendTheirNumbersOnceAndStoreThem) {
    QTest::mouseClick(page.Stereo_Opt(3), Qt::LeftButton);
    page.Stereo_Opt(3)->click();
    page.FM_Source_Opt(3)->click();
    page.FM_Imp_Opt(1)->click();
    page.Pre_opt(1)->setChecked(true);
    page.ARI_Mode_Opt(3)->click();
    page.BK_Opt(5)->click();
    expectReceived(":stereo:audio:mode REML\n"
                   "STEREO:STAT ON;:stereo:source LFGEN\n"
                   ":stereo:external:impedanz 100\n"
                   ":stereo:audio:preemphasis:state ON;:stereo:audio:preemphasis 50us\n"
                   ":stereo:ari:type:state ON;:stereo:ari:type BKDK\n"
                   ":stereo:ari:bk F\n");
    // The stereo mode is stored as its option number, not as sent.
    EXPECT_EQ(fm("Stereo_Mode"), QStringLiteral("3"));
    EXPECT_EQ(fm("MPX_IMPEDANZ"), QStringLiteral("2"));
    EXPECT_EQ(fm("ARI-BK"), QStringLiteral("F"));
    EXPECT_EQ(services.current.modulationSource, QStringLiteral("3"));
    EXPECT_EQ(services.current.ariIdentification, QStringLiteral("3"));
}

TEST_F(StereoHandlers, InDemoModeTheControlsActButNothingLeaves) {
    services.gate.setDemo(true);
    page.Ari_hub_Scroll()->setValue(800);
    page.RDS_OnOff()->click();
    page.BK_Opt(2)->click();
    expectReceived("");
    EXPECT_EQ(page.Ari_Label()->text(), kHz("8", "00"));
    EXPECT_TRUE(page.RDS_OnOff()->showsOn());
    EXPECT_EQ(fm("ARI_HUB"), QStringLiteral("0800"));
    EXPECT_EQ(fm("ARI-BK"), QStringLiteral("C"));
}

TEST_F(StereoHandlers, AnUnwritableSettingsFileIsReportedOnce) {
    services.context.data = DataFolder(services.folder.filePath(QStringLiteral("missing")));
    // The restore only stores back what it read: nothing to tell.
    page.restore();
    EXPECT_TRUE(services.messages.warnings.isEmpty());
    receivedSince();
    page.FM_Hub_Scroll()->setValue(100);
    page.Pilot_OnOff()->click();
    ASSERT_EQ(services.messages.warnings.size(), 1);
    EXPECT_TRUE(services.messages.warnings.front().startsWith(QStringLiteral("Fehler! | ")));
    EXPECT_TRUE(services.messages.warnings.front().contains(QStringLiteral("MPX_DEV")));
    // The instrument gets the settings all the same.
    expectReceived(":stereo:deviation 1000HZ\n:stereo:pilot:state ON\n");
}

} // namespace
} // namespace zor
