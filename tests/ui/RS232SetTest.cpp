// The serial settings dialog over a real settings file and serial port.
#include "ui/RS232Set.h"

#include "panel/PageFixture.h"
#include "settings/SerialSettings.h"
#include "support/SimProcess.h"
#include "translate/Clock.h"
#include "translate/InstrumentLink.h"

#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

namespace zor {
namespace {

// Opening writes nothing; a newly chosen port is tried first: one that cannot
// open is refused, one that opens is taken with every choice and the address.
TEST(RS232SetTest, OpeningWritesNothingAndANewPortIsTriedBeforeTheChoicesAreStored) {
    test::PageServices services;
    const test::TestDataFolder& folder = services.folder;
    for (const auto& [key, value] :
         {std::pair{"ComPort", "3"}, {"Baud", "2400"}, {"Datenbits", "7"}, {"Paritaet", "E"},
          {"Stoppbit", "2"}, {"Handshake", "3"}, {"Echo", "True"}, {"Adresse", "0"},
          {"Port3", "/dev/zor-test-line"}, {"Port2", "/nonexistent/line"}})
        folder.write(kSerialFile, "38xx", key, QLatin1String(value));
    test::RecordingOperator& messages = services.messages;
    InstrumentLink link(folder.data(), services.texts, messages, services.current, systemClock());
    link.useInterface(Interface::Serial);
    const QByteArray before = folder.bytes(kSerialFile);
    RS232Set refused(link, messages);
    refused.show();
    for (QRadioButton* chosen : {refused.Baud24(), refused.EvenParity(), refused.Data7(),
                                 refused.Stop2(), refused.BothFlow(), refused.ComPort(3),
                                 refused.EchoOn(), refused.Option_Demo_ja()})
        EXPECT_TRUE(chosen->isChecked()) << chosen->objectName().toStdString();
    EXPECT_EQ(refused.ComPort_Geraet()->text(), QStringLiteral("/dev/zor-test-line"));
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
    taken.OKButton()->click();
    EXPECT_EQ(taken.result(), QDialog::Accepted);
    const auto stored = [&folder](const char* key) { return folder.read(kSerialFile, "38xx", key); };
    EXPECT_EQ(QStringList({stored("ComPort"), stored("Paritaet"), stored("Handshake"),
                           stored("Adresse")}),
              QStringList({"4", "O", "3", "0"}));
    EXPECT_EQ(link.serialPortNumber(), 4);
}

} // namespace
} // namespace zor
