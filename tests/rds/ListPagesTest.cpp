#include "RdsFixture.h"
#include "panel/DisplayLabel.h"
#include "panel/PictureSwitch.h"
#include "rds/AfListPage.h"
#include "rds/EonPage.h"
#include "rds/GroupsPage.h"

#include <QAccessible>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

namespace zor::test {
namespace {

QList<bool> enabledOptions(const QButtonGroup* options) {
    QList<bool> enabled;
    for (QAbstractButton* option : options->buttons())
        enabled.append(option->isEnabled());
    return enabled;
}

// The AF, group and EON pages beside the RDS page whose traffic states the
// EON TA pulse follows.
class ListPagesTest : public RdsPageTest {
protected:
    ListPagesTest() { eon.followOwnTraffic(page); }
    void setDataSet(const char* key, const char* value) {
        services.folder.write(kDataSetFile, "RDS", key, QLatin1String(value));
    }

    AfListPage af{services.context};
    GroupsPage groups{services.context};
    EonPage eon{services.context};
};

// The stored lists go out, not what the page shows: list 1 with "N,", the
// others that exist with "+,", nothing without list 1. The group sequence
// of the ticked boxes is sent, stored and shown; without a ticked box the
// coder, the file and the display keep the last one, and only the button
// says so.
TEST_F(ListPagesTest, ListsAndGroupSequencesGoOutAsStored) {
    setDataSet("AF_Liste1", "98.5,87.6,101.3");
    setDataSet("AF_LISTE3", "95.0,96.1");
    setDataSet("EON_AFB2", "99.1,88.2");
    af.AF_List1()->addItem(QStringLiteral("88.8"));
    af.Taste_AF_Senden()->click();
    eon.EON_AFB_Senden()->click();
    groups.GS_Senden()->click();
    groups.Gruppenfolge();
    for (const int box : {15, 0, 2, 19})
        groups.Gruppe(box)->setChecked(true);
    groups.GS_Senden()->click();
    EXPECT_EQ(sent(), QStringList({"AF1=N,98.5,87.6,101.3", "AF3=+,95.0,96.1",
                                   "GROUPSEQ=00A,02A,15A"}));
    EXPECT_EQ(dataSet("GR_FOLGE"), QStringLiteral("00A,02A,15A"));
    EXPECT_EQ(groups.Label10()->text(), QStringLiteral("Gruppenfolge:   Gr.0  Gr.2  Gr.15"));
    ASSERT_EQ(services.messages.warnings.size(), 1);
    EXPECT_TRUE(services.messages.warnings[0].startsWith(QStringLiteral("Gruppenfolge | ")));
}

// The EON PI is stored as it is typed, PS and TP when they are sent; an
// assistive tool's press on the TP box sends it as a click does.
TEST_F(ListPagesTest, EonPiPsAndTpAreStoredAndSent) {
    eon.show();
    QTest::keyClicks(eon.EON_PI_Text(), QStringLiteral("12AB"));
    EXPECT_EQ(dataSet("EON_PI"), QStringLiteral("12AB"));
    eon.EON_PI_Taste()->click();
    QTest::keyClicks(eon.EON_PS_Text(), QStringLiteral("ABCDE"));
    EXPECT_EQ(dataSet("EON_PS"), QString());
    eon.EON_PS_Taste()->click();
    QAccessible::queryAccessibleInterface(eon.EON_TP_Check())
        ->actionInterface()
        ->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_TRUE(eon.EON_TP_Check()->isChecked());
    EXPECT_EQ(sent(), QStringList({"EON_PI=12AB", "EON_PS=ABCDE", "EON_TP=1"}));
    EXPECT_EQ(QStringList({dataSet("EON_PS"), dataSet("EON_TP")}), QStringList({"ABCDE", "1"}));
}

struct Pulse {
    const char* what;
    bool ownTp, ownTa;
    const char *eonTp, *eonTa;
    QStringList handed, told;
    bool running;
};

// The other network's TA may only be given while the own programme carries
// TA without TP and the other network carries TP; the pulse starts on a
// click and ends on the next click or timer tick, or when the window goes
// back to not connected.
TEST_F(ListPagesTest, EonTaPulseFollowsTheTrafficStates) {
    const Pulse cases[] = {{"starts", false, true, "1", "0", {"EON_TA=1"}, {}, true},
                           {"ends", false, true, "1", "1", {"EON_TA=0"}, {}, false},
                           {"own TP", true, true, "1", "1", {}, {"EON TA | ohne TP"}, false},
                           {"no own TA", false, false, "1", "0", {}, {"EON TA | mit TA"}, false},
                           {"no EON TP", false, true, "0", "0", {}, {}, false}};
    for (const Pulse& pulse : cases) {
        SCOPED_TRACE(pulse.what);
        page.Check1()->setChecked(pulse.ownTp);
        page.setTrafficAnnouncementOn(pulse.ownTa);
        services.current.eonTp = QLatin1String(pulse.eonTp);
        services.current.eonTa = QLatin1String(pulse.eonTa);
        eon.EON_TA_Zeit()->stop();
        eon.EON_TA_Schalter()->click();
        EXPECT_EQ(sent(), pulse.handed);
        EXPECT_EQ(std::exchange(services.messages.warnings, {}), pulse.told);
        EXPECT_EQ(eon.EON_TA_Zeit()->isActive(), pulse.running);
        EXPECT_EQ(eon.EON_TA_Schalter()->showsOn(), pulse.running);
    }
    EXPECT_EQ(dataSet("EON_TA"), QStringLiteral("0"));
    services.current.eonTp = QStringLiteral("1");
    eon.EON_TA_Zeit()->setInterval(20);
    eon.EON_TA_Schalter()->click();
    QTRY_VERIFY_WITH_TIMEOUT(!eon.EON_TA_Zeit()->isActive(), 1000);
    eon.EON_TA_Schalter()->click();
    eon.disconnected();
    EXPECT_FALSE(eon.EON_TA_Zeit()->isActive());
    EXPECT_EQ(sent(), QStringList({"EON_TA=1", "EON_TA=0", "EON_TA=1"}));
}

// The restore enables the options of the stored lists and shows list 1,
// brings the other network's items back as stored (TA off, TP on) and
// sends nothing; an assistive tool's toggle shows the list it switches to.
TEST_F(ListPagesTest, RestoreBringsListsAndTheOtherNetworkBack) {
    setDataSet("AF_LISTE1", "98.5,87.6,101.3");
    setDataSet("AF_Liste3", "95.0");
    setDataSet("EON_AFB2", "99.1,88.2");
    setDataSet("EON_PI", "D3C3");
    setDataSet("EON_PS", "OTHER");
    setDataSet("EON_PTY", "5");
    setDataSet("EON_DEL", "D3C3");
    eon.showProgrammeTypes(programmeTypes());
    services.instrument.demo = true;
    eon.restore();
    af.restore();
    EXPECT_TRUE(services.instrument.sent().isEmpty());
    EXPECT_EQ(enabledOptions(af.AFList_Opt()), QList<bool>({true, false, true, false, false}));
    EXPECT_EQ(enabledOptions(eon.EON_AFB_Opt()), QList<bool>({false, true, false, false, false}));
    QAccessible::queryAccessibleInterface(af.AFList_Opt(2))
        ->actionInterface()
        ->doAction(QAccessibleActionInterface::toggleAction());
    EXPECT_TRUE(af.AFList_Opt(2)->isChecked());
    EXPECT_EQ(af.AF_TN()->text(), QStringLiteral("95.0"));
    EXPECT_EQ(af.AF_List1()->count(), 0);
    // A tool clicks amid the place it is told; for a short caption in a wide
    // option that has to be the caption, not the middle of the widget.
    page.show();
    QRadioButton* mono = page.DI_Opt(0);
    const QRect place = QAccessible::queryAccessibleInterface(mono)->rect();
    QTest::mouseClick(mono, Qt::LeftButton, {}, mono->mapFromGlobal(place.center()));
    EXPECT_TRUE(mono->isChecked());
    EXPECT_EQ(status(StatusField::Tp), QStringLiteral("aus"));
    const CurrentValues& current = services.current;
    EXPECT_EQ(QStringList({current.eonPi, current.eonPs, current.eonPty, current.eonDelete,
                           current.eonTa, current.eonTp}),
              QStringList({"D3C3", "OTHER", "5", "D3C3", "0", "1"}));
    EXPECT_EQ(eon.EON_PTY_Combo()->currentText(), QStringLiteral("Type 5"));
    EXPECT_EQ(dataSet("EON_TP"), QStringLiteral("1"));
}

} // namespace
} // namespace zor::test
