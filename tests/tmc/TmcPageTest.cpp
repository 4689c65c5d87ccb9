// The "T M C" page: its layout and names, its start-up with the catalogues
// of the data folder, the controls composing group 8A, and what the send
// hands over.
#include "panel/AccessibleNames.h"
#include "panel/DisplayLabel.h"
#include "panel/PageFixture.h"
#include "tmc/TmcPage.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QFontInfo>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <functional>

namespace zor {
namespace {

// Picks entry `row` from the open list of `field` with the keyboard.
void pickFromList(QComboBox* field, int row) {
    field->showPopup();
    field->view()->setCurrentIndex(field->view()->model()->index(row, 0));
    QTest::keyClick(field->view(), Qt::Key_Return);
}

class TmcPageTest : public ::testing::Test {
protected:
    QString display() const { return page.TMC_Gr8_Label()->text(); }
    QStringList told() { return std::exchange(services.messages.warnings, {}); }

    test::PageServices services;
    TmcPage page{services.context};
};

// The catalogues use a fixed-pitch face wide enough for thirty columns; the
// direction and the flags sit in their frames, no label over a field, and
// every control is heard under its own name in either language.
TEST_F(TmcPageTest, FieldsSitInTheirFramesAndAreHeardUnderTheirOwnNames) {
    for (QComboBox* catalogue : {page.TMC_Event_Combo(), page.TMC_Loc_Combo()}) {
        EXPECT_TRUE(QFontInfo(catalogue->font()).fixedPitch());
        EXPECT_TRUE(catalogue->isEditable());
    }
    const int thirty = page.TMC_Event_Combo()->fontMetrics().horizontalAdvance(QString(30, u'W'));
    EXPECT_LT(thirty, page.TMC_Event_Combo()->width());
    EXPECT_EQ(page.Tmc_richtung(0)->parentWidget(), page.TMC_Frame1());
    EXPECT_FALSE(page.Tmc_richtung(0)->geometry().intersects(page.Tmc_richtung(1)->geometry()));
    for (QCheckBox* box : {page.TMC_T_Check(), page.TMC_F_Check(), page.TMC_DP3Check(),
                           page.TMC_DP2_Check(), page.TMC_DP1_Check()})
        EXPECT_EQ(box->parentWidget(), page.TMC_Frame2());
    EXPECT_FALSE(page.TMC_Var_Label()->geometry().intersects(page.TMC_Var_Combo()->geometry()));
    EXPECT_TRUE(page.TMC_Event_Hex()->isHidden());
    EXPECT_EQ(page.TMC_Loc_Hex()->palette().color(QPalette::WindowText), QColor(Qt::red));
    for (const bool german : {true, false}) {
        refreshAccessibleNames(&page, german);
        test::expectDistinctNames(namedControls(&page), QStringLiteral("tmc"));
    }
}

// Each catalogue at fault is told once, naming its file and first bad line;
// its list keeps the good records, or stays empty with its field at "-". A
// data folder the start-up told missing is not told again.
TEST_F(TmcPageTest, CataloguesAtFaultAreToldOnceEachAndKeepTheirGoodRecords) {
    services.folder.put("Event.txt", "Stau;1\r\nohne Code\r\nNebel;3\r\n");
    page.prepare();
    const QStringList problems = told();
    ASSERT_EQ(problems.size(), 2);
    EXPECT_TRUE(problems[0].contains("Event.txt") && problems[0].contains("Zeile 2"));
    EXPECT_TRUE(problems[1].contains("Location.txt"));
    EXPECT_EQ(page.TMC_Event_Combo()->count(), 2);
    EXPECT_EQ(page.fieldLabel("TMCBL4_Local")->text(), QStringLiteral("-"));
    EXPECT_EQ(display(), QStringLiteral("0800010000"));
    services.settings.startUpToldMissingFolder();
    TmcPage(services.context).prepare();
    EXPECT_TRUE(told().isEmpty());
}

// Events 1, 2047, 2048 (kept, and told) and 0; locations 12345, 65535, 0.
TEST_F(TmcPageTest, ControlsComposeGroup8A) {
    services.folder.put("Event.txt", "Stau;1\r\nVoll;2047\r\nAuflage;2048\r\nFrei;0\r\n");
    services.folder.put("Location.txt", "Kreuz Nord;12345\r\nEnde;65535\r\nNull;0\r\n");
    page.prepare();
    page.show();
    const std::pair<std::function<void(TmcPage&)>, const char*> steps[] = {
        {[](TmcPage&) {}, "0800013039"},
        {[](TmcPage& p) { QTest::keyClick(p.TMC_Var_Combo(), Qt::Key_Down); }, "0808013039"},
        {[](TmcPage& p) { pickFromList(p.TMC_Var_Combo(), 7); p.Tmc_richtung(1)->click(); },
         "0878013039"},
        {[](TmcPage& p) { pickFromList(p.TMC_Event_Combo(), 1); }, "087FFF3039"},
        {[](TmcPage& p) { pickFromList(p.TMC_Event_Combo(), 2); }, "0878003039"},
        {[](TmcPage& p) { pickFromList(p.TMC_Loc_Combo(), 1); p.Tmc_richtung(0)->click(); },
         "083800FFFF"},
        {[](TmcPage& p) {
             p.TMC_T_Check()->click();
             p.TMC_DP3Check()->click();
             p.TMC_DP1_Check()->click();
         }, "1D3800FFFF"},
        {[](TmcPage& p) {
             p.TMC_T_Check()->click();
             p.TMC_F_Check()->click();
             p.TMC_DP2_Check()->click();
         }, "073800FFFF"},
        {[](TmcPage& p) { QTest::keyClicks(p.TMC_Loc_Combo()->lineEdit(), "Null"); }, "073800FFFF"},
    };
    for (const auto& [act, shown] : steps) {
        act(page);
        EXPECT_EQ(display(), QString::fromLatin1(shown));
    }
    EXPECT_EQ(page.fieldLabel("TMCBL2_DP")->text(), QStringLiteral("111"));
    EXPECT_EQ(page.TMC_Loc_Hex()->text(), QStringLiteral("FFFF"));
}

// Registration, message, registration of the location table: each value is
// kept under "TMC" of the data set as it is handed over, and the last stays;
// a data set that cannot take it is told once.
TEST_F(TmcPageTest, SendRegistersTheApplicationAroundTheMessageAndKeepsEachValue) {
    services.folder.put("Event.txt", "Stau;1\r\n");
    services.folder.put("Location.txt", "Kreuz Nord;12345\r\n");
    page.prepare();
    QStringList keptBeforeEach;
    services.instrument.beforeSend = [&] {
        keptBeforeEach << services.stored(kDataSetFile, "RDS", "TMC");
    };
    page.TMC_Senden_Taste()->click();
    EXPECT_EQ(services.instrument.takeSent(),
              QStringList({"ODA=03,100066CD46", "TMC=08,0800013039", "ODA=03,106100CD46"}));
    EXPECT_EQ(keptBeforeEach, QStringList({"", "03,100066CD46", "08,0800013039"}));
    EXPECT_EQ(services.stored(kDataSetFile, "RDS", "TMC"), QStringLiteral("03,106100CD46"));
    services.folder.block(kDataSetFile);
    page.TMC_Senden_Taste()->click();
    page.TMC_Senden_Taste()->click();
    EXPECT_EQ(told().size(), 1);
}

} // namespace
} // namespace zor
