#include "link/CommandLog.h"
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

} // namespace
} // namespace zor
