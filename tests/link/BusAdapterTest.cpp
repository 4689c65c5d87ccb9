#include "link/BusAdapter.h"

#include "link/CommandChannel.h"
#include "link/CommandLog.h"
#include "link/GpibCodes.h"
#include "link/GpibLibrary.h"
#include "link/LinkState.h"
#include "link/SerialPort.h"
#include "settings/Captions.h"
#include "settings/MessageLanguage.h"
#include "settings/ProgramTitle.h"
#include "support/RecordingOperator.h"
#include "support/TestDataFolder.h"

#include <QLibrary>
#include <sys/stat.h>
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

// A driver that wants its status variables registered gets them once; one
// already registered is unregistered and registered again; the status then
// comes from those variables, never from the driver's own.
TEST_F(RegisteringDriver, StatusComesFromTheRegisteredVariables) {
    useResults({1, 0});
    GpibLibrary library(QStringLiteral(ZOR_FAKE_GPIB_DRIVER));
    ASSERT_TRUE(library.loaded());
    EXPECT_EQ(library.flavour(), GpibLibrary::Flavour::Gpib32);
    BusAdapter bus(library, captions, messages);
    EXPECT_EQ(bus.ibdev(0, 28, 0, 12, 1, 0), 29);
    EXPECT_EQ(counter("fake_register_calls"), 2);
    EXPECT_EQ(counter("fake_unregister_calls"), 1);
    EXPECT_EQ(bus.ibsta(), 0x100);

    QString buffer(20, ' ');
    bus.ibrd(5, buffer);
    EXPECT_EQ(buffer, "98.5\n" + QString(15, ' '));
    EXPECT_EQ(bus.ibsta(), 0x2100);
    EXPECT_EQ(bus.iberr(), 0);
    EXPECT_EQ(bus.ibcnt(), 5);
    bus.ibwrt(5, "FREQ?");
    EXPECT_EQ(bus.ibcnt(), 5);
    EXPECT_EQ(counter("fake_register_calls"), 2);
    EXPECT_TRUE(messages.messages.empty());
}

// A registration that fails for good ends the program with its reason.
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

// A driver library that cannot be used fails the initialisation with "no
// board": its first status message names the file and the loader's reason
// (a missing file, a folder, a text file, a library without the calls, a
// named pipe), the second keeps its usual text; nothing quits.
TEST(UnusableDriverLibrary, TheFirstStatusMessageNamesTheFileAndWhy) {
    useMessageLanguage(QStringLiteral("english"));
    test::TestDataFolder dir;
    dir.put("notes.txt", QByteArray(200, 'x'));
    const QString text = dir.path("notes.txt");
    const QString fifo = dir.path("libgpib-pipe.so");
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0644), 0);
    const struct {
        QString file;
        const char* reason;
    } cases[] = {
        {dir.path("libmissing.so"), "No such file or directory"},
        {dir.path(), "In its place there is a folder"},
        {text, "invalid ELF header"},
        {QStringLiteral("libm.so.6"), "missing: ibdev, ibclr, ibwrt, ibrd, ibloc, ibonl"},
        {fifo, "In its place there is a named pipe (FIFO)"},
    };
    const QString status = "\r\rStatus:\r\nibsta = &H8000 < ERR>\r\niberr = ENEB <No GPIB board>"
                           "\r\nibcnt = 0x0\r\rWeiter?";
    for (const auto& c : cases) {
        SCOPED_TRACE(c.file.toStdString());
        GpibLibrary library(c.file);
        ASSERT_FALSE(library.loaded());
        EXPECT_TRUE(library.problem().contains(c.file));
        EXPECT_TRUE(library.problem().contains(c.reason)) << library.problem().toStdString();
        Captions captions;
        captions.setText(184, "Fehler am IEC-Bus");
        captions.setText(185, "Weiter?");
        test::RecordingOperator messages;
        BusAdapter bus(library, captions, messages);
        SerialPort serial(QString{});
        CommandLog log(QString{}, 0);
        LinkState state; // the bus, as a link state starts
        CommandChannel channel(state, serial, bus, log, captions, messages);

        EXPECT_FALSE(channel.openInterface());
        EXPECT_EQ(state.generatorDescriptor, -1);
        EXPECT_EQ(bus.ibsta(), -32768);
        EXPECT_EQ(bus.iberr(), gpib::ENEB);
        ASSERT_EQ(messages.messages.size(), 2u);
        EXPECT_EQ(messages.messages[0].kind, "ask");
        EXPECT_EQ(messages.messages[0].title, kProgramTitle);
        EXPECT_EQ(messages.messages[0].text, "Fehler am IEC-Bus\rGerät: ZOR\rINIT-Error\r" +
                                                 library.problem().replace('\n', '\r') + status);
        EXPECT_EQ(messages.messages[1].text, "Fehler am IEC-Bus\rGerät: ZOR\rClear-Error" + status);
        EXPECT_EQ(messages.quitRequests, 0);
    }
}

} // namespace
} // namespace zor
