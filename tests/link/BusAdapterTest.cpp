#include "link/BusAdapter.h"

#include "support/RecordingOperator.h"
#include "link/CommandChannel.h"
#include "link/CommandLog.h"
#include "link/GpibCodes.h"
#include "link/GpibLibrary.h"
#include "link/LinkState.h"
#include "settings/ProgramTitle.h"
#include "link/SerialPort.h"
#include "settings/Captions.h"

#include <QLibrary>
#include <gtest/gtest.h>
#include <vector>

namespace zor {
namespace {

// The fake gpib-32-like driver built beside these tests.
class RegisteringDriver : public ::testing::Test {
protected:
    void useResults(std::vector<int> results) {
        fakeControl.setFileName(QStringLiteral(ZOR_FAKE_GPIB_DRIVER));
        ASSERT_TRUE(fakeControl.load()) << fakeControl.errorString().toStdString();
        using Reset = void (*)(const int*, int);
        reinterpret_cast<Reset>(fakeControl.resolve("fake_reset"))(
            results.data(), static_cast<int>(results.size()));
    }
    int counter(const char* name) { return *reinterpret_cast<int*>(fakeControl.resolve(name)); }

    QLibrary fakeControl;
    Captions captions;
    test::RecordingOperator messages;
};

TEST_F(RegisteringDriver, StatusComesFromTheRegisteredVariables) {
    useResults({0});
    GpibLibrary library(QStringLiteral(ZOR_FAKE_GPIB_DRIVER));
    ASSERT_TRUE(library.loaded());
    EXPECT_EQ(library.flavour(), GpibLibrary::Flavour::Gpib32);
    BusAdapter bus(library, captions, messages);

    QString buffer(20, ' ');
    bus.ibrd(5, buffer);
    EXPECT_EQ(buffer, "98.5\n" + QString(15, ' '));
    EXPECT_EQ(bus.ibsta(), 0x2100);
    EXPECT_EQ(bus.iberr(), 0);
    EXPECT_EQ(bus.ibcnt(), 5);
    bus.ibwrt(5, "FREQ?");
    EXPECT_EQ(bus.ibcnt(), 5);
    EXPECT_EQ(counter("fake_register_calls"), 1);
    EXPECT_TRUE(messages.messages.empty());
}

TEST_F(RegisteringDriver, AlreadyRegisteredIsUnregisteredAndRegisteredAgain) {
    useResults({1, 0});
    GpibLibrary library(QStringLiteral(ZOR_FAKE_GPIB_DRIVER));
    BusAdapter bus(library, captions, messages);
    EXPECT_EQ(bus.ibdev(0, 28, 0, 12, 1, 0), 29);
    EXPECT_EQ(counter("fake_register_calls"), 2);
    EXPECT_EQ(counter("fake_unregister_calls"), 1);
    EXPECT_EQ(bus.ibsta(), 0x100);
    EXPECT_EQ(messages.quitRequests, 0);
}

TEST_F(RegisteringDriver, FailedRegistrationQuitsWithItsMessage) {
    struct Case {
        int result;
        const char* text;
        int unregisterCalls;
    };
    for (const Case& c :
         {Case{2, "Operating System is not multi-threaded. Quitting the Program!", 1},
          Case{3, "Unable to register GPIB thread globals. Quitting the Program!", 1},
          Case{9, "Unknown Error for Registering GPIB Globals!!! Quitting the Program!", 0}}) {
        useResults({c.result});
        test::RecordingOperator quitting;
        {
            GpibLibrary library(QStringLiteral(ZOR_FAKE_GPIB_DRIVER));
            BusAdapter bus(library, captions, quitting);
            bus.ibclr(3);
            EXPECT_TRUE(bus.failed());
        }
        ASSERT_EQ(quitting.messages.size(), 1u) << c.result;
        EXPECT_EQ(quitting.messages[0].kind, "critical");
        EXPECT_EQ(quitting.messages[0].title, kProgramTitle);
        EXPECT_EQ(quitting.messages[0].text, c.text);
        EXPECT_EQ(quitting.quitRequests, 1);
        EXPECT_EQ(counter("fake_unregister_calls"), c.unregisterCalls) << c.result;
    }
}

TEST(MissingDriver, InitialisationReportsOpenAndClearErrorsWithENEB) {
    GpibLibrary library(QStringLiteral("/no/such/folder/libgpib.so.0"));
    EXPECT_FALSE(library.loaded());
    Captions captions;
    captions.setText(184, "Fehler am IEC-Bus");
    captions.setText(185, "Weiter?");
    test::RecordingOperator messages;
    BusAdapter bus(library, captions, messages);
    SerialPort serial(QString{});
    CommandLog log(QString{}, 0);
    LinkState state;
    state.serialInterface = false;
    state.generatorAddress = 28;
    CommandChannel channel(state, serial, bus, log, captions, messages);

    EXPECT_FALSE(channel.openInterface());
    EXPECT_EQ(state.generatorDescriptor, -1);
    EXPECT_EQ(bus.ibsta(), -32768);
    EXPECT_EQ(bus.iberr(), gpib::ENEB);
    ASSERT_EQ(messages.messages.size(), 2u);
    const QString status = "\r\rStatus:\r\nibsta = &H8000 < ERR>\r\niberr = ENEB <No GPIB board>"
                           "\r\nibcnt = 0x0\r\rWeiter?";
    EXPECT_EQ(messages.messages[0].kind, "ask");
    EXPECT_EQ(messages.messages[0].title, kProgramTitle);
    EXPECT_EQ(messages.messages[0].text, "Fehler am IEC-Bus\rGerät: ZOR\rINIT-Error\r" +
                                             library.problem().replace('\n', '\r') + status);
    EXPECT_EQ(messages.messages[1].text, "Fehler am IEC-Bus\rGerät: ZOR\rClear-Error" + status);
    EXPECT_EQ(messages.quitRequests, 0);
}

} // namespace
} // namespace zor
