// The serial settings dialog over a real settings file and the program's
// real serial port.
#include "ui/RS232Set.h"

#include "panel/PageFixture.h"
#include "settings/SerialSettings.h"
#include "support/SimProcess.h"
#include "translate/Clock.h"
#include "translate/InstrumentLink.h"

#include <QButtonGroup>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

namespace zor {
namespace {

class RS232SetTest : public ::testing::Test {
protected:
    RS232SetTest() {
        test::offscreenApp();
        for (const auto& [key, value] : {std::pair{"ComPort", "3"}, {"Baud", "2400"},
                                         {"Datenbits", "7"}, {"Paritaet", "E"}, {"Stoppbit", "2"},
                                         {"Handshake", "3"}, {"Echo", "True"}, {"Demo", "nodemo"},
                                         {"Adresse", "0"}, {"Port3", "/dev/zor-test-line"}})
            folder.write(kSerialFile, "38xx", key, QLatin1String(value));
        link.useInterface(Interface::Serial);
    }
    QString stored(const char* key) const { return folder.read(kSerialFile, "38xx", key); }

    test::TestDataFolder folder;
    Captions texts;
    CurrentValues current;
    test::RecordingOperator messages;
    InstrumentLink link{folder.data(), texts, messages, current, systemClock()};
};

// Opening shows the stored choices without running their handlers, so the
// file stays byte for byte; Cancel stores nothing but the demo choice,
// which is stored at once.
TEST_F(RS232SetTest, OpeningShowsTheStoredChoicesAndCancelStoresOnlyTheDemoChoice) {
    const QByteArray before = folder.bytes(kSerialFile);
    RS232Set dialog(link, messages);
    for (QRadioButton* chosen : {dialog.Baud24(), dialog.EvenParity(), dialog.Data7(), dialog.Stop2(),
                                 dialog.BothFlow(), dialog.ComPort(3), dialog.EchoOn(),
                                 dialog.Option_Demo_Nein()})
        EXPECT_TRUE(chosen->isChecked()) << chosen->objectName().toStdString();
    EXPECT_EQ(dialog.ComPort_Geraet()->text(), QStringLiteral("/dev/zor-test-line"));
    EXPECT_TRUE(dialog.ComPort(1)->toolTip().endsWith(usualSerialDevice(1)));
    EXPECT_EQ(folder.bytes(kSerialFile), before);
    dialog.Baud3()->click();
    dialog.Option_Demo_ja()->click();
    dialog.CancelButton()->click();
    EXPECT_EQ(QStringList({stored("Baud"), stored("Demo")}), QStringList({"2400", "demo"}));
}

// A newly chosen port is tried before anything is written: one that cannot
// be opened is refused and the dialog stays; one that opens is taken with
// every choice, the address written back as read.
TEST_F(RS232SetTest, ANewPortIsTriedBeforeTheChoicesAreStored) {
    folder.write(kSerialFile, "38xx", "Port2", folder.path(QStringLiteral("no-such-line")));
    const QByteArray before = folder.bytes(kSerialFile);
    RS232Set refused(link, messages);
    refused.show();
    refused.ComPort(2)->click();
    refused.OKButton()->click();
    ASSERT_EQ(messages.warnings.size(), 1);
    EXPECT_TRUE(messages.warnings[0].contains("ComPort : 2 läßt sich nicht ansprechen"));
    EXPECT_TRUE(refused.isVisible());
    EXPECT_EQ(folder.bytes(kSerialFile), before);

    SimProcess sim;
    ASSERT_TRUE(sim.isReady()) << sim.errorString().toStdString();
    folder.write(kSerialFile, "38xx", "Port4", sim.ttyPath());
    RS232Set taken(link, messages);
    taken.ComPort(4)->click();
    taken.OddParity()->click();
    taken.XonFlow()->click();
    taken.OKButton()->click();
    EXPECT_EQ(taken.result(), QDialog::Accepted);
    EXPECT_EQ(QStringList({stored("ComPort"), stored("Paritaet"), stored("Handshake"),
                           stored("Adresse")}),
              QStringList({"4", "O", "1", "0"}));
    EXPECT_EQ(link.serialPortNumber(), 4);
    EXPECT_EQ(link.serialSettings().handshakeMode(), 1);
}

} // namespace
} // namespace zor
