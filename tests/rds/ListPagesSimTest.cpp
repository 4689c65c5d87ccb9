#include "ListPagesFixture.h"
#include "panel/DisplayLabel.h"
#include "panel/PictureSwitch.h"
#include "rds/AfListPage.h"
#include "rds/EonPage.h"
#include "rds/GroupsPage.h"
#include "rds/RdsPage.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <QVBoxLayout>

namespace zor {
namespace {

QStringList entriesOf(const QListWidget* list) {
    QStringList entries;
    for (int row = 0; row < list->count(); ++row)
        entries.append(list->item(row)->text());
    return entries;
}

QList<bool> enabledOptions(const QButtonGroup* options) {
    QList<bool> enabled;
    for (int i = 0; i < 5; ++i)
        enabled.append(options->button(i)->isEnabled());
    return enabled;
}

QStringList programmeTypes() {
    QStringList names;
    for (int code = 0; code < 32; ++code)
        names << QStringLiteral("Type %1").arg(code);
    return names;
}

using AfListsOnTheWire = test::LinkedListPagesTest;

TEST_F(AfListsOnTheWire, StoredListsGoOutFromListOneWithoutGaps) {
    setDataSet(QStringLiteral("AF_Liste1"), QStringLiteral("98.5,87.6,101.3"));
    setDataSet(QStringLiteral("AF_LISTE3"), QStringLiteral("95.0,96.1"));
    AfListPage page(services.context);
    // What the page shows does not matter: the stored texts are sent.
    page.AF_List1()->addItem(QStringLiteral("88.8"));
    page.Taste_AF_Senden()->click();
    expectReceived(coder("AF=N,98.5,87.6,101.3") + coder("AF=+,95.0,96.1"));

    setDataSet(QStringLiteral("AF_LISTE1"), QString());
    setDataSet(QStringLiteral("AF_LISTE2"), QStringLiteral("99.0,100.1"));
    page.Taste_AF_Senden_Click();
    expectReceived({});
    EXPECT_TRUE(services.messages.warnings.isEmpty());
}

TEST_F(AfListsOnTheWire, EonListsCarryTheEonPiTypedLast) {
    setDataSet(QStringLiteral("EON_AFB1"), QStringLiteral("98.5,87.6"));
    setDataSet(QStringLiteral("EON_AFB4"), QStringLiteral("104.0,88.1"));
    EonPage page(services.context);
    page.show();
    QTest::keyClicks(page.EON_PI_Text(), QStringLiteral("12AB"));
    EXPECT_EQ(services.current.eonPi, QStringLiteral("12AB"));
    EXPECT_EQ(dataSet(QStringLiteral("EON_PI")), QStringLiteral("12AB"));
    page.EON_AFB_Senden()->click();
    expectReceived(coder("EON-AFB=12AB,N,98.5,87.6") + coder("EON-AFB=12AB,+,104.0,88.1"));

    setDataSet(QStringLiteral("EON_AFB1"), QString());
    page.EON_AFB_Senden_Click();
    expectReceived({});
}

using GroupSequenceOnTheWire = test::LinkedListPagesTest;

TEST_F(GroupSequenceOnTheWire, TickedBoxesAreSentStoredShownAndRestored) {
    GroupsPage page(services.context);
    page.show();
    for (const int box : {15, 0, 2})
        QTest::mouseClick(page.Gruppe(box), Qt::LeftButton);
    page.Gruppe(19)->setChecked(true);
    expectReceived({});
    page.GS_Senden()->click();
    expectReceived(coder("GS=00A,02A,15A"));
    EXPECT_EQ(dataSet(QStringLiteral("GR_FOLGE")), QStringLiteral("00A,02A,15A"));
    EXPECT_EQ(page.Label10()->text(), QStringLiteral("Gruppenfolge:   Gr.0  Gr.2  Gr.15"));

    GroupsPage restored(services.context);
    restored.Gruppe(7)->setChecked(true);
    restored.restore();
    EXPECT_EQ(restored.tickedGroups(), QList<int>({0, 2, 7, 15}));
    expectReceived({});
}

TEST_F(GroupSequenceOnTheWire, RestoreTicksTheStoredGroupsEvenTheClockGroup) {
    setDataSet(QStringLiteral("GR_Folge"), QStringLiteral("00A,04A,10A"));
    GroupsPage page(services.context);
    page.restore();
    EXPECT_EQ(page.tickedGroups(), QList<int>({0, 4, 10}));
    EXPECT_FALSE(page.Gruppe(4)->isEnabled());
    page.Gruppenfolge();
    expectReceived(coder("GS=00A,04A,10A"));
}

TEST_F(GroupSequenceOnTheWire, NoGroupTickedSendsAndStoresNothing) {
    setDataSet(QStringLiteral("GR_Folge"), QStringLiteral("11A"));
    GroupsPage page(services.context);
    page.Gruppenfolge();
    EXPECT_TRUE(services.messages.warnings.isEmpty());
    page.GS_Senden()->click();
    ASSERT_EQ(services.messages.warnings.size(), 1);
    EXPECT_TRUE(services.messages.warnings.front().startsWith(QStringLiteral("Gruppenfolge | ")));
    expectReceived({});
    EXPECT_EQ(dataSet(QStringLiteral("GR_Folge")), QStringLiteral("11A"));
    EXPECT_TRUE(page.Label10()->text().isEmpty());

    page.Gruppe(11)->setChecked(true);
    page.GS_Senden_Click();
    expectReceived(coder("GS=11A"));
    EXPECT_EQ(page.Label10()->text(), QStringLiteral("Gruppenfolge:   Gr.11"));
}

using EonOnTheWire = test::LinkedListPagesTest;

TEST_F(EonOnTheWire, PiPsAndTpCarryTheirTexts) {
    EonPage page(services.context);
    page.show();
    QTest::keyClicks(page.EON_PI_Text(), QStringLiteral("12AB"));
    page.EON_PI_Taste()->click();
    QTest::keyClicks(page.EON_PS_Text(), QStringLiteral("ABCDE"));
    EXPECT_EQ(dataSet(QStringLiteral("EON_PS")), QString());
    page.EON_PS_Taste()->click();
    page.EON_TP_Check()->click();
    expectReceived(coder("EON-PI=12AB") + coder("EON-PS=12AB,ABCDE   ") +
                   coder("EON-TP=12AB,1"));
    EXPECT_EQ(dataSet(QStringLiteral("EON_PS")), QStringLiteral("ABCDE"));
    EXPECT_EQ(dataSet(QStringLiteral("EON_TP")), QStringLiteral("1"));
    EXPECT_EQ(services.current.eonTp, QStringLiteral("1"));

    page.EON_PI_Text()->setText(QStringLiteral("D3C"));
    page.EON_TP_Check()->click();
    page.EON_PI_Taste()->click();
    expectReceived(coder("EON-TP=D3C,0") + coder("EON-PI=D3C "));
    EXPECT_EQ(services.current.eonPi, QStringLiteral("D3C"));
    EXPECT_EQ(dataSet(QStringLiteral("EON_TP")), QStringLiteral("0"));
}

class EonTaPulse : public test::LinkedListPagesTest {
  protected:
    EonTaPulse() {
        rds.Check1()->setChecked(false);
        rds.setTrafficAnnouncementOn(true);
        eon.followOwnTraffic(rds);
        services.current.eonPi = QStringLiteral("D3C3");
        services.current.eonTp = QStringLiteral("1");
        services.current.eonTa = QStringLiteral("0");
    }

