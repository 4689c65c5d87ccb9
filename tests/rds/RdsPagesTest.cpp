#include "panel/AccessibleNames.h"
#include "panel/DisplayLabel.h"
#include "panel/LimitedTextEdit.h"
#include "panel/PageFixture.h"
#include "panel/PictureSwitch.h"
#include "rds/AfListPage.h"
#include "rds/EonPage.h"
#include "rds/GroupsPage.h"
#include "rds/RdsPage.h"
#include "rds/RdsTexts.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

namespace zor {
namespace {

QStringList programmeTypes() {
    QStringList names;
    for (int code = 0; code < 32; ++code)
        names << QStringLiteral("Type %1").arg(code);
    return names;
}

class RdsPagesTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { test::offscreenApp(); }

    test::PageServices services;
};

TEST_F(RdsPagesTest, SecondsLabelCarriesTheBlankOfAPositiveNumber) {
    EXPECT_EQ(secondsLabel(QStringLiteral("Dauer [s]:"), 30), QStringLiteral("Dauer [s]:  30"));
    EXPECT_EQ(secondsLabel(QStringLiteral("Intervall"), 0), QStringLiteral("Intervall  0"));
    EXPECT_EQ(secondsLabel(QString(), -4), QStringLiteral(" -4"));
}

TEST_F(RdsPagesTest, ProgrammeTypeListIsFilledQuietlyAndAPickIsRaisedOnce) {
    RdsPage page(services.context);
    QSignalSpy picks(&page, &RdsPage::ptyPicked);
    QSignalSpy changes(page.PTY_Combo1(), &QComboBox::currentIndexChanged);
    page.fillPtyList(programmeTypes());
    page.fillPtyList(programmeTypes());
    EXPECT_EQ(page.PTY_Combo1()->count(), 32);
    EXPECT_EQ(page.PTY_Combo1()->currentIndex(), -1);
    EXPECT_EQ(changes.count(), 0);
    EXPECT_EQ(picks.count(), 0);

    page.choosePty(5);
    ASSERT_EQ(picks.count(), 1);
    EXPECT_EQ(picks.front().front().toInt(), 5);
    EXPECT_EQ(page.PTY_Combo1()->currentText(), QStringLiteral("Type 5"));
    page.choosePty(32);
    page.choosePty(-1);
    EXPECT_EQ(picks.count(), 1);
    EXPECT_EQ(page.PTY_Combo1()->currentIndex(), 5);
}

TEST_F(RdsPagesTest, TypingIntoTheProgrammeTypeFieldPicksNothing) {
    RdsPage page(services.context);
    page.fillPtyList(programmeTypes());
    page.show();
    QSignalSpy picks(&page, &RdsPage::ptyPicked);
    QTest::keyClicks(page.PTY_Combo1(), QStringLiteral("Rock"));
    QTest::keyClick(page.PTY_Combo1(), Qt::Key_Return);
    EXPECT_EQ(picks.count(), 0);
    EXPECT_EQ(page.PTY_Combo1()->count(), 32);
}

TEST_F(RdsPagesTest, RdsPageHoldsItsControlsInTheirFrames) {
    RdsPage page(services.context);
    EXPECT_EQ(page.TA_Taste()->parentWidget(), page.Frame1());
    EXPECT_EQ(page.TA_Option(1)->parentWidget(), page.Frame1());
    EXPECT_EQ(page.Check1()->parentWidget(), page.Frame1());
    EXPECT_EQ(page.RT_Text1()->parentWidget(), page.RT_Frame());
    EXPECT_EQ(page.Uhr_Zeit()->parentWidget(), page.Time_Frame());
    EXPECT_EQ(page.Uhr_Zeit()->action(), DisplayLabel::Action::DoubleClick);
    EXPECT_EQ(page.DI_Opt(15)->parentWidget(), page.DI_Frame());
    EXPECT_LT(page.DI_Opt(7)->x(), page.DI_Opt(8)->x());
    EXPECT_EQ(page.DI_Opt(0)->y(), page.DI_Opt(8)->y());
    EXPECT_FALSE(page.MS_Frame()->geometry().intersects(page.Time_Frame()->geometry()));
    EXPECT_FALSE(page.trafficAnnouncementOn());
    page.setTrafficAnnouncementOn(true);
    EXPECT_TRUE(page.trafficAnnouncementOn());
}

TEST_F(RdsPagesTest, AfListFramesShowFiveListsEach) {
    AfListPage af(services.context);
    EonPage eon(services.context);
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(af.AFList_Opt(i)->text(), QStringLiteral("Liste %1").arg(i + 1));
        EXPECT_EQ(eon.EON_AFB_Opt(i)->text(), QStringLiteral("Liste %1").arg(i + 1));
        EXPECT_EQ(af.AFList_Opt(i)->parentWidget(), af.Frame2());
        EXPECT_EQ(eon.EON_AFB_Opt(i)->parentWidget(), eon.Frame3());
    }
    EXPECT_EQ(af.AF_TN()->parentWidget(), af.Frame2());
    EXPECT_EQ(eon.Tuned_AFB()->parentWidget(), eon.Frame3());
    EXPECT_EQ(af.AF_List1()->geometry(), eon.AFB_Liste()->geometry());
    EXPECT_NE(af.AF_TN()->frameStyle(), 0);
}

