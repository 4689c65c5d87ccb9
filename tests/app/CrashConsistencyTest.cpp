// Settings files survive a program killed at any moment while it stores: a
// child of the test stores a burst of changes as the pages do until killed.
#include "support/TestDataFolder.h"

#include <QRegularExpression>
#include <algorithm>
#include <chrono>
#include <csignal>
#include <iostream>
#include <random>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace zor {
namespace {

constexpr const char* kSettingsFiles[] = {kGeneralFile, kDataSetFile, kSerialFile};
constexpr int kKills = 200;
// A change takes up to some ten milliseconds (two flushes to disk, a
// sanitizer build): kills fall from a burst's first change to a few later.
constexpr int kLongestDelayMicroseconds = 20000;
constexpr long long kLongestBurst = 1000000; // ends a burst nobody kills

struct BurstSetting {
    const char* file;
    const char* section;
    const char* key;
};
constexpr BurstSetting kBurstSettings[] = {
    {kGeneralFile, "FM", "MPX_DEV"},   {kGeneralFile, "FM", "PILOT_PHASE"},
    {kGeneralFile, "FM", "RDS_HUB"},   {kGeneralFile, "RDS", "TA_ON"},
    {kGeneralFile, "BUS", "Interface"}, {kDataSetFile, "RDS", "PS"},
    {kDataSetFile, "RDS", "PI"},       {kDataSetFile, "RDS", "RTA"},
    {kDataSetFile, "RDS", "AF_LISTE1"}, {kDataSetFile, "RDS", "GR_Folge"},
    {kSerialFile, "38xx", "Baud"},     {kSerialFile, "38xx", "ComPort"},
    {kSerialFile, "38xx", "Demo"}};

// Step `step` of burst `script` stores one setting, in a fixed shuffle of
// files and keys, and a value ending in "#<step>" that shows how far it got.
const BurstSetting& burstSetting(std::uint64_t script, long long step) {
    std::uint64_t mixed = (script ^ std::uint64_t(step)) * 0x9E3779B97F4A7C15ULL;
    mixed ^= mixed >> 29;
    return kBurstSettings[mixed % std::size(kBurstSettings)];
}
QString burstValue(long long step) {
    return QStringLiteral("Schritt %1 einer Folge von Einstellungen ohne Ende #%1").arg(step);
}

class CrashConsistencyTest : public ::testing::Test {
protected:
    void SetUp() override {
        killed.copyBundled();
        replayed.copyBundled();
    }

    // Starts burst `script` from step `first` on in a child process, which
    // has begun its first change when this returns.
    pid_t startBurst(std::uint64_t script, long long first) const {
        int ready[2];
        if (::pipe(ready) != 0)
            return -1;
        const pid_t child = ::fork();
        if (child == 0) {
            bool stored = ::write(ready[1], "w", 1) == 1;
            for (long long step = first; stored && step < first + kLongestBurst; ++step) {
                const BurstSetting& setting = burstSetting(script, step);
                stored = Ini_Schreiben(QLatin1String(setting.section), QLatin1String(setting.key),
                                       burstValue(step), killed.path(QLatin1String(setting.file)));
            }
            ::_exit(stored ? 0 : 1);
        }
        ::close(ready[1]);
        char word = 0;
        const bool started = child > 0 && ::read(ready[0], &word, 1) == 1;
        ::close(ready[0]);
        return started ? child : -1;
    }

    test::TestDataFolder killed;
    test::TestDataFolder replayed;
};

// After every kill the files hold exactly every step up to the last one they
// show, as an unkilled burst stores them. ZOR_RANDOM_START repeats a run.
TEST_F(CrashConsistencyTest, EveryKilledBurstLeavesEachKeyOldOrNew) {
    bool given = false;
    const qulonglong chosen = qEnvironmentVariable("ZOR_RANDOM_START").toULongLong(&given);
    const std::uint64_t randomStart = given ? chosen : std::random_device{}();
    std::cout << "randomStart " << randomStart << " (ZOR_RANDOM_START=" << randomStart
              << " repeats this run)" << std::endl;
    RecordProperty("randomStart", std::to_string(randomStart));
    std::mt19937_64 random(randomStart);
    const std::uint64_t script = random();

    const QStringList bundled = QDir(test::TestDataFolder::bundled()).entryList(QDir::Files);
    long long stored = 0; // steps 0 to stored - 1 are in the files
    for (int kill = 0; kill < kKills; ++kill) {
        SCOPED_TRACE("kill " + std::to_string(kill) + " after step " + std::to_string(stored));
        const pid_t burst = startBurst(script, stored);
        ASSERT_GT(burst, 0);
        std::this_thread::sleep_for(
            std::chrono::microseconds(random() % kLongestDelayMicroseconds));
        ::kill(burst, SIGKILL);
        int status = 0;
        ::waitpid(burst, &status, 0);
        ASSERT_TRUE(WIFSIGNALED(status)) << "the burst ended before the kill";

        long long last = -1; // the last step the files show
        for (const BurstSetting& setting : kBurstSettings) {
            const QString value = killed.read(setting.file, setting.section, setting.key);
            bool number = false;
            const long long step = value.mid(value.lastIndexOf(u'#') + 1).toLongLong(&number);
            if (value.contains(u'#') && number)
                last = std::max(last, step);
        }
        ASSERT_GE(last + 1, stored);
        for (; stored <= last; ++stored) {
            const BurstSetting& setting = burstSetting(script, stored);
            replayed.write(setting.file, setting.section, setting.key, burstValue(stored));
        }
        for (const char* name : kSettingsFiles) {
            ASSERT_EQ(iniFileState(killed.path(QLatin1String(name))), SettingsFileState::Usable)
                << name;
            ASSERT_EQ(killed.bytes(QLatin1String(name)), replayed.bytes(QLatin1String(name)))
                << name;
        }
        // Besides the bundled files only leftovers of killed writes, which no
        // read takes for settings.
        const QRegularExpression leftover(R"(^(RDS_Allg\.INI|Datenset1\.INI|Rs232\.ini)\..{6}$)");
        for (const QString& entry :
             QDir(killed.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot))
            EXPECT_TRUE(bundled.contains(entry) || leftover.match(entry).hasMatch())
                << "stray file " << entry.toStdString();
    }
    std::cout << stored << " changes stored under " << kKills << " kills" << std::endl;
    EXPECT_GT(stored, 0);
}

} // namespace
} // namespace zor
