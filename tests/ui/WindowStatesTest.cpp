#include "panel/DisplayLabel.h"
#include "panel/StereoPage.h"
#include "rds/EonPage.h"
#include "ui/MessageBoxes.h"
#include "ui/WindowFixture.h"

#include <QAction>
#include <QGroupBox>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
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

// Not connected leaves only the bottom bar, demo opens the pages without
// "Local", connected opens the pages and "Local" only; going back to not
// connected also ends a running EON TA pulse.
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

// The interface menu stores the choice at once; the bus address shows only
// with the bus, the serial settings only with the serial line, which loads
// them anew. The address stays within 0 to 30, and Up raises it.
TEST_F(WindowTest, TheInterfaceDecidesWhatTheBottomBarAndMenuOffer) {
    HMenue& w = window();
    w.Schnittstellen_Toggle();
    for (const bool bus : {true, false}) {
        (bus ? w.Mnu_Info_Interface_IEC() : w.Mnu_Info_Interface_COM())->trigger();
        EXPECT_EQ(general("BUS", "Interface"), bus ? "IEC" : "COM");
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

TEST_F(WindowTest, OpeningTheLanguageMenuKeepsThePilotPhaseOnFile) {
    for (const auto& [position, stored] : {std::pair{-7, "-7"}, {3, "03"}}) {
        window().stereoPage()->HScroll1()->setValue(position);
        folder.write(kGeneralFile, "FM", "PILOT_PHASE", QString());
        emit window().Mnu_Info_Sprache()->aboutToShow();
        EXPECT_EQ(general("FM", "PILOT_PHASE"), QLatin1String(stored));
    }
}

// The pilot phase cannot be stored into a file that holds a NUL byte: the
// operator hears of it once the submenu, opened from the menu bar, has
// opened, never from inside its opening (a box opened there brought the
// program down), and only once.
TEST_F(WindowTest, ALanguageMenuOverAnUnwritableFileTellsAfterItHasOpened) {
    folder.put(kGeneralFile, folder.bytes(kGeneralFile) + QByteArray(1, '\0'));
    MessageBoxes boxes;
    HMenue shown(folder.data(), captions, boxes, instrument, current);
    boxes.setWindow(&shown);
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

} // namespace
} // namespace zor