TEST_F(RdsPagesTest, GroupBoxesOfNoUseAreHiddenAndGroupFourIsNotTheOperators) {
    GroupsPage page(services.context);
    for (int i = 0; i < 32; ++i) {
        SCOPED_TRACE(i);
        QCheckBox* box = page.Gruppe(i);
        ASSERT_NE(box, nullptr);
        EXPECT_EQ(box->isHidden(), i >= 16);
        EXPECT_EQ(box->isEnabled(), i != 4 && i != 20);
    }
    EXPECT_EQ(page.Gruppe(32), nullptr);
    // Columns of four, the caption-less box left of its partner.
    EXPECT_EQ(page.Gruppe(0)->x(), page.Gruppe(3)->x());
    EXPECT_LT(page.Gruppe(3)->x(), page.Gruppe(4)->x());
    EXPECT_LT(page.Gruppe(16)->x(), page.Gruppe(0)->x());
    EXPECT_EQ(page.Gruppe(16)->y(), page.Gruppe(0)->y());
}

TEST_F(RdsPagesTest, EonProgrammeTypeIsChosenWithoutRaisingItsHandler) {
    EonPage page(services.context);
    QSignalSpy text(page.EON_PTY_Combo(), &QComboBox::currentTextChanged);
    QSignalSpy index(page.EON_PTY_Combo(), &QComboBox::currentIndexChanged);
    page.fillEonPtyList(programmeTypes());
    page.chooseEonPty(9);
    EXPECT_EQ(page.EON_PTY_Combo()->currentIndex(), 9);
    page.chooseEonPty(40);
    EXPECT_EQ(page.EON_PTY_Combo()->currentIndex(), 9);
    EXPECT_EQ(text.count(), 0);
    EXPECT_EQ(index.count(), 0);
    EXPECT_FALSE(page.EON_PTY_Combo()->isEnabled());
    EXPECT_FALSE(page.EON_PTY_LAbel()->isEnabled());
    EXPECT_FALSE(page.EON_TA_Zeit()->isActive());
    EXPECT_EQ(page.EON_TA_Zeit()->interval(), 1000);
}

TEST_F(RdsPagesTest, EveryControlIsHeardUnderItsOwnName) {
    RdsPage rds(services.context);
    AfListPage af(services.context);
    GroupsPage groups(services.context);
    EonPage eon(services.context);
    for (const bool german : {true, false}) {
        for (QWidget* page : std::initializer_list<QWidget*>{&rds, &af, &groups, &eon}) {
            refreshAccessibleNames(page, german);
            test::expectDistinctNames(namedControls(page), page->objectName());
        }
    }
    refreshAccessibleNames(&rds, true);
    EXPECT_EQ(test::heardName(rds.Command3()), QStringLiteral("PI senden"));
    EXPECT_EQ(test::heardName(rds.PS_Taste()), QStringLiteral("PS senden"));
    EXPECT_EQ(rds.Taste_PS_Auto()->accessibleDescription(),
              QStringLiteral("Verändert PS zyklisch"));
}

} // namespace
} // namespace zor
