// Settings files survive a program killed at any moment while it stores.
//
// The program under the kill is zor-settings-burst, which stores a scripted
// burst of changes through Ini_Schreiben across RDS_Allg.INI, Datenset1.INI
// and Rs232.ini, rather than `zor-rds-cli ini set` run in a loop: a command
// line process spends nearly all of its short life loading libraries and
// reading its arguments before its one write, so random kills would seldom
// land inside a write and never between the writes of two files. The burst
// is writing from the moment it says so, and every kill interrupts a read, a
// new content half written, a flush or a rename, or falls between two files.
#include "SettingsBurst.h"
#include "settings/DataFolder.h"
#include "settings/IniFile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <algorithm>
#include <chrono>
#include <cstring>
#include <gtest/gtest.h>
#include <iostream>
#include <poll.h>
#include <random>
#include <signal.h>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

extern char** environ;

namespace zor {
namespace {

using test::burstSetting;
using test::burstStepOf;
using test::burstValue;
using test::kBurstSettings;

constexpr const char* kSettingsFiles[] = {kGeneralFile, kDataSetFile, kSerialFile};
constexpr int kKills = 200;
// A change takes from under a millisecond to some ten milliseconds (two
// flushes to disk, a sanitizer build); kills fall anywhere from the start of
// a burst's first change to a few changes later.
constexpr int kLongestDelayMicroseconds = 20000;

// One run of the burst program, killed by the test.
class Burst {
public:
    Burst(const QString& folder, std::uint64_t script, long long first) {
        int channel[2];
        if (::pipe(channel) != 0)
            return;
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_adddup2(&actions, channel[1], STDOUT_FILENO);
        posix_spawn_file_actions_addclose(&actions, channel[0]);
        const std::string program = ZOR_SETTINGS_BURST;
        const std::string path = QFile::encodeName(folder).toStdString();
        const std::string scriptText = std::to_string(script);
        const std::string firstText = std::to_string(first);
        char* const argv[] = {const_cast<char*>(program.c_str()), const_cast<char*>(path.c_str()),
                              const_cast<char*>(scriptText.c_str()),
                              const_cast<char*>(firstText.c_str()), nullptr};
        if (posix_spawn(&pid_, program.c_str(), &actions, nullptr, argv, environ) != 0)
            pid_ = -1;
        posix_spawn_file_actions_destroy(&actions);
        ::close(channel[1]);
        output_ = channel[0];
    }

    ~Burst() {
        if (pid_ > 0) {
            ::kill(pid_, SIGKILL);
            ::waitpid(pid_, nullptr, 0);
        }
        if (output_ >= 0)
            ::close(output_);
    }

    Burst(const Burst&) = delete;
    Burst& operator=(const Burst&) = delete;

    // Polls for the burst's word that it starts writing.
    bool waitUntilWriting() {
        if (pid_ <= 0)
            return false;
        pollfd ready{output_, POLLIN, 0};
        char word[8] = {};
        return ::poll(&ready, 1, 10000) == 1 && ::read(output_, word, 7) == 7 &&
               std::memcmp(word, "writing", 7) == 0;
    }

    // True when the kill ended the burst, false when it had ended by itself.
    bool kill() {
        ::kill(pid_, SIGKILL);
        int status = 0;
        ::waitpid(pid_, &status, 0);
        pid_ = -1;
        return WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL;
    }

private:
    pid_t pid_ = -1;
    int output_ = -1;
};

QByteArray bytesOf(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Chosen afresh for every run and printed; ZOR_RANDOM_START repeats a run.
std::uint64_t chooseRandomStart() {
    bool given = false;
    const qulonglong start = qEnvironmentVariable("ZOR_RANDOM_START").toULongLong(&given);
    return given ? start : std::random_device{}();
}

class CrashConsistencyTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(killed_.isValid() && replayed_.isValid());
        const QDir bundled(qEnvironmentVariable("ZOR_SOURCE_DIR") + QStringLiteral("/data/Daten"));
        for (const char* name : kSettingsFiles) {
            ASSERT_TRUE(QFile::copy(bundled.filePath(QLatin1String(name)), killed(name)));
            ASSERT_TRUE(QFile::copy(bundled.filePath(QLatin1String(name)), replayed(name)));
        }
    }

