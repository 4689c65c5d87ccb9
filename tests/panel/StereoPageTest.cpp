#include "panel/StereoPage.h"

#include "panel/DisplayLabel.h"
#include "panel/PageFixture.h"
#include "panel/PictureSwitch.h"
#include "panel/StereoTexts.h"

#include <QButtonGroup>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <functional>

namespace zor {
namespace {

class StereoPageTest : public ::testing::Test {
protected:
    QString fm(const char* key) const { return services.stored(kGeneralFile, "FM", key); }
    void store(std::initializer_list<std::pair<const char*, const char*>> values) {
        for (const auto& [key, value] : values)
            services.folder.write(kGeneralFile, "FM", key, QString::fromUtf8(value));
    }

    test::PageServices services;
    StereoPage page{services.context};
};

struct Handling {
    const char* what;
    std::function<void(StereoPage&)> act;
    QStringList handed;
    const char* key; // of section "FM", stored as the last value handed or as `stored`
    const char* stored;
};

// Each control hands its value over once and stores it; the stereo mode goes out
// counted from one, stored as the option number; choosing it again hands nothing.
TEST_F(StereoPageTest, EachControlHandsItsValueOverAndStoresIt) {
    const Handling cases[] = {
        {"MPX", [](StereoPage& p) { p.FM_Hub_Scroll()->setValue(8000); }, {"MPX_HUB=08000"},
         "MPX_DEV", "08000"},
        {"pilot deviation", [](StereoPage& p) { p.Pilot_Hub_Scroll()->setValue(675); },
         {"PILOT_HUB=0675"}, "PILOT_HUB", "0675"},
        {"pilot phase", [](StereoPage& p) { p.HScroll1()->setValue(-5); p.HScroll1()->setValue(7); },
         {"PILOT_PHASE=-5", "PILOT_PHASE=07"}, "PILOT_PHASE", "07"},
        {"ARI deviation", [](StereoPage& p) { p.Ari_hub_Scroll()->setValue(5); },
         {"ARI-HUB=0005"}, "ARI_HUB", "0005"},
        {"RDS phase", [](StereoPage& p) { p.RDS_Phase_Scroll()->setValue(5); },
         {"RDS_PHASE=005"}, "RDS_PHASE", "005"},
        {"arrows", [](StereoPage& p) {
             p.RDS_Hub_Scroll()->triggerAction(QAbstractSlider::SliderSingleStepAdd);
             p.RDS_Hub_Scroll()->triggerAction(QAbstractSlider::SliderPageStepAdd);
             p.RDS_Hub_Scroll()->setValue(0);
             p.RDS_Hub_Scroll()->triggerAction(QAbstractSlider::SliderSingleStepSub);
         }, {"RDS_HUB=0005", "RDS_HUB=0010", "RDS_HUB=0000"}, "RDS_HUB", "0000"},
        {"pilot switch", [](StereoPage& p) { p.Pilot_OnOff()->click(); p.Pilot_OnOff()->click(); },
         {"PILOT=1", "PILOT=0"}, "PILOT", "0"},
        {"stereo mode", [](StereoPage& p) { p.Stereo_Opt(3)->click(); p.Stereo_Opt(3)->click(); },
         {"STEREO_MODE=4"}, "Stereo_Mode", "3"},
        {"source", [](StereoPage& p) { p.FM_Source_Opt(3)->setChecked(true); },
         {"MPX_SOURCE=3"}, "MPX_SOURCE", "3"},
        {"impedance", [](StereoPage& p) { p.FM_Imp_Opt(1)->click(); }, {"MPX_IMPEDANZ=2"},
         "MPX_IMPEDANZ", "2"},
        {"pre-emphasis", [](StereoPage& p) { p.Pre_opt(1)->click(); }, {"PREEMPHASIS=1"},
         "PREEMPHASIS", "1"},
        {"ARI identification", [](StereoPage& p) { p.ARI_Mode_Opt(3)->click(); }, {"ARI-ID=3"},
         "ARI_ID", "3"},
        {"area code", [](StereoPage& p) { p.BK_Opt(5)->click(); }, {"ARI-BK=F"}, "ARI-BK", "F"},
        {"test mode", [](StereoPage& p) {
             p.Taste_DATA_MODE()->click();
             p.Taste_DATA_MODE()->click();
             p.TestDat_Opt(3)->click();
             p.Taste_DATA_MODE_Click();
         }, {"TEST_M=0", "TEST_M=1", "TEST_D=4", "TEST_M=0"}, "TEST_M", ""},
    };
    for (const Handling& handling : cases) {
        SCOPED_TRACE(handling.what);
        handling.act(page);
        EXPECT_EQ(services.instrument.takeSent(), handling.handed);
        EXPECT_EQ(fm(handling.key), QLatin1String(handling.stored));
    }
    EXPECT_EQ(services.current.stereoMode, QStringLiteral("3"));
    EXPECT_EQ(services.current.ariAreaCode, QStringLiteral("F"));
    EXPECT_FALSE(page.TestDat_Opt(0)->isEnabled());
    // The displays show the word, the kHz with the system's separator, the phase.
    services.texts.setText(21, QStringLiteral("Hub"));
    page.FM_Hub_Scroll()->setValue(25);
    EXPECT_EQ(page.FM_Hub_Label2()->text(), deviationLabel("Hub", 25, DeviationPattern::OneDecimal));
    EXPECT_EQ(deviationLabel("Hub", 25, DeviationPattern::OneDecimal, u'.'), "Hub 0.3 kHz");
    EXPECT_EQ(deviationLabel("Dev.", 675, DeviationPattern::TwoDecimals, u','), "Dev. 6,75 kHz");
    EXPECT_EQ(page.Pilot_Phase_Label()->text(), QStringLiteral("Phase 7 °"));
}

// Positions outside a range are taken as the nearest limit and stored; texts that
// name no option choose none and stay; only a stored "1" switches on.
TEST_F(StereoPageTest, RestoreTamesWhatWasStoredByHand) {
    store({{"MPX_DEV", "9000"},   {"PILOT_PHASE", "-80"}, {"ARI_HUB", "1e12"},
           {"RDS_HUB", "abc"},    {"RDS_PHASE", "359.9"}, {"mpx_source", "7"},
           {"MPX_IMPEDANZ", "0"}, {"Stereo_Mode", "5"},   {"PREEMPHASIS", "1.0"},
           {"ARI_ID", "4"},       {"ari-bk", "e"},        {"PILOT", "1"},
           {"ARI", "yes"}});
    services.instrument.demo = true;
    page.restore();
    const std::tuple<QScrollBar*, int, const char*, const char*> steps[] = {
        {page.FM_Hub_Scroll(), 8000, "MPX_DEV", "08000"},
        {page.HScroll1(), -50, "PILOT_PHASE", "-50"},
        {page.Ari_hub_Scroll(), 800, "ARI_HUB", "0800"},
        {page.RDS_Hub_Scroll(), 0, "RDS_HUB", "0000"},
        {page.RDS_Phase_Scroll(), 359, "RDS_PHASE", "359"},
    };
    for (const auto& [step, position, key, stored] : steps) {
        EXPECT_EQ(step->value(), position) << key;
        EXPECT_EQ(fm(key), QLatin1String(stored)) << key;
    }
    for (QButtonGroup* group : {page.FM_Source_Opt(), page.FM_Imp_Opt(), page.Stereo_Opt(),
                                page.Pre_opt(), page.ARI_Mode_Opt()})
        EXPECT_EQ(group->checkedId(), -1) << group->objectName().toStdString();
    EXPECT_EQ(fm("MPX_SOURCE"), QStringLiteral("7"));
    EXPECT_EQ(services.current.modulationSource, QStringLiteral("7"));
    EXPECT_EQ(page.BK_Opt()->checkedId(), 4);
    EXPECT_EQ(fm("ARI-BK"), QStringLiteral("E"));
    EXPECT_TRUE(page.Pilot_OnOff()->showsOn());
    EXPECT_FALSE(page.Ari_OnOff()->showsOn());
    EXPECT_EQ(fm("ARI"), QStringLiteral("0"));
}

// Each handler runs once, in the restore's order, also where the control already
// shows the stored position (the pilot phase's 2).
TEST_F(StereoPageTest, RestoreRunsEachHandlerOnceInOrder) {
    store({{"MPX_DEV", "07500"}, {"MPX_SOURCE", "2"},  {"MPX_IMPEDANZ", "2"}, {"Stereo_Mode", "3"},
           {"PREEMPHASIS", "1"}, {"PILOT", "1"},       {"PILOT_HUB", "0675"}, {"PILOT_PHASE", "02"},
           {"ARI", "0"},         {"ARI_HUB", "0350"},  {"ARI_ID", "3"},       {"ARI-BK", "C"},
           {"RDS", "1"},         {"RDS_HUB", "0200"},  {"RDS_PHASE", "005"}});
    page.restore();
    EXPECT_EQ(services.instrument.sent(),
              QStringList({"MPX_HUB=07500", "MPX_SOURCE=2", "MPX_IMPEDANZ=2", "STEREO_MODE=4",
                           "PREEMPHASIS=1", "PILOT=1", "PILOT_HUB=0675", "PILOT_PHASE=02", "ARI=0",
                           "ARI-HUB=0350", "ARI-ID=3", "ARI-BK=C", "RDS=1", "RDS_HUB=0200",
                           "RDS_PHASE=005"}));
}

// What the restore cannot store back is not told; a setting changed by hand is,
// once, and still goes out.
TEST_F(StereoPageTest, RestoreOverAFileThatCannotBeWrittenTellsNothing) {
    services.folder.block(kGeneralFile);
    page.restore();
    EXPECT_TRUE(services.messages.warnings.isEmpty());
    services.instrument.handed.clear();
    page.FM_Hub_Scroll()->setValue(100);
    page.Pilot_OnOff()->click();
    EXPECT_EQ(services.messages.warnings.size(), 1);
    EXPECT_EQ(services.instrument.sent(), QStringList({"MPX_HUB=00100", "PILOT=1"}));
}

} // namespace
} // namespace zor
