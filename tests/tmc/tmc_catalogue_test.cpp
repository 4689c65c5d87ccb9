// The TMC event and location catalogues as the page's lists show them: one
// entry per usable record, the description column then the code in five
// columns, and one message naming the file and the first faulty line.
#include "TmcCatalogueFiles.h"
#include "settings/FileText.h"
#include "support/TestDataFolder.h"
#include "tmc/TmcCatalogue.h"

#include <QDir>
#include <QFile>
#include <QSet>
#include <gtest/gtest.h>

namespace zor {
namespace {

using Kind = TmcCatalogueKind;

// An entry of width `width` (25 events, 20 locations) and its code column.
QString entry(const QString& description, const char* code, qsizetype width = 25) {
    return tmcCatalogueEntry(description, QString::fromLatin1(code), width);
}

struct CatalogueCase {
    const char* what;
    Kind kind;
    QByteArray bytes;
    QStringList entries;
    const char* told; // in the message; nullptr: no message
};

QList<CatalogueCase> catalogueCases() {
    const QString thirty = QStringLiteral("Stau zwischen Kreuz und Dreiec");
    const QString bridge = QStringLiteral("Brücke Süd");
    const QByteArray megabyte(1024 * 1024, 'x');
    return {
        {"columns", Kind::Events, "Ab;7\r\n", {"Ab" + QString(27, u' ') + "7"}, nullptr},
        {"quoted location", Kind::Locations, "\"Nord;12345\"\r\n", {entry("Nord", "12345", 20)},
         nullptr},
        {"long description", Kind::Events, thirty.toLatin1() + ";42\r\n",
         {entry(thirty.left(25), "42")}, nullptr},
        {"long location", Kind::Locations, thirty.toLatin1() + ";42\r\n",
         {entry(thirty.left(20), "42", 20)}, nullptr},
        {"six digits", Kind::Locations, "Eins;012345\r\nZwei;123456\r\n",
         {entry("Eins", "12345", 20), entry("Zwei", "23456", 20)}, "Zeile 2"},
        {"commas split locations", Kind::Locations,
         "A;1,B;2\r\n\"C, D;3\"\r\n\"Kreuz Nord, A 1\";77, \"Ost;78\"\r\n",
         {entry("A", "1", 20), entry("B", "2", 20), entry("C, D", "3", 20),
          entry("Kreuz Nord, A 1", "77", 20), entry("Ost", "78", 20)},
         nullptr},
        {"commas stay in events", Kind::Events, "A,B;1\r\n", {entry("A,B", "1")}, nullptr},
        {"file order, blank lines", Kind::Events, "C;30\r\n\r\n   \r\nA;10\r\n",
         {entry("C", "30"), entry("A", "10")}, nullptr},
        {"every line end and Ctrl-Z", Kind::Events,
         QByteArrayLiteral("A;1\nB;2\rC;3\r\nD;4\r\n\x1A\0\0garbage"),
         {entry("A", "1"), entry("B", "2"), entry("C", "3"), entry("D", "4")}, nullptr},
        {"Windows-1252", Kind::Events, "Br\xFC" "cke S\xFC" "d;1\r\n", {entry(bridge, "1")}, nullptr},
        {"UTF-8 with mark", Kind::Events, "\xEF\xBB\xBF" "Br\xC3\xBC" "cke S\xC3\xBC" "d;1\r\n",
         {entry(bridge, "1")}, nullptr},
        {"UTF-16", Kind::Events, QByteArrayLiteral("\xFF\xFE" "A\0;\0" "1\0\r\0\n\0"),
         {entry("A", "1")}, nullptr},
        {"faulty records", Kind::Events,
         "Gut;1\r\nOhne Semikolon\r\nGut;2\r\nBuchstaben;abc\r\nLeer;\r\nMinus;-5\r\nGut;3\r\n",
         {entry("Gut", "1"), entry("Gut", "2"), entry("Gut", "3")}, "4 Einträge fehlen"},
        {"beyond sixteen bits", Kind::Locations, "Gut;65535\r\nZu gross;99999\r\n",
         {entry("Gut", "65535", 20)}, "Zeile 2"},
        {"event above its eleven bits", Kind::Events, "Gut;2047\r\nZu gross;2048\r\n",
         {entry("Gut", "2047"), entry("Zu gross", "2048")}, "2048"},
        {"megabyte description", Kind::Events, megabyte + ";5\r\nB;6\r\n",
         {entry(QString(25, u'x'), "5"), entry("B", "6")}, nullptr},
        {"megabyte without code", Kind::Locations, megabyte + "\r\nB;6\r\n",
         {entry("B", "6", 20)}, "Zeile 1"},
        {"binary bytes", Kind::Events, QByteArrayLiteral("A;1\r\n\0\x01\xFF\0;3\r\nB;2\r\n"),
         {entry("A", "1"), entry("B", "2")}, "Zeile 2"},
        {"empty", Kind::Events, "", {}, "Event.txt"},
    };
}

// Each usable record becomes one entry; the first faulty line is told, once.
TEST(TmcCatalogueFile, RecordsBecomeEntriesAndFaultsAreToldOnce) {
    for (const CatalogueCase& c : catalogueCases()) {
        const TmcCatalogue catalogue = tmcCatalogueFromBytes(
            c.kind, c.bytes, c.kind == Kind::Events ? "Event.txt" : "Location.txt");
        EXPECT_EQ(catalogue.entries, c.entries) << c.what;
        if (c.told)
            EXPECT_TRUE(catalogue.problem && catalogue.problem->contains(QString::fromUtf8(c.told)))
                << c.what << ": " << catalogue.problem.value_or("no message").toStdString();
        else
            EXPECT_FALSE(catalogue.problem) << c.what << ": " << catalogue.problem->toStdString();
    }
    EXPECT_EQ(tmcEntryCode(entry("Zwei", "23456", 20)), 23456);
}

// A file is found whatever the case of its name; one missing, or a folder
// in its place, is told.
TEST(TmcCatalogueFile, TheFileIsFoundWithoutRegardToCaseOrToldMissing) {
    test::TestDataFolder dir;
    dir.put("EVENT.TXT", "A;1\r\n");
    EXPECT_EQ(readTmcCatalogue(Kind::Events, dir.path("Event.txt")).entries.size(), 1);

    const TmcCatalogue missing = readTmcCatalogue(Kind::Locations, dir.path("Location.txt"));
    EXPECT_TRUE(missing.entries.isEmpty());
    ASSERT_TRUE(missing.problem);
    EXPECT_TRUE(missing.problem->contains(QDir::toNativeSeparators(dir.path("Location.txt"))));
    ASSERT_TRUE(QDir(dir.path()).mkdir("Location.txt"));
    const TmcCatalogue folder = readTmcCatalogue(Kind::Locations, dir.path("Location.txt"));
    EXPECT_TRUE(folder.entries.isEmpty());
    EXPECT_TRUE(folder.problem);
}

// Catalogues of every possible code load whole.
TEST(TmcCatalogueFile, FullSizeCataloguesLoadCompletely) {
    test::TestDataFolder dir;
    ASSERT_TRUE(writeFullTmcCatalogues(dir.path()));
    const TmcCatalogue event = readTmcCatalogue(Kind::Events, dir.path("Event.txt"));
    const TmcCatalogue location = readTmcCatalogue(Kind::Locations, dir.path("Location.txt"));
    ASSERT_EQ(event.entries.size(), kFullEventCount);
    ASSERT_EQ(location.entries.size(), kFullLocationCount);
    EXPECT_FALSE(event.problem || location.problem);
    EXPECT_EQ(tmcEntryCode(event.entries.last()), 2047);
    EXPECT_EQ(tmcEntryCode(location.entries.last()), 65535);
}

// The catalogues shipped in the data folder load without a word, in the
// code page and line form of the Windows program, with one record per code.
TEST(TmcBundledCatalogue, BothLoadCleanly) {
    const std::tuple<Kind, const char*, int> bundled[] = {
        {Kind::Events, "Event.txt", kTmcMaxEventCode},
        {Kind::Locations, "Location.txt", kTmcMaxLocationCode}};
    for (const auto& [kind, name, maxCode] : bundled) {
        const QString path = test::TestDataFolder::bundled() + '/' + name;
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
        const QByteArray bytes = file.readAll();
        EXPECT_EQ(TextForm::of(bytes).encoding, TextEncoding::Ansi);
        EXPECT_EQ(bytes.count("\n"), bytes.count("\r\n"));

        const TmcCatalogue catalogue = readTmcCatalogue(kind, path);
        EXPECT_FALSE(catalogue.problem) << catalogue.problem.value_or(QString()).toStdString();
        EXPECT_GE(catalogue.entries.size(), 200);
        QSet<int> codes;
        for (const QString& shown : catalogue.entries) {
            const int code = tmcEntryCode(shown);
            EXPECT_LE(code, maxCode);
            EXPECT_FALSE(codes.contains(code)) << shown.toStdString();
            codes.insert(code);
        }
    }
}

} // namespace
} // namespace zor
