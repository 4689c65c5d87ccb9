#include "panel/DisplayLabel.h"
#include "panel/LinkedPage.h"
#include "panel/PictureSwitch.h"
#include "panel/StereoPage.h"

#include <QButtonGroup>
#include <QRadioButton>
#include <QScrollBar>

namespace zor {
namespace {

class StereoRestore : public test::LinkedPage {
protected:
    void SetUp() override {
        LinkedPage::SetUp();
        services.gate.setDemo(true);
    }

    // Stored stereo settings, keys spelled in any letter case.
    void store(std::initializer_list<std::pair<const char*, const char*>> values) {
        for (const auto& [key, value] : values)
            setGeneral("FM", key, QString::fromUtf8(value));
    }
    QString fm(const char* key) const { return general("FM", key); }

    QList<QButtonGroup*> groups() const {
        return {page.FM_Source_Opt(), page.FM_Imp_Opt(),   page.Stereo_Opt(),
                page.Pre_opt(),       page.ARI_Mode_Opt(), page.BK_Opt()};
    }

    StereoPage page{services.context};
};

TEST_F(StereoRestore, RunsEachHandlerOnceInOrder) {
    // The pilot phase is stored at the position the control starts with;
    // its handler runs all the same, once.
    store({{"MPX_DEV", "07500"},
           {"mpx_source", "2"},
           {"MPX_IMPEDANZ", "2"},
           {"Stereo_Mode", "3"},
           {"PREEMPHASIS", "1"},
           {"PILOT", "1"},
           {"PILOT_HUB", "0675"},
           {"PILOT_PHASE", "02"},
           {"ARI", "0"},
           {"ARI_HUB", "0350"},
           {"ARI_ID", "3"},
           {"ari-bk", "C"},
           {"RDS", "1"},
           {"RDS_HUB", "0200"},
           {"RDS_PHASE", "005"}});
    services.gate.setDemo(false);
    page.restore();
    expectReceived(":stereo:deviation 75000HZ\n"
                   "STEREO:STAT ON;:stereo:source SPEXT\n"
                   ":stereo:external:impedanz 100\n"
                   ":stereo:audio:mode REML\n"
                   ":stereo:audio:preemphasis:state ON;:stereo:audio:preemphasis 50us\n"
                   ":stereo:pilot:state ON\n"
                   ":stereo:pilot:deviation 6750HZ\n"
                   ":stereo:pilot:phase 02DEG\n"
                   ":stereo:ari:state OFF\n"
                   ":stereo:ari:deviation 3500HZ\n"
                   ":stereo:ari:type:state ON;:stereo:ari:type BKDK\n"
                   ":stereo:ari:bk C\n"
                   ":stereo:rds:state ON\n"
                   ":stereo:rds:deviation 2000HZ\n"
                   ":STEREO:DIRECT \"RDS-PH=005\"\n");
    EXPECT_EQ(page.Stereo_Opt()->checkedId(), 3);
    EXPECT_EQ(page.BK_Opt()->checkedId(), 2);
    EXPECT_TRUE(page.Pilot_OnOff()->showsOn());
    EXPECT_FALSE(page.Ari_OnOff()->showsOn());
    EXPECT_EQ(page.Pilot_Phase_Label()->text(), QStringLiteral("Phase 2 °"));
    EXPECT_EQ(services.current.stereoMode, QStringLiteral("3"));
    EXPECT_EQ(services.current.ariAreaCode, QStringLiteral("C"));
    EXPECT_EQ(fm("Stereo_Mode"), QStringLiteral("3"));
}

TEST_F(StereoRestore, InDemoModeNothingLeavesAndOnlyAStoredOneSwitchesOn) {
    store({{"PILOT", "1"}, {"ARI", "yes"}, {"RDS", "0"}});
    page.restore();
    expectReceived("");
    EXPECT_TRUE(page.Pilot_OnOff()->showsOn());
    EXPECT_FALSE(page.Ari_OnOff()->showsOn());
    EXPECT_FALSE(page.RDS_OnOff()->showsOn());
    EXPECT_EQ(fm("ARI"), QStringLiteral("0"));
    // Restored off, a click switches on.
    services.gate.setDemo(false);
    page.Ari_OnOff()->click();
    expectReceived(":stereo:ari:state ON\n");
}

TEST_F(StereoRestore, AnEmptyFolderBringsEverythingToZeroAndOff) {
    page.restore();
    for (QScrollBar* step : {page.FM_Hub_Scroll(), page.Pilot_Hub_Scroll(), page.HScroll1(),
                             page.Ari_hub_Scroll(), page.RDS_Hub_Scroll(), page.RDS_Phase_Scroll()})
        EXPECT_EQ(step->value(), 0) << step->objectName().toStdString();
    for (PictureSwitch* picture : {page.Pilot_OnOff(), page.Ari_OnOff(), page.RDS_OnOff()})
        EXPECT_FALSE(picture->showsOn());
    for (QButtonGroup* group : groups())
        EXPECT_EQ(group->checkedId(), -1) << group->objectName().toStdString();
    EXPECT_EQ(page.Pilot_Phase_Label()->text(), QStringLiteral("Phase 0 °"));
    EXPECT_EQ(services.current.rdsPhase, QStringLiteral("000"));
    EXPECT_EQ(fm("MPX_SOURCE"), QString());
}

TEST_F(StereoRestore, StoredTextsOutsideTheControlsAreTamed) {
    store({{"MPX_DEV", "9000"},
           {"PILOT_PHASE", "-80"},
           {"ARI_HUB", "1e12"},
           {"RDS_HUB", "abc"},
           {"RDS_PHASE", "359.9"},
           {"MPX_SOURCE", "7"},
           {"MPX_IMPEDANZ", "0"},
           {"Stereo_Mode", "5"},
           {"PREEMPHASIS", "1.0"},
           {"ARI_ID", "4"},
           {"ARI-BK", "G"}});
    page.restore();
    // Positions go to the nearest limit and are stored as shown.
    EXPECT_EQ(page.FM_Hub_Scroll()->value(), 8000);
    EXPECT_EQ(page.HScroll1()->value(), -50);
    EXPECT_EQ(page.Ari_hub_Scroll()->value(), 800);
    EXPECT_EQ(page.RDS_Hub_Scroll()->value(), 0);
    EXPECT_EQ(page.RDS_Phase_Scroll()->value(), 359);
    EXPECT_EQ(fm("MPX_DEV"), QStringLiteral("08000"));
    EXPECT_EQ(fm("PILOT_PHASE"), QStringLiteral("-50"));
    // Texts that name no option choose none and stay as they are.
    for (QButtonGroup* group : groups())
        EXPECT_EQ(group->checkedId(), -1) << group->objectName().toStdString();
    EXPECT_EQ(services.current.modulationSource, QStringLiteral("7"));
    EXPECT_EQ(fm("ARI_ID"), QStringLiteral("4"));
}

TEST_F(StereoRestore, TheAreaCodeIsRestoredByItsLetter) {
    store({{"ARI-BK", "e"}});
    page.restore();
    EXPECT_EQ(page.BK_Opt()->checkedId(), 4);
    EXPECT_EQ(fm("ARI-BK"), QStringLiteral("E"));
    EXPECT_EQ(services.current.ariAreaCode, QStringLiteral("E"));
    services.gate.setDemo(false);
    page.BK_Opt(0)->click();
    expectReceived(":stereo:ari:bk A\n");
}

} // namespace
} // namespace zor
