#include "tmc/TmcPage.h"

#include "panel/AccessibleNames.h"
#include "panel/DisplayLabel.h"
#include "panel/PageFixture.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFontInfo>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

namespace zor {
namespace {

class TmcPageTest : public ::testing::Test {
  protected:
    static void SetUpTestSuite() { test::offscreenApp(); }

    test::PageServices services;
    TmcPage page{services.context};
};

TEST_F(TmcPageTest, CataloguesUseAFixedPitchFace) {
    for (QComboBox* catalogue : {page.TMC_Event_Combo(), page.TMC_Loc_Combo()}) {
        EXPECT_TRUE(QFontInfo(catalogue->font()).fixedPitch());
        EXPECT_TRUE(catalogue->isEditable());
        EXPECT_EQ(catalogue->count(), 0);
    }
    // Thirty columns of an event entry fit the field.
    const int thirty = page.TMC_Event_Combo()->fontMetrics().horizontalAdvance(QString(30, u'W'));
    EXPECT_LT(thirty, page.TMC_Event_Combo()->width());
}

TEST_F(TmcPageTest, MessageFieldsAreInTheirFrames) {
    EXPECT_EQ(page.Tmc_richtung(0)->parentWidget(), page.TMC_Frame1());
    EXPECT_EQ(page.Tmc_richtung(0)->y(), page.Tmc_richtung(1)->y());
    EXPECT_LT(page.Tmc_richtung(0)->x(), page.Tmc_richtung(1)->x());
    for (QCheckBox* box : {page.TMC_T_Check(), page.TMC_F_Check(), page.TMC_DP3Check(),
                           page.TMC_DP2_Check(), page.TMC_DP1_Check()})
        EXPECT_EQ(box->parentWidget(), page.TMC_Frame2());
    EXPECT_LT(page.TMC_DP3Check()->y(), page.TMC_DP1_Check()->y());
    EXPECT_NE(page.TMC_Var_Label()->frameStyle(), 0);
    EXPECT_FALSE(page.TMC_Var_Label()->geometry().intersects(page.TMC_Var_Combo()->geometry()));
}

TEST_F(TmcPageTest, HiddenRowHoldsOneLabelPerMessageField) {
    for (const char* name : {"TMCBL2_T", "TMCBL2_F", "TMCBL2_DP", "TMCBL3_D", "TMCBL3_U",
                             "TMCBL3_Extent", "TMCBL3_Event", "TMCBL4_Local"}) {
        DisplayLabel* field = page.fieldLabel(QLatin1String(name));
        ASSERT_NE(field, nullptr) << name;
        EXPECT_TRUE(field->isHidden()) << name;
    }
    EXPECT_EQ(page.TMCBL3_D(), page.fieldLabel(QStringLiteral("TMCBL3_D")));
    EXPECT_TRUE(page.TMC_Event_Hex()->isHidden());
    EXPECT_EQ(page.TMC_Loc_Hex()->palette().color(QPalette::WindowText), QColor(Qt::red));
}

TEST_F(TmcPageTest, EveryControlIsHeardUnderItsOwnName) {
    for (const bool german : {true, false}) {
        refreshAccessibleNames(&page, german);
        test::expectDistinctNames(namedControls(&page), QStringLiteral("tmc"));
    }
}

} // namespace
} // namespace zor
