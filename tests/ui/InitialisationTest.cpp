// The bottom bar's buttons and the store page on a real window without an
// instrument: what they hand over and what they do to the window.
#include "ui/Initialisation.h"

#include "panel/DisplayLabel.h"
#include "panel/PictureSwitch.h"
#include "rds/DynamicPs.h"
#include "rds/RdsPage.h"
#include "ui/QueryPage.h"
#include "ui/StatusStrip.h"
#include "ui/StorePage.h"
#include "ui/WindowFixture.h"

#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>

namespace zor {
namespace {

using InitialisationTest = test::WindowTest;

TEST_F(InitialisationTest, EqualAddressesStopBothButtonsWithAMessage) {
    instrument.address = 7;
    instrument.secondAddress = 7;
    new Initialisation(window());
    window().showNotConnected();
    window().INIT_Taste()->click();
    window().Command2()->click();
    EXPECT_EQ(messages.warnings, QStringList(2, QStringLiteral("Fehler! | gleiche Adressen!")));
    EXPECT_EQ(instrument.connects, 0);
    EXPECT_FALSE(window().SSTab1()->isEnabled());
}

// Demo mode opens the pages and shows text 140 and the stored generator
// values; nothing leaves, queries ask nothing, and M/S comes up as music.
TEST_F(InitialisationTest, DemoShowsTheStoredValuesAndSendsNothing) {
    new Initialisation(window());
    window().Beschrifter();
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
}

// "Local" takes the window back to not connected; on the bus it also ends
// the dynamic PS, as the bus's release does.
TEST_F(InitialisationTest, LocalOnTheBusStopsTheDynamicPs) {
    new Initialisation(window());
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
