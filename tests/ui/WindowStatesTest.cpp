#include "panel/DisplayLabel.h"
#include "panel/StereoPage.h"
#include "rds/EonPage.h"
#include "ui/AboutBox.h"
#include "ui/WindowFixture.h"

#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QStyle>
#include <QStyleOptionSlider>
#include <QTabWidget>
#include <QTest>
#include <QTimer>

namespace zor {
namespace {

class WindowStatesTest : public test::WindowTest {
protected:
    // Whether the operator can use the control: it and every frame around it
    // are enabled.
    static bool usable(QWidget* control) { return control->isEnabled(); }
    static bool usable(QAction* action) { return action->isEnabled(); }
};

TEST_F(WindowStatesTest, NotConnectedLeavesOnlyTheBottomBar) {
    HMenue& w = window();
    w.showDemo();
    w.eonPage()->EON_TA_Zeit()->start();
    w.showNotConnected();
    EXPECT_FALSE(usable(w.SSTab1()));
    EXPECT_FALSE(usable(w.Frame7()));
    EXPECT_FALSE(usable(w.GTL_Taste()));
    EXPECT_TRUE(usable(w.Frame8()));
    EXPECT_TRUE(usable(w.Ende_Taste()));
    EXPECT_TRUE(usable(w.Command2()));
    EXPECT_TRUE(usable(w.INIT_Taste()));
    EXPECT_TRUE(usable(w.Mnu_Info_Interface()->menuAction()));
    EXPECT_TRUE(usable(w.Mnu_Info_RS232()));
    EXPECT_FALSE(w.eonPage()->EON_TA_Zeit()->isActive());
}

TEST_F(WindowStatesTest, NotConnectedOnTheBusKeepsTheSerialSettingsClosed) {
    instrument.interface = Interface::Bus;
    window().showNotConnected();
    EXPECT_FALSE(usable(window().Mnu_Info_RS232()));
}

TEST_F(WindowStatesTest, DemoOpensThePagesButNotLocal) {
    HMenue& w = window();
    w.showNotConnected();
    w.showDemo();
    EXPECT_TRUE(usable(w.SSTab1()));
    EXPECT_TRUE(usable(w.Frame7()));
    EXPECT_TRUE(usable(w.Frame8()));
    EXPECT_FALSE(usable(w.GTL_Taste()));
    EXPECT_FALSE(usable(w.Command2()));
    EXPECT_FALSE(usable(w.INIT_Taste()));
    EXPECT_TRUE(usable(w.Ende_Taste()));
}

TEST_F(WindowStatesTest, ConnectedOpensThePagesAndLocalOnly) {
    HMenue& w = window();
    w.showNotConnected();
    w.showConnected();
    EXPECT_TRUE(usable(w.SSTab1()));
    EXPECT_TRUE(usable(w.Frame7()));
    EXPECT_TRUE(usable(w.GTL_Taste()));
    EXPECT_FALSE(usable(w.Frame8()));
    EXPECT_FALSE(usable(w.Ende_Taste()));
    EXPECT_FALSE(usable(w.Command2()));
    EXPECT_FALSE(usable(w.INIT_Taste()));
    EXPECT_FALSE(usable(w.Mnu_Info_RS232()));
    EXPECT_FALSE(usable(w.Mnu_Info_Interface()->menuAction()));

    // "Local" brings the window back.
    w.showNotConnected();
    EXPECT_TRUE(usable(w.INIT_Taste()));
    EXPECT_TRUE(usable(w.Command2()));
    EXPECT_TRUE(usable(w.Mnu_Info_Interface()->menuAction()));
    EXPECT_FALSE(usable(w.SSTab1()));
}

TEST_F(WindowStatesTest, SerialInterfaceHidesTheBusAddress) {
    HMenue& w = window();
    w.Schnittstellen_Toggle();
    EXPECT_TRUE(w.Adr1_VScroll()->isHidden());
    EXPECT_TRUE(w.Adr1_Label()->isHidden());
    EXPECT_TRUE(w.Label6()->isHidden());
    EXPECT_TRUE(w.Mnu_Info_RS232()->isEnabled());
    EXPECT_FALSE(w.Mnu_Info_Interface_COM()->isEnabled());
    EXPECT_TRUE(w.Mnu_Info_Interface_IEC()->isEnabled());
    EXPECT_EQ(w.INIT_Taste()->text(), QStringLiteral("Init COM"));
}

TEST_F(WindowStatesTest, BusInterfaceShowsTheBusAddress) {
    instrument.interface = Interface::Bus;
    HMenue& w = window();
    w.Schnittstellen_Toggle();
    EXPECT_FALSE(w.Adr1_VScroll()->isHidden());
    EXPECT_FALSE(w.Adr1_Label()->isHidden());
    EXPECT_FALSE(w.Label6()->isHidden());
    EXPECT_FALSE(w.Mnu_Info_RS232()->isEnabled());
    EXPECT_TRUE(w.Mnu_Info_Interface_COM()->isEnabled());
    EXPECT_FALSE(w.Mnu_Info_Interface_IEC()->isEnabled());
    EXPECT_EQ(w.INIT_Taste()->text(), QStringLiteral("Init IEEE"));
    EXPECT_EQ(instrument.serialSettingsLoads, 0);
}

TEST_F(WindowStatesTest, InterfaceMenuStoresTheChoiceAtOnce) {
    HMenue& w = window();
    w.Schnittstellen_Toggle();
    w.Mnu_Info_Interface_IEC()->trigger();
    EXPECT_EQ(instrument.interface, Interface::Bus);
    EXPECT_EQ(Ini_Lesen("BUS", "INTERFACE", general()), QStringLiteral("IEC"));
    EXPECT_FALSE(w.Mnu_Info_Interface_IEC()->isEnabled());
    EXPECT_EQ(w.INIT_Taste()->text(), QStringLiteral("Init IEEE"));
    w.Mnu_Info_Interface_COM()->trigger();
    EXPECT_EQ(Ini_Lesen("BUS", "Interface", general()), QStringLiteral("COM"));
    EXPECT_TRUE(w.Adr1_VScroll()->isHidden());
    EXPECT_EQ(instrument.serialSettingsLoads, 1);
    EXPECT_TRUE(messages.warnings.isEmpty());
}

TEST_F(WindowStatesTest, UnwritableSettingsFileIsReported) {
    QFile::setPermissions(general(), QFileDevice::ReadOwner);
    QDir(folder.path()).removeRecursively();
    HMenue& w = window();
    w.Mnu_Info_Interface_IEC()->trigger();
    EXPECT_EQ(instrument.interface, Interface::Bus);
    ASSERT_FALSE(messages.warnings.isEmpty());
    EXPECT_TRUE(messages.warnings.back().contains(QStringLiteral("Interface")));
}

TEST_F(WindowStatesTest, BusAddressStaysWithinItsRangeAndShowsInItsLabel) {
    HMenue& w = window();
    w.setBusAddress(12);
    EXPECT_EQ(w.Adr1_VScroll()->value(), 12);
    EXPECT_EQ(w.Adr1_Label()->text(), QStringLiteral("12"));
    EXPECT_EQ(instrument.address, 12);
    w.setBusAddress(30);
    EXPECT_EQ(w.Adr1_Label()->text(), QStringLiteral("30"));
    w.setBusAddress(45);
    EXPECT_EQ(w.Adr1_VScroll()->value(), 30);
    EXPECT_EQ(w.Adr1_Label()->text(), QStringLiteral("30"));
    w.setBusAddress(-3);
    EXPECT_EQ(w.Adr1_Label()->text(), QStringLiteral("0"));
}

TEST_F(WindowStatesTest, UpperArrowOfTheBusAddressRaisesIt) {
    instrument.interface = Interface::Bus;
    HMenue& w = window();
    w.Schnittstellen_Toggle();
    w.showNotConnected();
    w.show();
    QScrollBar* address = w.Adr1_VScroll();
    w.setBusAddress(10);

    QStyleOptionSlider option;
    option.initFrom(address);
    option.orientation = Qt::Vertical;
    option.minimum = address->minimum();
    option.maximum = address->maximum();
    option.sliderPosition = address->value();
    option.sliderValue = address->value();
    option.upsideDown = address->invertedAppearance();
    option.singleStep = address->singleStep();
    option.pageStep = address->pageStep();
    const QRect upper = address->style()->subControlRect(QStyle::CC_ScrollBar, &option,
                                                         QStyle::SC_ScrollBarSubLine, address);
    const QRect lower = address->style()->subControlRect(QStyle::CC_ScrollBar, &option,
                                                         QStyle::SC_ScrollBarAddLine, address);
    ASSERT_LT(upper.center().y(), lower.center().y());

    QTest::mouseClick(address, Qt::LeftButton, {}, upper.center());
    EXPECT_EQ(address->value(), 11);
    EXPECT_EQ(w.Adr1_Label()->text(), QStringLiteral("11"));
    QTest::mouseClick(address, Qt::LeftButton, {}, lower.center());
    QTest::mouseClick(address, Qt::LeftButton, {}, lower.center());
    EXPECT_EQ(address->value(), 9);

    w.setBusAddress(30);
    QTest::mouseClick(address, Qt::LeftButton, {}, upper.center());
    EXPECT_EQ(address->value(), 30);

    // The keyboard moves the address the way the arrows point.
    address->setFocus();
    QTest::keyClick(address, Qt::Key_Down);
    EXPECT_EQ(address->value(), 29);
    QTest::keyClick(address, Qt::Key_Up);
    EXPECT_EQ(address->value(), 30);
    EXPECT_EQ(w.Adr1_Label()->text(), QStringLiteral("30"));
}

TEST_F(WindowStatesTest, RdsModeEntryNamesTheModeAClickSelects) {
    HMenue& w = window();
    w.setRdsMode(QStringLiteral("RDS"));
    EXPECT_EQ(w.Mnu_Info_RDS_RBDS()->text(), QStringLiteral("RBDS"));
    w.setRdsMode(QStringLiteral("RBDS"));
    EXPECT_EQ(w.rdsMode(), QStringLiteral("RBDS"));
    EXPECT_EQ(w.Mnu_Info_RDS_RBDS()->text(), QStringLiteral("RDS"));
    w.setRdsMode(QString());
    EXPECT_EQ(w.rdsMode(), QStringLiteral("RDS"));
}

TEST_F(WindowStatesTest, AboutBoxIsTheSameInEveryLanguage) {
    HMenue& w = window();
    for (const char* language : {"deutsch", "english"}) {
        setLanguage(QLatin1String(language));
        w.Beschrifter();
        messages.warnings.clear();
        w.Mnu_Info_Ueber()->trigger();
        ASSERT_EQ(messages.warnings.size(), 1);
        EXPECT_EQ(messages.warnings.front(), QStringLiteral(" | ") + aboutText());
    }
    EXPECT_EQ(aboutText(), QStringLiteral("\nRDS/Stero Remote Software for ZOR-Q7\n\n"
                                          "Supported IEEE-Interface: National Instruments\n\n"));
}

TEST_F(WindowStatesTest, LanguageMenuKeepsThePilotPhaseOnFile) {
    HMenue& w = window();
    w.stereoPage()->HScroll1()->setValue(-7);
    emit w.Mnu_Info_Sprache()->aboutToShow();
    EXPECT_EQ(Ini_Lesen("FM", "PILOT_PHASE", general()), QStringLiteral("-7"));
    w.stereoPage()->HScroll1()->setValue(3);
    emit w.Mnu_Info_Sprache()->aboutToShow();
    EXPECT_EQ(Ini_Lesen("FM", "PILOT_PHASE", general()), QStringLiteral("03"));
}

} // namespace
} // namespace zor
