// zor-settings-burst FOLDER SCRIPT FIRST-STEP
//
// Stores the burst of SettingsBurst.h, burst number SCRIPT from step
// FIRST-STEP on, into the settings files of FOLDER through Ini_Schreiben,
// as the pages store their settings, until it is killed. It prints
// "writing" just before its first change, so whoever kills it knows that
// from then on every moment falls inside the burst.
#include "SettingsBurst.h"
#include "settings/DataFolder.h"
#include "settings/IniFile.h"

#include <cstdio>
#include <cstdlib>

namespace {

// Far more than a burst lives; ends the program should nobody kill it.
constexpr unsigned long long kLongestBurst = 1000000;

} // namespace

int main(int argc, char** argv) {
    if (argc != 4) {
        std::fputs("usage: zor-settings-burst FOLDER SCRIPT FIRST-STEP\n", stderr);
        return 2;
    }
    const zor::DataFolder data(QString::fromLocal8Bit(argv[1]));
    const unsigned long long script = std::strtoull(argv[2], nullptr, 10);
    const unsigned long long first = std::strtoull(argv[3], nullptr, 10);

    std::fputs("writing\n", stdout);
    std::fflush(stdout);
    for (unsigned long long step = first; step < first + kLongestBurst; ++step) {
        const zor::test::BurstSetting& setting = zor::test::burstSetting(script, step);
        if (!zor::Ini_Schreiben(QLatin1String(setting.section), QLatin1String(setting.key),
                                zor::test::burstValue(step),
                                data.file(QLatin1String(setting.file)))) {
            std::fprintf(stderr, "step %llu: %s cannot be written\n", step, setting.file);
            return 1;
        }
    }
    return 0;
}