    void expectPulseOff() {
        EXPECT_EQ(services.current.eonTa, QStringLiteral("0"));
        EXPECT_FALSE(eon.EON_TA_Schalter()->showsOn());
        EXPECT_FALSE(eon.EON_TA_Zeit()->isActive());
    }

    RdsPage rds{services.context};
    EonPage eon{services.context};
};

TEST_F(EonTaPulse, RunsForOneTimerTick) {
    eon.EON_TA_Schalter()->click();
    expectReceived(coder("EON-TA=D3C3,1"));
    EXPECT_EQ(services.current.eonTa, QStringLiteral("1"));
    EXPECT_TRUE(eon.EON_TA_Schalter()->showsOn());
    EXPECT_TRUE(eon.EON_TA_Zeit()->isActive());
    EXPECT_EQ(eon.EON_TA_Zeit()->interval(), 1000);
    EXPECT_EQ(dataSet(QStringLiteral("EON_TA")), QStringLiteral("1"));

    eon.EON_TA_Zeit_Timer();
    expectReceived(coder("EON-TA=D3C3,0"));
    expectPulseOff();
    EXPECT_EQ(dataSet(QStringLiteral("EON_TA")), QStringLiteral("0"));
    EXPECT_TRUE(services.messages.warnings.isEmpty());
}

TEST_F(EonTaPulse, TheTimerEndsThePulseByItself) {
    eon.EON_TA_Zeit()->setInterval(50);
    eon.EON_TA_Schalter()->click();
    QTRY_VERIFY_WITH_TIMEOUT(!eon.EON_TA_Zeit()->isActive(), 500);
    expectReceived(coder("EON-TA=D3C3,1") + coder("EON-TA=D3C3,0"));
    expectPulseOff();
}

TEST_F(EonTaPulse, AClickDuringThePulseEndsIt) {
    eon.EON_TA_Schalter()->click();
    eon.EON_TA_Schalter()->click();
    expectReceived(coder("EON-TA=D3C3,1") + coder("EON-TA=D3C3,0"));
    expectPulseOff();
}

TEST_F(EonTaPulse, OwnTpOrMissingOwnTaRefusesWithAMessage) {
    rds.Check1()->setChecked(true);
    eon.EON_TA_Schalter()->click();
    rds.Check1()->setChecked(false);
    rds.setTrafficAnnouncementOn(false);
    eon.EON_TA_Schalter()->click();
    EXPECT_EQ(services.messages.warnings,
              QStringList({"EON TA | nur ohne eigenes TP", "EON TA | nur mit eigenem TA"}));
    expectReceived({});
    expectPulseOff();
    EXPECT_EQ(dataSet(QStringLiteral("EON_TA")), QString());
}

TEST_F(EonTaPulse, WithoutOtherNetworkTpNothingHappens) {
    services.current.eonTp = QStringLiteral("0");
    eon.EON_TA_Schalter()->click();
    EXPECT_TRUE(services.messages.warnings.isEmpty());
    expectReceived({});
    expectPulseOff();
}

TEST_F(EonTaPulse, APulseOutlastsTicksThatFindTheOwnTpSet) {
    eon.EON_TA_Schalter()->click();
    rds.Check1()->setChecked(true);
    eon.EON_TA_Zeit_Timer();
    eon.EON_TA_Zeit_Timer();
    EXPECT_EQ(services.messages.warnings.size(), 2);
    EXPECT_TRUE(eon.EON_TA_Zeit()->isActive());
    EXPECT_TRUE(eon.EON_TA_Schalter()->showsOn());
    rds.Check1()->setChecked(false);
    eon.EON_TA_Zeit_Timer();
    expectReceived(coder("EON-TA=D3C3,1") + coder("EON-TA=D3C3,0"));
    expectPulseOff();
}

TEST_F(EonTaPulse, UnwiredPageReadsTheStatusWordsOfTheLanguage) {
    EonPage alone(services.context);
    services.texts.setText(192, QStringLiteral("on"));
    services.texts.setText(193, QStringLiteral("off"));
    services.status.showStatus(10, QStringLiteral("on"));
    services.status.showStatus(0, QStringLiteral("on"));
    alone.EON_TA_Schalter_Click();
    services.status.showStatus(10, QStringLiteral("off"));
    services.status.showStatus(0, QStringLiteral("off"));
    alone.EON_TA_Schalter_Click();
    EXPECT_EQ(services.messages.warnings,
              QStringList({"EON TA | nur ohne eigenes TP", "EON TA | nur mit eigenem TA"}));
    services.status.showStatus(0, QStringLiteral("on"));
    alone.EON_TA_Schalter_Click();
    expectReceived(coder("EON-TA=D3C3,1"));
}

using RestoreFromFolder = test::LinkedListPagesTest;

TEST_F(RestoreFromFolder, ListsAndEonItemsComeBackWithoutSending) {
    setDataSet(QStringLiteral("AF_LISTE1"), QStringLiteral("98.5,87.6,101.3"));
    setDataSet(QStringLiteral("AF_Liste3"), QStringLiteral("95.0,96.1"));
    setDataSet(QStringLiteral("EON_AFB2"), QStringLiteral("99.1,88.2"));
    setDataSet(QStringLiteral("EON_PI"), QStringLiteral("D3C3"));
    setDataSet(QStringLiteral("EON_PS"), QStringLiteral("OTHER"));
    setDataSet(QStringLiteral("EON_PTY"), QStringLiteral("5"));
    setDataSet(QStringLiteral("EON_DEL"), QStringLiteral("D3C3"));
    setDataSet(QStringLiteral("EON_TA"), QStringLiteral("1"));

    QWidget window;
    auto* layout = new QVBoxLayout(&window);
    auto* rds = new RdsPage(services.context);
    auto* af = new AfListPage(services.context);
    auto* eon = new EonPage(services.context);
    for (QWidget* page : std::initializer_list<QWidget*>{rds, af, eon})
        layout->addWidget(page);
    eon->fillEonPtyList(programmeTypes());
    rds->Frame1()->setEnabled(false);

    services.gate.setDemo(true);
    eon->restore();
    af->restore();
    expectReceived({});

    EXPECT_EQ(enabledOptions(af->AFList_Opt()), QList<bool>({true, false, true, false, false}));
    EXPECT_TRUE(af->AFList_Opt(0)->isChecked());
    EXPECT_EQ(af->AF_TN()->text(), QStringLiteral("98.5"));
    EXPECT_EQ(entriesOf(af->AF_List1()), QStringList({"87.6", "101.3"}));
    EXPECT_EQ(enabledOptions(eon->EON_AFB_Opt()), QList<bool>({false, true, false, false, false}));
    EXPECT_TRUE(eon->EON_AFB_Opt(0)->isChecked());
    EXPECT_TRUE(eon->Tuned_AFB()->text().isEmpty());
    EXPECT_EQ(eon->AFB_Liste()->count(), 0);
    EXPECT_EQ(services.status.statusText(0), QStringLiteral("aus"));
    EXPECT_EQ(services.status.statusText(10), QStringLiteral("aus"));
    EXPECT_TRUE(rds->Frame1()->isEnabled());

    const CurrentValues& current = services.current;
    EXPECT_EQ(current.eonPi, QStringLiteral("D3C3"));
    EXPECT_EQ(current.eonPs, QStringLiteral("OTHER"));
    EXPECT_EQ(current.eonPty, QStringLiteral("5"));
    EXPECT_EQ(current.eonDelete, QStringLiteral("D3C3"));
    EXPECT_EQ(current.eonTa, QStringLiteral("0"));
    EXPECT_EQ(current.eonTp, QStringLiteral("1"));
    EXPECT_EQ(eon->EON_PI_Text()->text(), QStringLiteral("D3C3"));
    EXPECT_EQ(eon->EON_PS_Text()->text(), QStringLiteral("OTHER"));
    EXPECT_EQ(eon->EON_PTY_Combo()->currentText(), QStringLiteral("Type 5"));
    EXPECT_TRUE(eon->EON_TP_Check()->isChecked());
    EXPECT_FALSE(eon->EON_TA_Schalter()->showsOn());
    EXPECT_EQ(dataSet(QStringLiteral("EON_PI")), QStringLiteral("D3C3"));
    EXPECT_EQ(dataSet(QStringLiteral("EON_PTY")), QStringLiteral("5"));
    EXPECT_EQ(dataSet(QStringLiteral("EON_TP")), QStringLiteral("1"));
    EXPECT_TRUE(services.messages.warnings.isEmpty());

    // The initialisation then sends from what the restore left.
    services.gate.setDemo(false);
    af->Taste_AF_Senden_Click();
    eon->EON_AFB_Senden_Click();
    expectReceived(coder("AF=N,98.5,87.6,101.3") + coder("AF=+,95.0,96.1"));
}

TEST_F(RestoreFromFolder, EmptyFolderLeavesEveryListEmptyAndUnselectable) {
    AfListPage af(services.context);
    EonPage eon(services.context);
    eon.fillEonPtyList(programmeTypes());
    services.gate.setDemo(true);
    eon.restore();
    af.restore();
    EXPECT_EQ(enabledOptions(af.AFList_Opt()), QList<bool>(5, false));
    EXPECT_EQ(enabledOptions(eon.EON_AFB_Opt()), QList<bool>(5, false));
    EXPECT_TRUE(af.AFList_Opt(0)->isChecked());
    EXPECT_TRUE(af.AF_TN()->text().isEmpty());
    EXPECT_EQ(eon.EON_PTY_Combo()->currentIndex(), -1);
    EXPECT_TRUE(services.current.eonPi.isEmpty());
    EXPECT_EQ(dataSet(QStringLiteral("EON_PTY")), QString());
    expectReceived({});
}

} // namespace
} // namespace zor
