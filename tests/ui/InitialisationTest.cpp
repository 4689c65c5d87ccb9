// The bottom bar's connection buttons on a real window over a copy of the
// bundled data folder, without an instrument: what they do to the window
// and the program state when they must not (or cannot) reach one.
#include "ui/Initialisation.h"

#include "panel/DisplayLabel.h"
#include "panel/PictureSwitch.h"
#include "rds/DynamicPs.h"
#include "rds/RdsPage.h"
#include "ui/QueryPage.h"
#include "ui/RS232Set.h"
#include "ui/WindowFixture.h"

#include <QAction>
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QScrollBar>
#include <QTabWidget>
#include <QTimer>
#include <ostream>

QT_BEGIN_NAMESPACE
inline void PrintTo(const QString& text, std::ostream* os) {
    *os << '"' << text.toStdString() << '"';
}
QT_END_NAMESPACE

namespace zor {
namespace {

class InitialisationTest : public test::WindowTest {
protected:
    Initialisation& initialisation() {
        if (!initialisation_)
            initialisation_ = new Initialisation(window());
        return *initialisation_;
    }

private:
    Initialisation* initialisation_ = nullptr;
};

TEST_F(InitialisationTest, EqualAddressesStopBothButtonsWithAMessage) {
    instrument.address = 7;
    instrument.secondAddress = 7;
    initialisation();
    window().showNotConnected();

    window().INIT_Taste()->click();
    window().Command2()->click();

    EXPECT_EQ(messages.warnings, QStringList(2, QStringLiteral("Fehler! | gleiche Adressen!")));
    EXPECT_FALSE(window().SSTab1()->isEnabled());
    EXPECT_TRUE(window().INIT_Taste()->isEnabled());
    EXPECT_TRUE(window().Command2()->isEnabled());
    EXPECT_TRUE(instrument.demo);
    EXPECT_EQ(instrument.connects, 0);
    EXPECT_EQ(window().queryPage()->gelesen()->text(), QStringLiteral("Drücken Sie eine Taste!"));
}

TEST_F(InitialisationTest, TheAddressControlSetsTheGeneratorAddress) {
    instrument.interface = Interface::Bus;
    initialisation();
    window().Schnittstellen_Toggle();
    window().Adr1_VScroll()->setValue(12);
    EXPECT_EQ(instrument.address, 12);
    EXPECT_EQ(window().Adr1_Label()->text(), QStringLiteral("12"));
}

TEST_F(InitialisationTest, LocalOnTheBusStopsTheDynamicPs) {
    instrument.interface = Interface::Bus;
    instrument.demo = false;
    initialisation();
    window().showConnected();
    window().rdsPage()->Taste_PS_Auto()->click();
    ASSERT_TRUE(window().rdsPage()->dynamicPs().running());

    window().GTL_Taste()->click();
    EXPECT_FALSE(window().rdsPage()->dynamicPs().running());
    EXPECT_TRUE(instrument.demo);
    EXPECT_FALSE(window().SSTab1()->isEnabled());
    EXPECT_TRUE(window().INIT_Taste()->isEnabled());
    EXPECT_TRUE(window().Mnu_Info_Interface()->menuAction()->isEnabled());
    EXPECT_FALSE(window().Mnu_Info_RS232()->isEnabled());
}

TEST_F(InitialisationTest, LocalOnTheSerialLineLeavesAClosedPortClosed) {
    instrument.demo = false;
    initialisation();
    window().showConnected();
    window().GTL_Taste()->click();
    EXPECT_EQ(instrument.connects, 0);
    EXPECT_TRUE(instrument.demo);
    EXPECT_TRUE(window().Mnu_Info_RS232()->isEnabled());
    EXPECT_TRUE(messages.warnings.isEmpty());
}

TEST_F(InitialisationTest, TheSerialMenuOpensTheDialogAndWaitsForIt) {
    window();
    QString title;
    bool modal = false;
    QTimer::singleShot(0, [&] {
        for (QWidget* shown : QApplication::topLevelWidgets()) {
            auto* dialog = qobject_cast<RS232Set*>(shown);
            if (!dialog || !dialog->isVisible())
                continue;
            title = dialog->windowTitle();
            modal = dialog->isModal();
            dialog->CancelButton()->click();
        }
    });
    window().Mnu_Info_RS232()->trigger();
    EXPECT_EQ(title, QStringLiteral("Communication Parameter"));
    EXPECT_TRUE(modal);
}

} // namespace
} // namespace zor
