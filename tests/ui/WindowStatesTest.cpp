// The main window's states, its bottom bar and menu, without an instrument.
#include "panel/DisplayLabel.h"
#include "panel/PictureSwitch.h"
#include "panel/StereoPage.h"
#include "rds/DynamicPs.h"
#include "rds/EonPage.h"
#include "rds/RdsPage.h"
#include "ui/Initialisation.h"
#include "ui/MessageBoxes.h"
#include "ui/QueryPage.h"
#include "ui/StatusStrip.h"
#include "ui/StorePage.h"
#include "ui/WindowFixture.h"

#include <QAction>
#include <QGroupBox>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTabWidget>
#include <QTest>
#include <QTimer>

namespace zor {
namespace {

using test::WindowTest;

struct State {
    const char* name;
    void (HMenue::*show)();
    Interface interface;
    // Pages, Frame7, Local, Frame8, Demo, INIT, End, interface menu, serial menu.
    std::array<bool, 9> usable;
};

// Not connected leaves only the bottom bar, demo opens the pages, connected the
// pages and "Local" only; going back to not connected ends the EON TA pulse.
TEST_F(WindowTest, EachStateLeavesItsControlsUsable) {
    const State states[] = {
        {"not connected, bus", &HMenue::showNotConnected, Interface::Bus,
         {false, false, false, true, true, true, true, true, false}},
        {"not connected", &HMenue::showNotConnected, Interface::Serial,
         {false, false, false, true, true, true, true, true, true}},
        {"demo", &HMenue::showDemo, Interface::Serial,
         {true, true, false, true, false, false, true, true, true}},
        {"connected", &HMenue::showConnected, Interface::Serial,
         {true, true, true, false, false, false, false, false, false}},
        {"local", &HMenue::showNotConnected, Interface::Serial,
         {false, false, false, true, true, true, true, true, true}},
    };
    HMenue& w = window();
    w.eonPage()->EON_TA_Zeit()->start();
    for (const State& state : states) {
        instrument.interface = state.interface;
        (w.*state.show)();
        const std::array<bool, 9> usable{
            w.SSTab1()->isEnabled(),     w.Frame7()->isEnabled(),   w.GTL_Taste()->isEnabled(),
            w.Frame8()->isEnabled(),     w.Command2()->isEnabled(), w.INIT_Taste()->isEnabled(),
            w.Ende_Taste()->isEnabled(), w.Mnu_Info_Interface()->menuAction()->isEnabled(),
            w.Mnu_Info_RS232()->isEnabled()};
        EXPECT_EQ(usable, state.usable) << state.name;
    }
    EXPECT_FALSE(w.eonPage()->EON_TA_Zeit()->isActive());
}

// The interface menu stores the choice and offers the bus address or the serial
// settings (loaded anew); the address stays within 0 to 30, and Up raises it.
TEST_F(WindowTest, TheInterfaceDecidesWhatTheBottomBarAndMenuOffer) {
    HMenue& w = window();
    w.Schnittstellen_Toggle();
    for (const bool bus : {true, false}) {
        (bus ? w.Mnu_Info_Interface_IEC() : w.Mnu_Info_Interface_COM())->trigger();
        EXPECT_EQ(folder.read(kGeneralFile, "BUS", "Interface"), bus ? "IEC" : "COM");
        EXPECT_EQ(w.Adr1_VScroll()->isHidden(), !bus);
        EXPECT_EQ(w.Mnu_Info_RS232()->isEnabled(), !bus);
        EXPECT_EQ(w.Mnu_Info_Interface_COM()->isEnabled(), bus);
        EXPECT_EQ(w.INIT_Taste()->text(), bus ? "Init IEEE" : "Init COM");
    }
    EXPECT_EQ(instrument.serialSettingsLoads, 1);
    for (const auto& [wanted, taken] : {std::pair{45, 30}, {-3, 0}, {12, 12}}) {
        w.setBusAddress(wanted);
        EXPECT_EQ(w.Adr1_Label()->text(), QString::number(taken));
    }
    QTest::keyClick(w.Adr1_VScroll(), Qt::Key_Up);
    EXPECT_EQ(instrument.address, 13);
}

// Opening the language menu stores the pilot phase; where it cannot, the operator
// hears of it once, after the submenu opened (a box inside its opening crashed).
TEST_F(WindowTest, TheLanguageMenuStoresThePilotPhaseAndTellsAfterItHasOpened) {
    MessageBoxes boxes;
    HMenue shown(folder.data(), captions, boxes, instrument, current);
    boxes.setWindow(&shown);
    for (const auto& [position, stored] : {std::pair{-7, "-7"}, {3, "03"}}) {
        shown.stereoPage()->HScroll1()->setValue(position);
        folder.write(kGeneralFile, "FM", "PILOT_PHASE", QString());
        emit shown.Mnu_Info_Sprache()->aboutToShow();
        EXPECT_EQ(folder.read(kGeneralFile, "FM", "PILOT_PHASE"), QLatin1String(stored));
    }
    folder.put(kGeneralFile, folder.bytes(kGeneralFile) + QByteArray(1, '\0'));
    shown.show();
    QStringList told;
    QTimer closer;
    QObject::connect(&closer, &QTimer::timeout, [&told] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            told << box->windowTitle();
            box->accept();
        }
    });
    closer.start(10);
    shown.menuBar()->setActiveAction(shown.Mnu_Info()->menuAction());
    QTRY_VERIFY(shown.Mnu_Info()->isVisible());
    shown.Mnu_Info()->setActiveAction(shown.Mnu_Info_Sprache()->menuAction());
    QTest::keyClick(shown.Mnu_Info(), Qt::Key_Right);
    QTRY_COMPARE_WITH_TIMEOUT(told, QStringList{"Fehler!"}, 3000);
    shown.Mnu_Info_Sprache()->hide();
    emit shown.Mnu_Info_Sprache()->aboutToShow();
    QTest::qWait(50);
    EXPECT_EQ(told.size(), 1);
}

