#include "link/CommandLog.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace zor {
namespace {

QByteArray fileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

void writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

TEST(CommandLogRecord, NameIsRightAlignedInFifteenColumns) {
    EXPECT_EQ(CommandLog::record("MPX_HUB", "", ":stereo:deviation 75000HZ"),
              "        MPX_HUB= \":stereo:deviation 75000HZ\"");
    EXPECT_EQ(CommandLog::record("PS?", ":STEREO:DIRECT? ", "PS"),
              "            PS?= :STEREO:DIRECT? \"PS\"");
    EXPECT_EQ(CommandLog::record("ABCDEFGHIJKLMNO", "x", ""), "ABCDEFGHIJKLMNO= x");
    EXPECT_EQ(CommandLog::record("12ABCDEFGHIJKLMNO", "x", ""), "ABCDEFGHIJKLMNO= x");
    EXPECT_EQ(CommandLog::record("", "", ""), QString(15, ' ') + "= ");
}

TEST(CommandLogRecord, EmptyCommandEndsAfterTheText) {
    EXPECT_EQ(CommandLog::record("Antwort", "RADIO 1 ", ""), "        Antwort= RADIO 1 ");
    EXPECT_EQ(CommandLog::record("Freq?", " ", "FREQ?"), "          Freq?=  \"FREQ?\"");
}

TEST(CommandLogFlag, LeadingNumberRoundedHalfToEven) {
    EXPECT_EQ(CommandLog::flagFromText(""), 0);
    EXPECT_EQ(CommandLog::flagFromText("0"), 0);
    EXPECT_EQ(CommandLog::flagFromText("1"), 1);
    EXPECT_EQ(CommandLog::flagFromText("2"), 2);
    EXPECT_EQ(CommandLog::flagFromText("1.4"), 1);
    EXPECT_EQ(CommandLog::flagFromText("1.5"), 2);
    EXPECT_EQ(CommandLog::flagFromText("0.5"), 0);
    EXPECT_EQ(CommandLog::flagFromText(" 1 ; on"), 1);
    EXPECT_EQ(CommandLog::flagFromText("ja"), 0);
    // Far outside the 16-bit range: off, never a wrapped-around 1.
    EXPECT_EQ(CommandLog::flagFromText("65537"), 0);
    EXPECT_EQ(CommandLog::flagFromText("1e300"), 0);
}

TEST(CommandLogFile, RecordsAppendAsWindowsLinesInTheAnsiCodePage) {
    QTemporaryDir dir;
    const QString path = dir.filePath("RDS_Log.txt");
    const CommandLog log(path, CommandLog::flagFromText("1.4"));
    ASSERT_TRUE(log.enabled());
    log.empty();
    log.Log_Schreiben("MPX_HUB", "", ":stereo:deviation 75000HZ");
    log.Log_Schreiben("Gerät", "Grüße", "");
    EXPECT_EQ(fileBytes(path), QByteArray("        MPX_HUB= \":stereo:deviation 75000HZ\"\r\n"
                                          "          Ger\xE4t= Gr\xFC\xDF\x65\r\n"));
}

TEST(CommandLogFile, OnlyFlagOneWritesButEveryFlagEmptiesTheFile) {
    QTemporaryDir dir;
    for (const char* flagText : {"0", "", "2", "1.5", "-1"}) {
        const QString path = dir.filePath("RDS_Log.txt");
        writeFile(path, "old run\r\n");
        const CommandLog log(path, CommandLog::flagFromText(flagText));
        log.empty();
        EXPECT_EQ(fileBytes(path), QByteArray()) << flagText;
        log.Log_Schreiben("PS", "", ":STEREO:DIRECT \"PS=RADIO 1 \"");
        EXPECT_EQ(fileBytes(path), QByteArray()) << flagText;
    }
}

TEST(CommandLogFile, EmptyingCreatesTheFileAndAMissingFolderIsSilent) {
    QTemporaryDir dir;
    const QString path = dir.filePath("RDS_Log.txt");
    CommandLog(path, 0).empty();
    EXPECT_TRUE(QFile::exists(path));

    const CommandLog nowhere(dir.filePath("Daten/RDS_Log.txt"), 1);
    nowhere.empty();
    nowhere.Log_Schreiben("PS", "", "x");
    EXPECT_FALSE(QFile::exists(dir.filePath("Daten/RDS_Log.txt")));
}

} // namespace
} // namespace zor
