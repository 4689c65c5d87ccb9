// Settings files under faults other than a kill: a full file system, two
// writers at once, and entries that are no regular files. Writers run in
// child processes, as the window and zor-rds-cli are separate programs.
// ProgramEndTest cuts zor-rds-cli's writes short with a file-size limit.
#include "settings/IniFile.h"
#include "support/TestDataFolder.h"

#include <functional>
#include <memory>
#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace zor {
namespace {

const QByteArray kSettings = "[RDS]\r\nPS=RADIO 1\r\nPI=D3C3\r\n[ZOR]\r\nHF_Frequenz=98.5\r\n";

struct SettingsFaultTest : ::testing::Test, test::TestDataFolder {
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

} // namespace
} // namespace zor
