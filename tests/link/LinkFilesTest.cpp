// A driver library that cannot be used is named, with the reason, in the
// initialisation's first status message. ProgramEndTest runs both programs
// with a named pipe as the command log.
#include "support/RecordingOperator.h"
#include "link/BusAdapter.h"
#include "link/CommandChannel.h"
#include "link/CommandLog.h"
#include "link/GpibLibrary.h"
#include "link/LinkState.h"
#include "link/SerialPort.h"
#include "settings/Captions.h"
#include "settings/MessageLanguage.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace zor {
namespace {

// The initialisation's first status box names the library and the loader's
// reason; the second one keeps its usual text.
TEST(UnusableDriverLibrary, TheFirstStatusMessageNamesTheFileAndWhy) {
    useMessageLanguage(QStringLiteral("english"));
    QTemporaryDir dir;
    const QString text = dir.filePath("notes.txt");
    QFile notes(text);
    ASSERT_TRUE(notes.open(QIODevice::WriteOnly) && notes.write(QByteArray(200, 'x')) > 0);
    notes.close();
    const QString fifo = dir.filePath("libgpib-pipe.so");
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0644), 0);
    const struct {
        QString file;
        const char* reason;
    } cases[] = {
        {dir.filePath("libmissing.so"), "No such file or directory"},
        {dir.path(), "In its place there is a folder"},
        {text, "invalid ELF header"},
        {QStringLiteral("libm.so.6"), "missing: ibdev, ibclr, ibwrt, ibrd, ibloc, ibonl"},
        {fifo, "In its place there is a named pipe (FIFO)"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.file.toStdString());
        GpibLibrary library(c.file);
        ASSERT_FALSE(library.loaded());
        Captions captions;
        test::RecordingOperator messages;
        BusAdapter bus(library, captions, messages);
        SerialPort serial(QString{});
        CommandLog log(QString{}, 0);
        LinkState state; // the bus, as a link state starts
        CommandChannel channel(state, serial, bus, log, captions, messages);

        EXPECT_FALSE(channel.openInterface());
        ASSERT_EQ(messages.messages.size(), 2u);
        const QString first = messages.messages[0].text;
        EXPECT_TRUE(first.contains("\rINIT-Error\r")) << first.toStdString();
        EXPECT_TRUE(first.contains(c.file)) << first.toStdString();
        EXPECT_TRUE(first.contains(c.reason)) << first.toStdString();
        EXPECT_TRUE(first.contains("ENEB <No GPIB board>"));
        EXPECT_FALSE(messages.messages[1].text.contains(c.file));
    }
}

} // namespace
} // namespace zor
