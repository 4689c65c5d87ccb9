#include "TmcCatalogueFiles.h"
#include "settings/FileText.h"
#include "tmc/TmcCatalogue.h"

#include <QDir>
#include <QFile>
#include <QSet>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace zor {
namespace {

QString blanks(qsizetype count)
{
    return QString(count, u' ');
}

// The bytes of a literal, NUL bytes included.
template <std::size_t N>
QByteArray bytesOf(const char (&literal)[N])
{
    return QByteArray(literal, N - 1);
}

class TmcCatalogueFile : public ::testing::Test {
protected:
    QString write(const QString& name, const QByteArray& bytes)
    {
        const QString path = dir_.filePath(name);
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return path;
    }

    TmcCatalogue events(const QByteArray& bytes)
    {
        return readTmcCatalogue(TmcCatalogueKind::Events, write("Event.txt", bytes));
    }

    TmcCatalogue locations(const QByteArray& bytes)
    {
        return readTmcCatalogue(TmcCatalogueKind::Locations, write("Location.txt", bytes));
    }

    QTemporaryDir dir_;
};

TEST_F(TmcCatalogueFile, EntryIsTheDescriptionColumnThenTheCodeInFiveColumns)
{
    const TmcCatalogue event = events("Ab;7\r\n");
    const TmcCatalogue location = locations("\"Nord;12345\"\r\n");

    ASSERT_EQ(event.entries, QStringList{"Ab" + blanks(23) + blanks(4) + "7"});
    EXPECT_EQ(event.entries.first().size(), 30);
    EXPECT_EQ(tmcEntryCode(event.entries.first()), 7);
    EXPECT_FALSE(event.problem);
    ASSERT_EQ(location.entries, QStringList{"Nord" + blanks(16) + "12345"});
    EXPECT_EQ(tmcEntryCode(location.entries.first()), 12345);
    EXPECT_FALSE(location.problem);
}

TEST_F(TmcCatalogueFile, LongDescriptionIsCutAndTheCodeColumnStaysInPlace)
{
    const QByteArray thirty = "Stau zwischen Kreuz und Dreiec";
    ASSERT_EQ(thirty.size(), 30);

    const TmcCatalogue event = events(thirty + ";42\r\n");
    const TmcCatalogue location = locations(thirty + ";42\r\n");

    EXPECT_EQ(event.entries, QStringList{QString(thirty.first(25)) + "   42"});
    EXPECT_EQ(location.entries, QStringList{QString(thirty.first(20)) + "   42"});
}

TEST_F(TmcCatalogueFile, SixDigitCodeKeepsItsLastFiveDigits)
{
    const TmcCatalogue catalogue = locations("Eins;012345\r\nZwei;123456\r\n");

    ASSERT_EQ(catalogue.entries.size(), 2);
    EXPECT_TRUE(catalogue.entries[0].endsWith("12345"));
    EXPECT_EQ(tmcEntryCode(catalogue.entries[0]), 12345);
    EXPECT_TRUE(catalogue.entries[1].endsWith("23456"));
    EXPECT_EQ(tmcEntryCode(catalogue.entries[1]), 23456);
    // 012345 is a valid code; 123456 is not, and the operator hears of it.
    ASSERT_TRUE(catalogue.problem);
    EXPECT_TRUE(catalogue.problem->contains("Zeile 2"));
    EXPECT_TRUE(catalogue.problem->contains("123456"));
}

TEST_F(TmcCatalogueFile, CommaSplitsLocationRecordsButNotEventLines)
{
    // Quotes may also enclose the description alone; blanks after a comma drop.
    const TmcCatalogue location =
        locations("A;1,B;2\r\n\"C, D;3\"\r\n\"Kreuz Nord, A 1\";77, \"Ost;78\"\r\n");
    const TmcCatalogue event = events("A,B;1\r\n");

    EXPECT_EQ(location.entries, (QStringList{"A" + blanks(19) + "    1", "B" + blanks(19) + "    2",
                                             "C, D" + blanks(16) + "    3",
                                             "Kreuz Nord, A 1" + blanks(5) + "   77",
                                             "Ost" + blanks(17) + "   78"}));
    EXPECT_FALSE(location.problem);
    EXPECT_EQ(event.entries, QStringList{"A,B" + blanks(22) + "    1"});
}

TEST_F(TmcCatalogueFile, EntriesKeepFileOrderAndBlankLinesArePassedOver)
{
    const TmcCatalogue catalogue = events("C;30\r\n\r\n   \r\nA;10\r\nB;20\r\n");

    ASSERT_EQ(catalogue.entries.size(), 3);
    EXPECT_EQ(tmcEntryCode(catalogue.entries[0]), 30);
    EXPECT_EQ(tmcEntryCode(catalogue.entries[1]), 10);
    EXPECT_EQ(tmcEntryCode(catalogue.entries[2]), 20);
    EXPECT_FALSE(catalogue.problem);
}

TEST_F(TmcCatalogueFile, EveryLineEndingEndsARecordAndCtrlZEndsTheText)
{
    const TmcCatalogue catalogue = events("A;1\nB;2\rC;3\r\nD;4");
    const TmcCatalogue marked = events(bytesOf("A;1\r\n\x1A\x00\x00garbage"));

    ASSERT_EQ(catalogue.entries.size(), 4);
    EXPECT_EQ(tmcEntryCode(catalogue.entries[3]), 4);
    EXPECT_FALSE(catalogue.problem);
    EXPECT_EQ(marked.entries.size(), 1);
    EXPECT_FALSE(marked.problem);
}

TEST_F(TmcCatalogueFile, Windows1252AndUtf8TextBothReadAsUmlauts)
{
    const QString expected = QStringLiteral("Brücke Süd") + blanks(15) + "    1";

    EXPECT_EQ(events("Br\xFC" "cke S\xFC" "d;1\r\n").entries, QStringList{expected});
    EXPECT_EQ(events("Br\xC3\xBC" "cke S\xC3\xBC" "d;1\r\n").entries, QStringList{expected});
    EXPECT_EQ(events("\xEF\xBB\xBF" "Br\xC3\xBC" "cke S\xC3\xBC" "d;1\r\n").entries,
              QStringList{expected});
}

TEST_F(TmcCatalogueFile, FileNameMatchesWithoutRegardToCase)
{
    write("EVENT.TXT", "A;1\r\n");

    const TmcCatalogue catalogue =
        readTmcCatalogue(TmcCatalogueKind::Events, dir_.filePath("Event.txt"));

    EXPECT_EQ(catalogue.entries.size(), 1);
    EXPECT_FALSE(catalogue.problem);
}

TEST_F(TmcCatalogueFile, MissingFileLeavesTheListEmptyAndNamesTheFile)
{
    const TmcCatalogue catalogue =
        readTmcCatalogue(TmcCatalogueKind::Locations, dir_.filePath("Location.txt"));

    EXPECT_TRUE(catalogue.entries.isEmpty());
    ASSERT_TRUE(catalogue.problem);
    EXPECT_TRUE(catalogue.problem->contains(QDir::toNativeSeparators(dir_.filePath("Location.txt"))));
}

TEST_F(TmcCatalogueFile, EmptyFileAndFolderInPlaceOfTheFileAreReported)
{
    const TmcCatalogue empty = events("");
    ASSERT_TRUE(QDir(dir_.path()).mkdir("Location.txt"));
    const TmcCatalogue folder =
        readTmcCatalogue(TmcCatalogueKind::Locations, dir_.filePath("Location.txt"));

    EXPECT_TRUE(empty.entries.isEmpty());
    ASSERT_TRUE(empty.problem);
    EXPECT_TRUE(empty.problem->contains("Event.txt"));
    EXPECT_TRUE(folder.entries.isEmpty());
    ASSERT_TRUE(folder.problem);
    EXPECT_TRUE(folder.problem->contains("Location.txt"));
}

TEST_F(TmcCatalogueFile, FaultyRecordsAreLeftOutAndTheFirstIsNamedByLine)
{
    const TmcCatalogue catalogue = events("Gut;1\r\nOhne Semikolon\r\nGut;2\r\nBuchstaben;abc\r\n"
                                          "Leer;\r\nMinus;-5\r\nGut;3\r\n");

    ASSERT_EQ(catalogue.entries.size(), 3);
    EXPECT_EQ(tmcEntryCode(catalogue.entries[2]), 3);
    ASSERT_TRUE(catalogue.problem);
    EXPECT_TRUE(catalogue.problem->contains("Event.txt"));
    EXPECT_TRUE(catalogue.problem->contains("Zeile 2"));
    EXPECT_TRUE(catalogue.problem->contains("4 Einträge fehlen"));
}

TEST_F(TmcCatalogueFile, CodeBeyondSixteenBitsIsLeftOutAndEventAboveRangeIsKept)
{
    const TmcCatalogue location = locations("Gut;65535\r\nZu gross;99999\r\n");
    const TmcCatalogue event = events("Gut;2047\r\nZu gross;2048\r\n");

    EXPECT_EQ(location.entries.size(), 1);
    ASSERT_TRUE(location.problem);
    EXPECT_TRUE(location.problem->contains("Zeile 2"));
    // The event field keeps the low eleven bits of a larger code; the entry
    // stays selectable and the operator is told.
    ASSERT_EQ(event.entries.size(), 2);
    EXPECT_EQ(tmcEntryCode(event.entries[1]), 2048);
    ASSERT_TRUE(event.problem);
    EXPECT_TRUE(event.problem->contains("2048"));
}

TEST_F(TmcCatalogueFile, MegabyteLinesAreReadOrReportedWithoutHarm)
{
    const QByteArray megabyte(1024 * 1024, 'x');

    const TmcCatalogue longName = events(megabyte + ";5\r\nB;6\r\n");
    const TmcCatalogue noCode = locations(megabyte + "\r\nB;6\r\n");

    EXPECT_EQ(longName.entries, (QStringList{QString(25, u'x') + "    5", "B" + blanks(24) + "    6"}));
    EXPECT_FALSE(longName.problem);
    EXPECT_EQ(noCode.entries.size(), 1);
    ASSERT_TRUE(noCode.problem);
    EXPECT_TRUE(noCode.problem->contains("Zeile 1"));
}

TEST_F(TmcCatalogueFile, BinaryBytesAreReportedAndTheTextAroundThemStays)
{
    const TmcCatalogue catalogue = events(bytesOf("A;1\r\n\x00\x01\xFF\x00;3\r\nB;2\r\n"));
    QByteArray binary(4096, '\0');
    for (int i = 0; i < binary.size(); ++i)
        binary[i] = static_cast<char>(i * 37);
    const TmcCatalogue nothingUsable = locations(binary);

    EXPECT_EQ(catalogue.entries.size(), 2);
    ASSERT_TRUE(catalogue.problem);
    EXPECT_TRUE(catalogue.problem->contains("Zeile 2"));
    EXPECT_TRUE(nothingUsable.entries.isEmpty());
    ASSERT_TRUE(nothingUsable.problem);
    EXPECT_TRUE(nothingUsable.problem->contains("Auswahl bleibt leer"));
}

TEST_F(TmcCatalogueFile, FullSizeCataloguesLoadCompletely)
{
    ASSERT_TRUE(writeFullTmcCatalogues(dir_.path()));

    const TmcCatalogue event =
        readTmcCatalogue(TmcCatalogueKind::Events, dir_.filePath("Event.txt"));
    const TmcCatalogue location =
        readTmcCatalogue(TmcCatalogueKind::Locations, dir_.filePath("Location.txt"));

    ASSERT_EQ(event.entries.size(), kFullEventCount);
    ASSERT_EQ(location.entries.size(), kFullLocationCount);
    EXPECT_FALSE(event.problem);
    EXPECT_FALSE(location.problem);
    EXPECT_EQ(tmcEntryCode(event.entries.last()), 2047);
    EXPECT_EQ(tmcEntryCode(location.entries.last()), 65535);
    for (const QString& entry : location.entries)
        ASSERT_EQ(entry.size(), kTmcLocationNameWidth + kTmcCodeWidth);
}

// The catalogues shipped in the data folder must load without a word, in the
// code page and line form of the Windows program, with one record per code.
void expectBundledCatalogue(TmcCatalogueKind kind, const QString& name, int maxCode)
{
    const QString path = qEnvironmentVariable("ZOR_SOURCE_DIR") + "/data/Daten/" + name;
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    const QByteArray bytes = file.readAll();
    EXPECT_EQ(FileText::fromBytes(bytes).encoding, TextEncoding::Ansi);
    EXPECT_EQ(bytes.count("\n"), bytes.count("\r\n"));
    EXPECT_TRUE(bytes.endsWith("\r\n"));

    const TmcCatalogue catalogue = readTmcCatalogue(kind, path);

    EXPECT_FALSE(catalogue.problem) << catalogue.problem.value_or(QString()).toStdString();
    EXPECT_GE(catalogue.entries.size(), 200);
    QSet<int> codes;
    for (const QString& entry : catalogue.entries) {
        const int code = tmcEntryCode(entry);
        EXPECT_LE(code, maxCode);
        EXPECT_FALSE(codes.contains(code)) << entry.toStdString();
        codes.insert(code);
    }
}

TEST(TmcBundledCatalogue, EventsLoadCleanly)
{
    expectBundledCatalogue(TmcCatalogueKind::Events, "Event.txt", kTmcMaxEventCode);
}

TEST(TmcBundledCatalogue, LocationsLoadCleanly)
{
    expectBundledCatalogue(TmcCatalogueKind::Locations, "Location.txt", kTmcMaxLocationCode);
}

} // namespace
} // namespace zor
