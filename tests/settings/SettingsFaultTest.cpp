// Settings files under faults other than a kill: a full file system, two
// writers at once, and entries that are no regular files. Writers run in
// child processes, as the window and zor-rds-cli are separate programs.
// ProgramEndTest cuts zor-rds-cli's writes short with a file-size limit.
#include "SettingsFolder.h"
#include "settings/DataFolder.h"
#include "settings/IniFile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace zor {
namespace {

const QByteArray kSettings = "[RDS]\r\nPS=RADIO 1\r\nPI=D3C3\r\n[ZOR]\r\nHF_Frequenz=98.5\r\n";

// Runs `job` in a child process, which exits with 0 when it returns true.
pid_t startChild(const std::function<bool()>& job) {
    const pid_t pid = ::fork();
    if (pid == 0)
        ::_exit(job() ? 0 : 1);
    return pid;
}

// The child's exit status, or -1 when it did not exit.
int exitStatusOf(pid_t pid) {
    int status = 0;
    if (::waitpid(pid, &status, 0) != pid || !WIFEXITED(status))
        return -1;
    return WEXITSTATUS(status);
}

using SettingsFaultTest = test::SettingsFolder;

// A real full file system, where the tests run as root: a small tmpfs filled
// up to its last byte.
TEST_F(SettingsFaultTest, AFullFileSystemFailsAndKeepsTheOldFile) {
    const QByteArray mountPoint = QFile::encodeName(dir_.path());
    if (::geteuid() != 0 || ::mount("tmpfs", mountPoint.constData(), "tmpfs", 0, "size=64k") != 0)
        GTEST_SKIP() << "mounting a small tmpfs needs root";
    const std::unique_ptr<const char, void (*)(const char*)> unmount(
        mountPoint.constData(), [](const char* at) { ::umount2(at, MNT_DETACH); });
    put(QStringLiteral("Datenset1.INI"), kSettings);
    QFile filler(path(QStringLiteral("filler")));
    ASSERT_TRUE(filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
    while (filler.write(QByteArray(512, 'x')) > 0) {
    }
    EXPECT_FALSE(Ini_Schreiben("RDS", "PS", QString(600, u'F'), path()));
    EXPECT_EQ(bytesOf(), kSettings);
    EXPECT_EQ(entries(), (QStringList{"Datenset1.INI", "filler"}));
}

// Each writer changes only its own keys; the lock lets every change through.
TEST_F(SettingsFaultTest, TwoWritersOfOneFileLoseNoChange) {
    constexpr int kWrites = 150;
    put(QStringLiteral("Datenset1.INI"), kSettings);
    std::vector<pid_t> writers;
    for (const char* name : {"A", "B"}) {
        writers.push_back(startChild([&] {
            for (int i = 0; i < kWrites; ++i) {
                if (!Ini_Schreiben("LOOP", name + QString::number(i), QString::number(i), path()))
                    return false;
            }
            return true;
        }));
    }
    for (const pid_t writer : writers)
        EXPECT_EQ(exitStatusOf(writer), 0);
    int lost = 0;
    for (const char* name : {"A", "B"}) {
        for (int i = 0; i < kWrites; ++i)
            lost += Ini_Lesen("LOOP", name + QString::number(i), path()) != QString::number(i);
    }
    EXPECT_EQ(lost, 0);
    EXPECT_EQ(Ini_Lesen("RDS", "PS", path()), "RADIO 1");
}

// What stands in place of a settings file and is no regular file is never
// opened (a named pipe would hold the program), reads as unreadable, and no
// write replaces it by a regular file.
TEST_F(SettingsFaultTest, EntriesThatAreNoFilesAreLeftAsTheyAre) {
    const QByteArray file = QFile::encodeName(path());
    const struct {
        const char* what;
        std::function<int()> make;
        mode_t type;
    } cases[] = {
        {"named pipe", [&] { return ::mkfifo(file.constData(), 0644); }, S_IFIFO},
        {"link loop", [&] { return ::symlink("Datenset1.INI", file.constData()); }, S_IFLNK},
        {"link to nothing", [&] { return ::symlink("nowhere.INI", file.constData()); }, S_IFLNK},
        {"folder", [&] { return ::mkdir(file.constData(), 0755); }, S_IFDIR},
    };
    for (const auto& entry : cases) {
        SCOPED_TRACE(entry.what);
        ASSERT_EQ(entry.make(), 0);
        EXPECT_EQ(iniFileState(path()), SettingsFileState::Unreadable);
        EXPECT_EQ(Ini_Lesen("RDS", "PS", path()), QString());
        EXPECT_FALSE(Ini_Schreiben("RDS", "PS", "NEW", path()));
        struct stat after {};
        ASSERT_EQ(::lstat(file.constData(), &after), 0);
        EXPECT_EQ(after.st_mode & S_IFMT, entry.type);
        EXPECT_EQ(entries(), QStringList{"Datenset1.INI"});
        QFile::remove(path());
        ::rmdir(file.constData());
    }
}

} // namespace
} // namespace zor
