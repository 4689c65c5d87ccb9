#include "SettingsFolder.h"
#include "settings/AnsiText.h"
#include "settings/IniFile.h"
#include "settings/IniText.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace zor {
namespace {

const QString kDevice = QStringLiteral("Ger\u00e4t");
const QString kMicro = QStringLiteral("\u00b5s");

TEST(AnsiText, EveryByteSurvivesTheRoundTrip)
{
    QByteArray all;
    for (int b = 0; b < 256; ++b)
        all.append(static_cast<char>(b));
    EXPECT_EQ(toAnsi(fromAnsi(all)), all);
    EXPECT_EQ(fromAnsi("\x80\x81\x8D\x9F\xB5"), QStringLiteral("\u20ac\u0081\u008d\u0178\u00b5"));
    EXPECT_EQ(toAnsi(QStringLiteral("\u2026 \u03a9 \U0001F600")), "\x85 ? ?");
}

class IniEncodingTest : public test::SettingsFolder {
protected:
    void put(const QByteArray& bytes) const { SettingsFolder::put(kFile, bytes); }
    QByteArray bytes() const { return bytesOf(kFile); }

    const QString kFile = QStringLiteral("Sprachen.ini");
    const QString path_ = path(kFile);
};

TEST_F(IniEncodingTest, WindowsFileStaysWindows1252)
{
    put("[deutsch]\r\n1=Ger\xe4t\r\n2=50 \xb5s\r\n");
    EXPECT_EQ(Ini_Lesen("deutsch", "1", path_), kDevice);
    EXPECT_EQ(Ini_Lesen("deutsch", "2", path_), "50 " + kMicro);

    ASSERT_TRUE(Ini_Schreiben("deutsch", "3", "\u00c4nderung \u20ac", path_));
    EXPECT_EQ(bytes(), "[deutsch]\r\n1=Ger\xe4t\r\n2=50 \xb5s\r\n3=\xc4nderung \x80\r\n");
}

TEST_F(IniEncodingTest, Utf8FileStaysUtf8WithItsMark)
{
    put("\xEF\xBB\xBF[deutsch]\n1=Ger\xc3\xa4t\n");
    EXPECT_EQ(Ini_Lesen("deutsch", "1", path_), kDevice);

    ASSERT_TRUE(Ini_Schreiben("deutsch", "2", "75 " + kMicro, path_));
    EXPECT_EQ(bytes(), "\xEF\xBB\xBF[deutsch]\n1=Ger\xc3\xa4t\n2=75 \xc2\xb5s\n");
}

TEST_F(IniEncodingTest, CharacterOutsideTheCodePageTurnsTheFileIntoUtf8)
{
    put("[english]\r\n1=Ger\xe4t\r\n");
    ASSERT_TRUE(Ini_Schreiben("english", "2", "10 k\u03a9", path_));
    EXPECT_EQ(bytes(), "[english]\r\n1=Ger\xc3\xa4t\r\n2=10 k\xce\xa9\r\n");
    EXPECT_EQ(Ini_Lesen("english", "1", path_), kDevice);
    EXPECT_EQ(Ini_Lesen("english", "2", path_), "10 k\u03a9");
}

TEST_F(IniEncodingTest, AnsiValueThatLooksLikeUtf8ReadsBackUnchanged)
{
    const QString lookalike = QStringLiteral("\u00c3\u00a4");
    ASSERT_TRUE(Ini_Schreiben("RDS", "PS", lookalike, path_));
    EXPECT_EQ(Ini_Lesen("RDS", "PS", path_), lookalike);
}

TEST(IniText, UnusualFilesComeBackByteForByte)
{
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
}

TEST(IniText, Utf16FileIsReadAndWrittenAsUtf16)
{
    IniText ini = IniText::fromBytes(QByteArray("\xFF\xFE[\0A\0]\0\r\0\n\0k\0=\0\xe4\0", 18));
    EXPECT_EQ(ini.value(u"a", u"K"), QStringLiteral("\u00e4"));
    ASSERT_TRUE(ini.setValue(u"A", u"n", u"\u03a9"));
    EXPECT_EQ(ini.toBytes(),
              QByteArray("\xFF\xFE[\0A\0]\0\r\0\n\0k\0=\0\xe4\0\r\0\n\0n\0=\0\xa9\x03\r\0\n\0", 32));
}

} // namespace
} // namespace zor
