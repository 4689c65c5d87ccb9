// Settings files under faults other than a kill: a full file system, two
// writers at once, entries that are no regular files, files that are no
// settings files (binary, one endless line, huge) and leftovers of killed
// writes. Writers run in child processes, as the window and zor-rds-cli are
// separate programs; ProgramEndTest cuts zor-rds-cli's writes short with a
// file-size limit.
#include "settings/IniFile.h"
#include "support/TestDataFolder.h"

#include <QDateTime>
#include <functional>
#include <memory>
#include <random>
#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <utility>
#include <vector>

namespace zor {
namespace {

const QByteArray kSettings = "[RDS]\r\nPS=RADIO 1\r\nPI=D3C3\r\n[ZOR]\r\nHF_Frequenz=98.5\r\n";

class SettingsFaultTest : public ::testing::Test, public test::TestDataFolder {
protected:
    // The file holds `content`, reads as empty, refuses every write and stays
    // alone in the folder, byte for byte.
    void expectLeftAlone(const QString& name, const QByteArray& content) {
        put(name, content);
        EXPECT_EQ(iniFileState(path(name)), SettingsFileState::Unparseable);
        EXPECT_EQ(Ini_Lesen("RDS", "PS", path(name)), QString());
        EXPECT_FALSE(Ini_Schreiben("RDS", "PS", "ZOR RDS", path(name)));
        EXPECT_FALSE(Ini_Schreiben("Neu", "k", "v", path(name.toUpper())));
        EXPECT_EQ(bytes(name), content);
        EXPECT_EQ(entries(), QStringList{name});
        QFile::remove(path(name));
    }

