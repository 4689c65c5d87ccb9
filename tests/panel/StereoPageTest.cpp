#include "panel/StereoPage.h"

#include "panel/AccessibleNames.h"
#include "panel/DisplayLabel.h"
#include "panel/GeneratorPage.h"
#include "panel/PageFixture.h"
#include "panel/PageKit.h"
#include "panel/PictureSwitch.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>

namespace zor {
namespace {

class StereoPageTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { test::offscreenApp(); }

    test::PageServices services;
    StereoPage page{services.context};
};

struct StepRange {
    const char* name;
    int minimum;
    int maximum;
    int step;
    int value;
};

TEST_F(StereoPageTest, StepControlsShowOnlyTheirArrowsAndKeepTheirRanges) {
    const StepRange ranges[] = {
        {"FM_Hub_Scroll", 0, 8000, 10, 0}, {"Pilot_Hub_Scroll", 0, 1500, 5, 0},
        {"HScroll1", -50, 50, 1, 2},       {"Ari_hub_Scroll", 0, 800, 5, 0},
        {"RDS_Hub_Scroll", 0, 400, 5, 0},  {"RDS_Phase_Scroll", 0, 359, 1, 0},
    };
    for (const StepRange& range : ranges) {
        SCOPED_TRACE(range.name);
        auto* step = page.findChild<QScrollBar*>(QLatin1String(range.name));
        ASSERT_NE(step, nullptr);
        EXPECT_EQ(step->orientation(), Qt::Horizontal);
        EXPECT_EQ(step->width(), step->height());
        EXPECT_EQ(step->minimum(), range.minimum);
        EXPECT_EQ(step->maximum(), range.maximum);
        EXPECT_EQ(step->singleStep(), range.step);
        EXPECT_EQ(step->pageStep(), range.step);
        EXPECT_EQ(step->value(), range.value);
        EXPECT_TRUE(step->isEnabled());
    }
}

TEST_F(StereoPageTest, OptionArraysCarryTheirDesignCaptions) {
    const std::pair<const char*, QStringList> arrays[] = {
        {"FM_Source_Opt", {"Off", "Ext. L, R", "Ext S/P Dif", "LF Gen"}},
        {"FM_Imp_Opt", {"600", "100k"}},
        {"Pre_opt", {"ohne", "50 µs", "75 µs"}},
        {"Stereo_Opt", {"links", "rechts", "links = rechts", "links = -rechts", "links =/ rechts"}},
        {"ARI_Mode_Opt", {"nix", "DK", "BK", "DK + BK"}},
        {"BK_Opt", {"A", "B", "C", "D", "E", "F"}},
        {"TestDat_Opt",
         {"0 0 0 0 0 0 0 0", "1 1 1 1 1 1 1 1", "0 1 0 1 0 1 0 1", "1 1 0 0 1 1 0 0"}},
    };
    for (const auto& [array, captions] : arrays) {
        SCOPED_TRACE(array);
        auto* group = page.findChild<QButtonGroup*>(QLatin1String(array));
        ASSERT_NE(group, nullptr);
        EXPECT_EQ(group->buttons().size(), captions.size());
        EXPECT_TRUE(group->exclusive());
        EXPECT_EQ(group->checkedId(), -1);
        for (int i = 0; i < captions.size(); ++i) {
            QRadioButton* option = optionAt(group, i);
            ASSERT_NE(option, nullptr);
            EXPECT_EQ(option->text(), captions[i]);
            EXPECT_EQ(option->objectName(),
                      QLatin1String(array) + u'(' + QString::number(i) + u')');
        }
    }
    // The C of the area codes stands in the left column, the D in the right.
    EXPECT_LT(page.BK_Opt(2)->x(), page.BK_Opt(3)->x());
    EXPECT_EQ(page.BK_Opt(0)->y(), page.BK_Opt(3)->y());
}

TEST_F(StereoPageTest, SwitchesFramesAndButtonsAreInPlace) {
    for (PictureSwitch* picture : {page.Pilot_OnOff(), page.Ari_OnOff(), page.RDS_OnOff()}) {
        EXPECT_FALSE(picture->showsOn());
        EXPECT_EQ(picture->width(), picture->height());
    }
    EXPECT_EQ(page.Pilot_OnOff()->parentWidget(), page.Frame_stereo());
    EXPECT_EQ(page.FM_Source_Opt(0)->parentWidget(), page.FM_Sorce_Frame());
    EXPECT_EQ(page.FM_Sorce_Frame()->parentWidget(), page.FM_Frame());
    EXPECT_EQ(page.Taste_DATA_MODE()->text(), QStringLiteral("RDS_Mode"));
    EXPECT_EQ(page.Ari_Label()->text(), QStringLiteral("A R I"));
    EXPECT_EQ(page.RDS_Hub_Label()->text(), QStringLiteral("RDS Hub"));
    EXPECT_EQ(page.RDS_Phase_Label()->text(), QStringLiteral("RDS Phase"));
    EXPECT_EQ(page.Frame11()->title(), QStringLiteral("Test Mode"));
    EXPECT_EQ(page.FM_Frame()->title(), QStringLiteral("MPX"));
    EXPECT_EQ(page.Ari_Frame()->title(), QStringLiteral("A R I"));
}

TEST_F(StereoPageTest, FramesDoNotCoverEachOther) {
    const QRect impedance = page.FM_Imp_Frame()->geometry();
    const QRect emphasis = page.Pre_Frame()->geometry();
    EXPECT_FALSE(impedance.intersects(emphasis));
    EXPECT_TRUE(page.FM_Frame()->rect().contains(emphasis));
}

TEST_F(StereoPageTest, EveryControlIsHeardUnderItsOwnName) {
    for (const bool german : {true, false}) {
        refreshAccessibleNames(&page, german);
        test::expectDistinctNames(namedControls(&page), german ? "deutsch" : "english");
    }
    refreshAccessibleNames(&page, false);
    EXPECT_EQ(test::heardName(page.FM_Hub_Scroll()), QStringLiteral("MPX deviation"));
    EXPECT_EQ(test::heardName(page.Pilot_OnOff()), QStringLiteral("pilot on/off"));
}

TEST_F(StereoPageTest, GeneratorDisplaysAreClickedToEnterValues) {
    GeneratorPage generator(services.context);
    for (DisplayLabel* entry : {generator.Input_HF_Freq_Label(), generator.Input_HF_Pegel_Label(),
                                generator.Input_AF_Freq_Label()}) {
        EXPECT_EQ(entry->text(), QStringLiteral("-"));
        EXPECT_EQ(entry->action(), DisplayLabel::Action::Click);
        EXPECT_NE(entry->frameStyle(), 0);
    }
    EXPECT_EQ(generator.HfOnOffState()->parentWidget(), generator.RF_Level_Frame());
    EXPECT_EQ(generator.RF_Freq_Frame()->title(), QStringLiteral("RF-Frequency [MHz]"));
    EXPECT_EQ(generator.RF_Level_Frame()->title(), QStringLiteral("HF Pegel [dBµV]"));
    EXPECT_EQ(generator.AF_Freq_Frame()->title(), QStringLiteral("AF Frequency [kHz]"));
    EXPECT_FALSE(
        generator.RF_Freq_Frame()->geometry().intersects(generator.RF_Level_Frame()->geometry()));
    refreshAccessibleNames(&generator, true);
    test::expectDistinctNames(namedControls(&generator), "generator");
}

} // namespace
} // namespace zor
