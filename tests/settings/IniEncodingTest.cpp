#include "settings/AnsiText.h"
#include "settings/IniFile.h"
#include "settings/IniText.h"
#include "support/TestDataFolder.h"

namespace zor {
namespace {

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

struct IniEncodingTest : ::testing::Test, test::TestDataFolder {};

// A settings file keeps its encoding through a write (Windows-1252, or UTF-8
// with its mark) unless the code page cannot hold the new value: then the
// whole file turns into UTF-8. A Windows value that merely looks like UTF-8
// reads back unchanged.
TEST_F(IniEncodingTest, AFileKeepsItsEncodingUnlessTheCodePageCannotHoldAValue) {
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