    QString killed(const char* name) const {
        return DataFolder(killed_.path()).file(QLatin1String(name));
    }
    QString replayed(const char* name) const {
        return DataFolder(replayed_.path()).file(QLatin1String(name));
    }

    // The last step whose value the killed burst's files hold; -1 for none.
    long long lastStoredStep() const {
        long long last = -1;
        for (const test::BurstSetting& setting : kBurstSettings)
            last = std::max(
                last, burstStepOf(Ini_Lesen(QLatin1String(setting.section),
                                            QLatin1String(setting.key), killed(setting.file))));
        return last;
    }

    // Stores steps `from` to `to` (excluded) into the folder nobody kills.
    void replay(std::uint64_t script, long long from, long long to) const {
        for (long long step = from; step < to; ++step) {
            const test::BurstSetting& setting = burstSetting(script, step);
            ASSERT_TRUE(Ini_Schreiben(QLatin1String(setting.section), QLatin1String(setting.key),
                                      burstValue(step), replayed(setting.file)));
        }
    }

    // Besides the settings files only leftovers of killed writes, which no
    // read takes for a settings file.
    int countLeftovers() const {
        int leftovers = 0;
        const QStringList entries =
            QDir(killed_.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
        for (const QString& entry : entries) {
            bool known = false;
            for (const char* name : kSettingsFiles) {
                const QString file = QLatin1String(name);
                if (entry == file)
                    known = true;
                else if (entry.startsWith(file + u'.') && entry.size() == file.size() + 7) {
                    known = true;
                    ++leftovers;
                }
            }
            EXPECT_TRUE(known) << "stray file " << entry.toStdString();
        }
        return leftovers;
    }

    QTemporaryDir killed_;
    QTemporaryDir replayed_;
};

TEST_F(CrashConsistencyTest, EveryKilledBurstLeavesEachKeyOldOrNew) {
    const std::uint64_t randomStart = chooseRandomStart();
    std::cout << "randomStart " << randomStart << " (ZOR_RANDOM_START=" << randomStart
              << " repeats this run)" << std::endl;
    RecordProperty("randomStart", std::to_string(randomStart));
    std::mt19937_64 random(randomStart);
    const std::uint64_t script = random();

    long long stored = 0; // steps 0 to stored - 1 are in the files
    int leftovers = 0;
    for (int kill = 0; kill < kKills; ++kill) {
        SCOPED_TRACE("kill " + std::to_string(kill) + " after step " + std::to_string(stored));
        Burst burst(killed_.path(), script, stored);
        ASSERT_TRUE(burst.waitUntilWriting());
        std::this_thread::sleep_for(
            std::chrono::microseconds(random() % kLongestDelayMicroseconds));
        ASSERT_TRUE(burst.kill()) << "the burst ended before it was killed";

        // Changes are stored one after the other, each at once and whole, so
        // the files hold exactly every step up to the last one they show.
        const long long last = lastStoredStep();
        ASSERT_GE(last + 1, stored);
        replay(script, stored, last + 1);
        stored = last + 1;
        for (const char* name : kSettingsFiles) {
            ASSERT_EQ(iniFileState(killed(name)), SettingsFileState::Usable) << name;
            ASSERT_EQ(bytesOf(killed(name)), bytesOf(replayed(name))) << name;
        }
        leftovers = countLeftovers();
    }
    std::cout << stored << " changes stored under " << kKills << " kills; " << leftovers
              << " leftovers of killed writes" << std::endl;
    EXPECT_GT(stored, 0);
}

} // namespace
} // namespace zor
