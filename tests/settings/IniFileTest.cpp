#include "settings/AnsiText.h"
#include "settings/IniFile.h"
#include "settings/IniText.h"
#include "support/FilePermissions.h"
#include "support/TestDataFolder.h"


namespace zor {
namespace {

struct IniFileTest : ::testing::Test, test::TestDataFolder {};

// Reading never creates a file; names match without regard to case, and a
// new file takes its first writer's spelling and Windows line ends.
TEST_F(IniFileTest, NamesMatchWithoutRegardToCaseAndReadingCreatesNothing) {
    EXPECT_EQ(Ini_Lesen("BUS", "Interface", path("RDS_Allg.INI")), QString());
    EXPECT_TRUE(entries().isEmpty());

    ASSERT_TRUE(Ini_Schreiben("BUS", "Interface", "COM", path("RDS_Allg.INI")));
    ASSERT_TRUE(Ini_Schreiben("ADRESSEN", "ZOR1", "28", path("RDS_ALLG.INI")));
    ASSERT_TRUE(Ini_Schreiben("bus", "IECBUS", "auto", path("rds_allg.ini")));
    ASSERT_TRUE(Ini_Schreiben("Bus", "INTERFACE", "IEC", path("RDS_Allg.INI")));
    EXPECT_EQ(entries(), QStringList{"RDS_Allg.INI"});
    EXPECT_EQ(bytes("RDS_Allg.INI"),
              "[BUS]\r\nInterface=IEC\r\nIECBUS=auto\r\n[ADRESSEN]\r\nZOR1=28\r\n");
    EXPECT_EQ(Ini_Lesen("bus", "INTERFACE", path("RDS_allg.ini")), "IEC");
    EXPECT_EQ(Ini_Lesen("FM", "Interface", path("RDS_Allg.INI")), QString());
    EXPECT_EQ(Ini_Lesen("BUS", "PILOT", path("RDS_Allg.INI")), QString());
}

// Blanks around a value go, then one pair of quotes; a value stops at 254
// characters; the first section and the first key of a name count.
TEST_F(IniFileTest, ReadDropsBlanksAndOnePairOfQuotesAndStopsAt254) {
    put("Datenset1.INI", "PS=before any section\r\n[RDS]\r\n;PI=comment\r\n"
                         "  PS \t=  \"  ZOR RDS \"\t \r\nRTA=\"\"quoted\"\"\r\nMS=\"\r\nDI= 1 \r\n"
                         "RTB=" + QByteArray(300, 'x') +
                             "\r\nDI=second\r\n[RDS]\r\nPI=second section\r\n");
    const QString file = path("Datenset1.INI");
    EXPECT_EQ(Ini_Lesen("RDS", "PS", file), "  ZOR RDS ");
    EXPECT_EQ(Ini_Lesen("RDS", "RTA", file), "\"quoted\"");
    EXPECT_EQ(Ini_Lesen("RDS", "MS", file), "\"");
    EXPECT_EQ(Ini_Lesen("RDS", "DI", file), "1");
    EXPECT_EQ(Ini_Lesen("RDS", "RTB", file), QString(254, u'x'));
    EXPECT_EQ(Ini_Lesen("RDS", "PI", file), QString());
    EXPECT_EQ(Ini_Lesen("RDS", ";PI", file), QString());
}

// A write changes its own line, or adds it at the end of its section or in
// a new section, and leaves every other line as it was.
TEST_F(IniFileTest, WriteChangesOnlyItsOwnLine) {
    put("RDS_Allg.INI", "; edited by hand\n"
                        "[BUS]\n"
                        "Interface = IEC\n"
                        "unknown line\n"
                        "IECBUS=\n"
                        "\n"
                        "[FM]\n"
                        "PILOT=1");
    const QString file = path("RDS_Allg.INI");
    ASSERT_TRUE(Ini_Schreiben("BUS", "INTERFACE", "COM", file));
    ASSERT_TRUE(Ini_Schreiben("BUS", "Extra", "x", file));
    ASSERT_TRUE(Ini_Schreiben("FM", "ARI", "0", file));
    ASSERT_TRUE(Ini_Schreiben("Sprache", "Sprache", "deutsch", file));
    EXPECT_EQ(bytes("RDS_Allg.INI"), "; edited by hand\n"
                                     "[BUS]\n"
                                     "Interface=COM\n"
                                     "unknown line\n"
                                     "IECBUS=\n"
                                     "Extra=x\n"
                                     "\n"
                                     "[FM]\n"
                                     "PILOT=1\n"
                                     "ARI=0\n"
                                     "[Sprache]\n"
                                     "Sprache=deutsch\n");
}

// Values read back as written; a line break in one becomes one blank.
TEST_F(IniFileTest, ValuesReadBackAsWrittenWithLineBreaksAsBlanks) {
    const QString file = path("Datenset1.INI");
    for (const QString& value : {QString(), QStringLiteral("a=b;c [d]"),
                                 QStringLiteral("\"x\" y"), QString(254, u'z')}) {
        ASSERT_TRUE(Ini_Schreiben("RDS", "PS", value, file));
        EXPECT_EQ(Ini_Lesen("RDS", "PS", file), value);
    }
    ASSERT_TRUE(Ini_Schreiben("RDS", "RTA", "one\r\ntwo\nthree\rfour", file));
    EXPECT_EQ(bytes("Datenset1.INI"), "[RDS]\r\nPS=" + QByteArray(254, 'z') +
                                          "\r\nRTA=one two three four\r\n");
}

// A write that cannot be done leaves nothing behind; a done one replaces
// the file whole (a second name of the old file keeps the old content) and
// leaves no temporary file.
TEST_F(IniFileTest, AWriteReplacesTheFileWholeOrLeavesNothing) {
    EXPECT_FALSE(Ini_Schreiben("BUS", "Interface", "COM", path("missing/RDS_Allg.INI")));
    EXPECT_FALSE(Ini_Schreiben("BUS", "", "COM", path("RDS_Allg.INI")));
    EXPECT_FALSE(Ini_Schreiben("BUS", "A=B", "COM", path("RDS_Allg.INI")));
    EXPECT_FALSE(Ini_Schreiben("B\nUS", "Interface", "COM", path("RDS_Allg.INI")));
    EXPECT_TRUE(entries().isEmpty());

    put("RDS_Allg.INI", "[BUS]\r\nInterface=IEC\r\n");
    ASSERT_EQ(::link(QFile::encodeName(path("RDS_Allg.INI")).constData(),
                     QFile::encodeName(path("old.INI")).constData()),
              0);
    ASSERT_TRUE(Ini_Schreiben("BUS", "Interface", "COM", path("RDS_Allg.INI")));
    EXPECT_EQ(bytes("old.INI"), "[BUS]\r\nInterface=IEC\r\n");
    EXPECT_EQ(bytes("RDS_Allg.INI"), "[BUS]\r\nInterface=COM\r\n");
    EXPECT_EQ(entries(), (QStringList{"RDS_Allg.INI", "old.INI"}));
}

// A file in a read-only folder, and a file that cannot be read, keep their
// content.
TEST_F(IniFileTest, ReadOnlyFolderAndUnreadableFileKeepTheirContent) {
    const QByteArray old = "[BUS]\r\nInterface=IEC\r\nIECBUS=AUTO\r\n";
    put("RDS_Allg.INI", old);
    ASSERT_TRUE(test::bindFilePermissions());
    QFile::setPermissions(path(), QFile::ReadOwner | QFile::ExeOwner);
    EXPECT_FALSE(Ini_Schreiben("BUS", "Interface", "COM", path("RDS_Allg.INI")));
    QFile::setPermissions(path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QFile::setPermissions(path("RDS_Allg.INI"), QFile::WriteOwner);
    EXPECT_FALSE(Ini_Schreiben("BUS", "Interface", "COM", path("RDS_Allg.INI")));
    QFile::setPermissions(path("RDS_Allg.INI"), QFile::ReadOwner | QFile::WriteOwner);
    EXPECT_EQ(bytes("RDS_Allg.INI"), old);
    EXPECT_EQ(entries(), QStringList{"RDS_Allg.INI"});
}

// Every byte survives the Windows-1252 round trip; what the code page cannot
// hold becomes "?".
TEST(AnsiText, EveryByteSurvivesTheRoundTrip) {
    QByteArray all;
    for (int b = 0; b < 256; ++b)
        all.append(static_cast<char>(b));
    EXPECT_EQ(toAnsi(fromAnsi(all)), all);
    EXPECT_EQ(fromAnsi("\x80\x81\x8D\x9F\xB5"), QStringLiteral("\u20ac\u0081\u008d\u0178\u00b5"));
    EXPECT_EQ(toAnsi(QStringLiteral("\u2026 \u03a9 \U0001F600")), "\x85 ? ?");
}

// A settings file keeps its encoding through a write (Windows-1252, or UTF-8
// with its mark) unless the code page cannot hold the new value: then the
// whole file turns into UTF-8. A Windows value that merely looks like UTF-8
// reads back unchanged.
TEST_F(IniFileTest, AFileKeepsItsEncodingUnlessTheCodePageCannotHoldAValue) {
    const struct {
        QByteArray before;
        const char* value;
        QByteArray after;
    } cases[] = {
        {"[A]\r\n1=Ger\xe4t\r\n", "\u00c4nderung \u20ac",
         "[A]\r\n1=Ger\xe4t\r\n2=\xc4nderung \x80\r\n"},
        {"\xEF\xBB\xBF[A]\n1=Ger\xc3\xa4t\n", "75 \u00b5s",
         "\xEF\xBB\xBF[A]\n1=Ger\xc3\xa4t\n2=75 \xc2\xb5s\n"},
        {"[A]\r\n1=Ger\xe4t\r\n", "10 k\u03a9", "[A]\r\n1=Ger\xc3\xa4t\r\n2=10 k\xce\xa9\r\n"},
        {"[A]\r\n1=Ger\xe4t\r\n", "\u00c3\u00a4", "[A]\r\n1=Ger\xe4t\r\n2=\xc3\xa4\r\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.value);
        put("Sprachen.ini", c.before);
        ASSERT_TRUE(Ini_Schreiben("A", "2", c.value, path("Sprachen.ini")));
        EXPECT_EQ(bytes("Sprachen.ini"), c.after);
        EXPECT_EQ(Ini_Lesen("A", "1", path("Sprachen.ini")), QStringLiteral("Ger\u00e4t"));
        EXPECT_EQ(Ini_Lesen("A", "2", path("Sprachen.ini")), QString::fromUtf8(c.value));
    }
}

// Unusual files come back byte for byte; a UTF-16 file is read and written
// as UTF-16.
TEST(IniText, UnusualFilesComeBackByteForByteAndUtf16StaysUtf16) {
    const QByteArray files[] = {
        "",
        "no section, no line end",
        "[A]\rk=v\r\n\n=\r\r\n",
        "\xEF\xBB\xBF[A]\r\nk=\xe4\r\n",
        QByteArray("\xFF\xFE[\0A\0]\0\r\0\n\0", 12),
        "[A]\r\nk=\xC0\x80 overlong\r\n",
    };
    for (const QByteArray& file : files)
        EXPECT_EQ(IniText::fromBytes(file).toBytes(), file);

    IniText ini = IniText::fromBytes(QByteArray("\xFF\xFE[\0A\0]\0\r\0\n\0k\0=\0\xe4\0", 18));
    EXPECT_EQ(ini.value(u"a", u"K"), QStringLiteral("\u00e4"));
    ASSERT_TRUE(ini.setValue(u"A", u"n", u"\u03a9"));
    EXPECT_EQ(ini.toBytes(),
              QByteArray("\xFF\xFE[\0A\0]\0\r\0\n\0k\0=\0\xe4\0"
                         "\r\0\n\0n\0=\0\xa9\x03\r\0\n\0", 32));
}

} // namespace
} // namespace zor
