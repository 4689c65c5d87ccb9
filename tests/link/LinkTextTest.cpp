// The texts the link writes and reads: command log records, the status
// lines of bus messages, and the values within the instrument's answers.
#include "link/BusAdapter.h"
#include "link/BusStatusText.h"
#include "link/CommandLog.h"
#include "link/GpibCodes.h"
#include "link/QueryAnswer.h"
#include "support/TestDataFolder.h"

namespace zor {
namespace {

// The name stands right-aligned in fifteen columns, cut from the left; the
// command follows in quotes unless it is empty.
TEST(CommandLogRecord, NameIsRightAlignedInFifteenColumns) {
    EXPECT_EQ(CommandLog::record("MPX_HUB", "", ":stereo:deviation 75000HZ"),
              "        MPX_HUB= \":stereo:deviation 75000HZ\"");
    EXPECT_EQ(CommandLog::record("ABCDEFGHIJKLMNO", "x", ""), "ABCDEFGHIJKLMNO= x");
    EXPECT_EQ(CommandLog::record("12ABCDEFGHIJKLMNO", "x", ""), "ABCDEFGHIJKLMNO= x");
    EXPECT_EQ(CommandLog::record("", "", ""), QString(15, ' ') + "= ");
}

// Records append as Windows lines in the ANSI code page, only while the
// flag's leading number rounds (half to even) to exactly 1; far outside the
// sixteen bits it is off, never a wrapped-around 1. Every flag empties the
// file, and emptying creates it; a missing folder is silent.
TEST(CommandLogFile, OnlyFlagOneWritesButEveryFlagEmptiesTheFile) {
    test::TestDataFolder folder;
    const QString path = folder.path("RDS_Log.txt");
    CommandLog(path, 0).empty();
    EXPECT_TRUE(QFile::exists(path));
    for (const auto& [flag, writes] :
         {std::pair{"1", true}, {"1.4", true}, {" 1 ; on", true}, {"0", false}, {"", false},
          {"2", false}, {"1.5", false}, {"0.5", false}, {"-1", false}, {"ja", false},
          {"65537", false}, {"1e300", false}}) {
        folder.put("RDS_Log.txt", "old run\r\n");
        const CommandLog log(path, CommandLog::flagFromText(flag));
        log.empty();
        EXPECT_EQ(folder.bytes("RDS_Log.txt"), QByteArray()) << flag;
        log.Log_Schreiben("MPX_HUB", "", ":stereo:deviation 75000HZ");
        log.Log_Schreiben("Gerät", "Grüße", "");
        EXPECT_EQ(folder.bytes("RDS_Log.txt"),
                  writes ? QByteArray("        MPX_HUB= \":stereo:deviation 75000HZ\"\r\n"
                                      "          Ger\xE4t= Gr\xFC\xDF\x65\r\n")
                         : QByteArray())
            << flag;
    }

    const CommandLog nowhere(folder.path("Daten/RDS_Log.txt"), 1);
    nowhere.empty();
    nowhere.Log_Schreiben("PS", "", "x");
    EXPECT_FALSE(QFile::exists(folder.path("Daten/RDS_Log.txt")));
}

// The status lines of a bus message: the status word's bits by name in the
// driver's order (0x200 and 0x400 have none), the error by name only with
// the ERR bit and a known number, the count in upper-case hex. The words
// are the driver's sixteen bits, in two's complement.
TEST(BusStatusText, StatusErrorAndCountLines) {
    EXPECT_EQ(statusWordText(toInt16(0x8100)), "\r\nibsta = &H8100 < ERR CMPL>");
    EXPECT_EQ(statusWordText(0), "\r\nibsta = &H0 <>");
    EXPECT_EQ(statusWordText(-1), "\r\nibsta = &HFFFF < ERR TIMO END SRQI RQS CMPL LOK REM CIC "
                                  "ATN TACS LACS DTAS DCAS>");
    const std::int16_t err = toInt16(gpib::ERR);
    EXPECT_EQ(errorText(err, 2), "\r\niberr = ENOL <No Listener>");
    EXPECT_EQ(errorText(err, 0), "\r\niberr = EDVR <DOS Error>");
    EXPECT_EQ(errorText(err, 20), "\r\niberr = ETAB <Table overflow>");
    EXPECT_EQ(errorText(err, 8), "");
    EXPECT_EQ(errorText(err, 21), "");
    EXPECT_EQ(errorText(0, 0), "\r\niberr =  0");
    EXPECT_EQ(errorText(toInt16(0x2100), 6), "\r\niberr =  6");
    EXPECT_EQ(errorText(0, -3), "\r\niberr = -3");
    EXPECT_EQ(countText(0), "\r\nibcnt = 0x0");
    EXPECT_EQ(countText(255), "\r\nibcnt = 0xFF");
    EXPECT_EQ(countText(-1), "\r\nibcnt = 0xFFFF");
    EXPECT_EQ(toInt16(32768), -32768);
    EXPECT_EQ(toInt16(65535), -1);
    EXPECT_EQ(toInt16(0x12345), 0x2345);
    EXPECT_TRUE(hasError(toInt16(0x8000)));
    EXPECT_FALSE(hasError(toInt16(0x4100)));
}

// The bytes a read delivers replace the first blanks of the buffer, read as
// Latin-1, and never make it longer.
TEST(BusReadBuffer, BytesReadReplaceTheFirstBlanks) {
    EXPECT_EQ(overlayRead(QString(20, ' '), "98.5\n"), "98.5\n" + QString(15, ' '));
    EXPECT_EQ(overlayRead(QString(4, ' '), "123456"), "1234");
    EXPECT_EQ(overlayRead(QString(3, ' '), ""), "   ");
    EXPECT_EQ(overlayRead(QString(3, ' '), "\xE4"), "ä  ");
}

// The coder's value is the text between the first two double quotes; fewer
// than two hold no value.
TEST(CoderAnswer, TextBetweenTheFirstTwoDoubleQuotes) {
    EXPECT_EQ(coderAnswer("A\"PS=RADIO\"B"), "PS=RADIO");
    EXPECT_EQ(coderAnswer("\"RADIO 1 \"\n"), "RADIO 1 ");
    EXPECT_EQ(coderAnswer("\"a\"b\"c\""), "a");
    EXPECT_EQ(coderAnswer("\"\""), "");
    EXPECT_EQ(coderAnswer(""), "");
    EXPECT_EQ(coderAnswer("RADIO 1"), "");
    EXPECT_EQ(coderAnswer("\"RADIO 1 cut at the buffer's end"), "");
}

// The generator's value is what the read delivered, up to its first line
// feed.
TEST(GeneratorAnswer, DeliveredCharactersUpToTheFirstLineFeed) {
    EXPECT_EQ(generatorAnswer("98.5\n" + QString(15, ' '), 5), "98.5");
    EXPECT_EQ(generatorAnswer("1\n2\n" + QString(16, ' '), 4), "1");
    EXPECT_EQ(generatorAnswer("\n" + QString(19, ' '), 1), "");
    EXPECT_EQ(generatorAnswer("12345678901234567890", 20), "12345678901234567890");
    EXPECT_EQ(generatorAnswer("-10.5" + QString(15, ' '), 5), "-10.5");
    EXPECT_EQ(generatorAnswer(QString(20, ' '), 0), "");
    EXPECT_EQ(generatorAnswer("abc", -1), "");
    EXPECT_EQ(generatorAnswer("abc", 1000), "abc");
}

} // namespace
} // namespace zor