// Equal addresses stop INIT and Demo with a message; Demo shows the stored values
// and sends nothing; "Local" goes back to not connected, on the bus ending the dynamic PS.
TEST_F(WindowTest, TheBottomBarButtonsLeadFromStateToState) {
    new Initialisation(window());
    window().Beschrifter();
    instrument.address = 7;
    instrument.secondAddress = 7;
    window().showNotConnected();
    window().INIT_Taste()->click();
    window().Command2()->click();
    EXPECT_EQ(messages.warnings, QStringList(2, QStringLiteral("Fehler! | gleiche Adressen!")));
    EXPECT_EQ(instrument.connects, 0);
    EXPECT_FALSE(window().SSTab1()->isEnabled());

    instrument.secondAddress = -1;
    window().Command2()->click();
    EXPECT_TRUE(window().SSTab1()->isEnabled());
    EXPECT_EQ(window().queryPage()->gelesen()->text(), languageText(window().language(), 140));
    EXPECT_TRUE(window().rdsPage()->MS_opt(0)->isChecked());
    EXPECT_EQ(window().statusStrip()->statusText(StatusField::RfFrequency),
              folder.read(kDataSetFile, "ZOR", "HF_Frequenz"));
    window().queryPage()->Command(5)->click();
    EXPECT_TRUE(instrument.asked.isEmpty());
    EXPECT_TRUE(instrument.sent().isEmpty());
    instrument.demo = false;
    window().storePage()->Store_Taste(0)->click();
    window().storePage()->Store_Taste(4)->click();
    EXPECT_EQ(instrument.sent(), QStringList({"STORE=1", "STORE=5"}));

    for (const Interface interface : {Interface::Serial, Interface::Bus}) {
        instrument.interface = interface;
        instrument.demo = false;
        window().showConnected();
        if (!window().rdsPage()->dynamicPs().running())
            window().rdsPage()->Taste_PS_Auto()->click();
        window().GTL_Taste()->click();
        EXPECT_EQ(window().rdsPage()->dynamicPs().running(), interface == Interface::Serial);
        EXPECT_TRUE(window().INIT_Taste()->isEnabled());
    }
    EXPECT_EQ(instrument.localCalls, 2);
}

} // namespace
} // namespace zor