    const QString file = path("Datenset1.INI");
};

// A real full file system, where the tests run as root: a small tmpfs filled
// up to its last byte.
TEST_F(SettingsFaultTest, AFullFileSystemFailsAndKeepsTheOldFile) {
    const QByteArray mountPoint = QFile::encodeName(path());
    if (::geteuid() != 0 || ::mount("tmpfs", mountPoint.constData(), "tmpfs", 0, "size=64k") != 0)
        GTEST_SKIP() << "mounting a small tmpfs needs root";
    const std::unique_ptr<const char, void (*)(const char*)> unmount(
        mountPoint.constData(), [](const char* at) { ::umount2(at, MNT_DETACH); });
    put("Datenset1.INI", kSettings);
    QFile filler(path("filler"));
    ASSERT_TRUE(filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
    while (filler.write(QByteArray(512, 'x')) > 0) {
    }
    EXPECT_FALSE(Ini_Schreiben("RDS", "PS", QString(600, u'F'), file));
    EXPECT_EQ(bytes("Datenset1.INI"), kSettings);
    EXPECT_EQ(entries(), (QStringList{"Datenset1.INI", "filler"}));
}

// Each writer changes only its own keys; the lock lets every change through.
TEST_F(SettingsFaultTest, TwoWritersOfOneFileLoseNoChange) {
    constexpr int kWrites = 150;
    put("Datenset1.INI", kSettings);
    std::vector<pid_t> writers;
    for (const char* name : {"A", "B"}) {
        const pid_t pid = ::fork();
        if (pid == 0) {
            for (int i = 0; i < kWrites; ++i) {
                if (!Ini_Schreiben("LOOP", name + QString::number(i), QString::number(i), file))
                    ::_exit(1);
            }
            ::_exit(0);
        }
        writers.push_back(pid);
    }
    for (const pid_t writer : writers) {
        int status = -1;
        EXPECT_EQ(::waitpid(writer, &status, 0), writer);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    }
    int lost = 0;
    for (const char* name : {"A", "B"}) {
        for (int i = 0; i < kWrites; ++i)
            lost += Ini_Lesen("LOOP", name + QString::number(i), file) != QString::number(i);
    }
    EXPECT_EQ(lost, 0);
    EXPECT_EQ(Ini_Lesen("RDS", "PS", file), "RADIO 1");
}

// What stands in place of a settings file and is no regular file is never
// opened (a named pipe would hold the program), reads as unreadable, and no
// write replaces it by a regular file.
TEST_F(SettingsFaultTest, EntriesThatAreNoFilesAreLeftAsTheyAre) {
    const QByteArray name = QFile::encodeName(file);
    const struct {
        const char* what;
        std::function<int()> make;
        mode_t type;
    } cases[] = {
        {"named pipe", [&] { return ::mkfifo(name.constData(), 0644); }, S_IFIFO},
        {"link loop", [&] { return ::symlink("Datenset1.INI", name.constData()); }, S_IFLNK},
        {"link to nothing", [&] { return ::symlink("nowhere.INI", name.constData()); }, S_IFLNK},
        {"folder", [&] { return ::mkdir(name.constData(), 0755); }, S_IFDIR},
    };
    for (const auto& entry : cases) {
        SCOPED_TRACE(entry.what);
        ASSERT_EQ(entry.make(), 0);
        EXPECT_EQ(iniFileState(file), SettingsFileState::Unreadable);
        EXPECT_EQ(Ini_Lesen("RDS", "PS", file), QString());
        EXPECT_FALSE(Ini_Schreiben("RDS", "PS", "NEW", file));
        struct stat after {};
        ASSERT_EQ(::lstat(name.constData(), &after), 0);
        EXPECT_EQ(after.st_mode & S_IFMT, entry.type);
        EXPECT_EQ(entries(), QStringList{"Datenset1.INI"});
        QFile::remove(file);
        ::rmdir(name.constData());
    }
}

// Binary files and endless lines, in one byte or two byte text, are never
// rewritten.
TEST_F(SettingsFaultTest, BinaryFilesAndEndlessLinesAreNeverRewritten) {
    QByteArray random(4096, '\0');
    std::mt19937 generator(20261206);
    for (char& b : random)
        b = static_cast<char>(generator() & 0xFF);
    ASSERT_TRUE(random.contains('\0'));

    expectLeftAlone("Datenset1.INI", QByteArray("[RDS]\r\nPS=ZOR\0RDS\r\n", 19));
    expectLeftAlone("RDS_Allg.INI", random);
    expectLeftAlone("Rs232.ini", "[38xx]\r\nBaud=" + QByteArray(10 * 1024 * 1024, '9'));
    // An odd length takes the UTF-16 mark for text, and its zero bytes are NULs.
    expectLeftAlone("Sprachen.ini", QByteArray("\xFF\xFE[\0d\0]\0\r", 9));
    // UTF-16 judged by characters: a NUL character, and an overlong line.
    expectLeftAlone("a.ini", QByteArray("\xFF\xFE[\0R\0]\0\0\0", 10));
    QByteArray wideLine("\xFE\xFF\0[\0R\0]\0\n", 10);
    for (int i = 0; i < kLongestSettingsLine / 2 + 1; ++i)
        wideLine += QByteArray("\0x", 2);
    expectLeftAlone("b.ini", wideLine);
}

// Lines up to the limit, a UTF-16 file full of zero bytes, and text that is
// not shaped like settings (as for the Windows profile functions) are
// settings files: keys go in, the rest stays.
TEST_F(SettingsFaultTest, LongLinesUtf16AndGarbageTextAreSettings) {
    const QByteArray longest(kLongestSettingsLine, 'x');
    const QByteArray lines = longest + "\r\n" + longest + "\n" + longest;
    put("RDS_Allg.INI", "[FM]\r\nMPX_DEV=07500\r\n" + lines);
    EXPECT_EQ(iniFileState(path("RDS_Allg.INI")), SettingsFileState::Usable);
    EXPECT_EQ(Ini_Lesen("FM", "MPX_DEV", path("RDS_Allg.INI")), "07500");
    EXPECT_TRUE(Ini_Schreiben("FM", "PILOT", "1", path("RDS_Allg.INI")));
    EXPECT_EQ(bytes("RDS_Allg.INI"), "[FM]\r\nMPX_DEV=07500\r\nPILOT=1\r\n" + lines);
    EXPECT_FALSE(isSettingsText(longest + 'x'));
    EXPECT_TRUE(isSettingsText(QByteArray()));

    const QByteArray wide("\xFF\xFE[\0R\0]\0\r\0\n\0P\0S\0=\0Z\0", 20);
    put("Sprachen.ini", wide);
    EXPECT_EQ(Ini_Lesen("R", "PS", path("Sprachen.ini")), "Z");
    EXPECT_TRUE(isSettingsText(wide));

    const QByteArray garbage = "\xfd\xff\xfe line one\r\n]]]\r\n=\r\n\x01\x02\x1b[0m\r\n";
    put("Datenset1.INI", garbage);
    EXPECT_EQ(iniFileState(path("Datenset1.INI")), SettingsFileState::Usable);
    ASSERT_TRUE(Ini_Schreiben("RDS", "PS", "ZOR RDS", path("Datenset1.INI")));
    EXPECT_EQ(bytes("Datenset1.INI"), garbage + "[RDS]\r\nPS=ZOR RDS\r\n");
    EXPECT_EQ(Ini_Lesen("RDS", "PS", path("Datenset1.INI")), "ZOR RDS");
}

// A file far too large to read whole is given up at its first overlong line
// or NUL: the sparse rest of this file is never read.
TEST_F(SettingsFaultTest, AHugeFileIsGivenUpAtItsStart) {
    const std::pair<const char*, QByteArray> starts[] = {
        {"RDS_Allg.INI", QByteArray(2 * kLongestSettingsLine, 'x')},
        {"Datenset1.INI", "[RDS]\r\nPS=a\r\n"}};
    for (const auto& [name, start] : starts) {
        QFile file(path(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(start);
        ASSERT_TRUE(file.resize(qint64(6) << 30));
    }
    for (const char* name : {"RDS_Allg.INI", "Datenset1.INI"}) {
        EXPECT_EQ(iniFileState(path(name)), SettingsFileState::Unparseable) << name;
        EXPECT_EQ(Ini_Lesen("RDS", "PS", path(name)), QString());
        EXPECT_FALSE(Ini_Schreiben("RDS", "PS", "b", path(name)));
        EXPECT_EQ(QFileInfo(path(name)).size(), qint64(6) << 30);
    }
}

// A leftover of a killed write is never read; leftovers of this file's
// writes are cleared once they are old, nothing else is.
TEST_F(SettingsFaultTest, LeftoversOfKilledWritesAreIgnoredAndClearedWhenOld) {
    put("RDS_Allg.INI.Ab3dE9", "[BUS]\r\nInterface=COM\r\n");
    EXPECT_EQ(Ini_Lesen("BUS", "Interface", path("RDS_Allg.INI")), QString());
    ASSERT_TRUE(Ini_Schreiben("BUS", "Interface", "IEC", path("RDS_Allg.INI")));
    EXPECT_EQ(Ini_Lesen("BUS", "Interface", path("RDS_Allg.INI")), "IEC");

    put("RDS_ALLG.INI.xYz123", "old");
    put("RDS_Allg.INI.bak", "kept");
    put("RDS_Allg.INI.Ab3dE", "kept");
    put("Datenset1.INI.Qq1234", "other file");
    put("RDS_Allg.INI.fresh1", "fresh");
    for (const char* old : {"RDS_Allg.INI.Ab3dE9", "RDS_ALLG.INI.xYz123", "RDS_Allg.INI.bak",
                            "RDS_Allg.INI.Ab3dE", "Datenset1.INI.Qq1234"}) {
        QFile file(path(old));
        ASSERT_TRUE(file.open(QIODevice::ReadWrite));
        ASSERT_TRUE(file.setFileTime(QDateTime::currentDateTimeUtc().addSecs(
                                         -kLeftoverAgeSeconds - 60),
                                     QFileDevice::FileModificationTime));
    }

    ASSERT_TRUE(Ini_Schreiben("BUS", "Interface", "COM", path("RDS_Allg.INI")));
    EXPECT_EQ(entries(), (QStringList{"Datenset1.INI.Qq1234", "RDS_Allg.INI", "RDS_Allg.INI.Ab3dE",
                                      "RDS_Allg.INI.bak", "RDS_Allg.INI.fresh1"}));
}

} // namespace
} // namespace zor
