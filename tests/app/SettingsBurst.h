#pragma once

#include <QString>
#include <cstddef>
#include <cstdint>
#include <iterator>

namespace zor::test {

// A scripted burst of setting changes as the pages store them, across the
// three settings files: step n stores one value, and every value names its
// step, so the files show how far a killed burst got.
struct BurstSetting {
    const char* file;
    const char* section;
    const char* key;
};

inline constexpr BurstSetting kBurstSettings[] = {
    {"RDS_Allg.INI", "FM", "MPX_DEV"},     {"RDS_Allg.INI", "FM", "PILOT_PHASE"},
    {"RDS_Allg.INI", "FM", "RDS_HUB"},     {"RDS_Allg.INI", "RDS", "TA_ON"},
    {"RDS_Allg.INI", "BUS", "Interface"},  {"Datenset1.INI", "RDS", "PS"},
    {"Datenset1.INI", "RDS", "PI"},        {"Datenset1.INI", "RDS", "RTA"},
    {"Datenset1.INI", "RDS", "AF_LISTE1"}, {"Datenset1.INI", "RDS", "GR_Folge"},
    {"Rs232.ini", "38xx", "Baud"},         {"Rs232.ini", "38xx", "ComPort"},
    {"Rs232.ini", "38xx", "Demo"},
};
inline constexpr std::size_t kBurstSettingCount = std::size(kBurstSettings);

// The setting step `step` of burst `script` changes: a fixed shuffle, so
// files and keys follow each other in no regular order.
inline const BurstSetting& burstSetting(std::uint64_t script, std::uint64_t step) {
    std::uint64_t mixed = (script ^ step) * 0x9E3779B97F4A7C15ULL;
    mixed ^= mixed >> 29;
    return kBurstSettings[mixed % kBurstSettingCount];
}

// The value step `step` stores: a RadioText-sized text ending in "#<step>".
inline QString burstValue(std::uint64_t step) {
    return QStringLiteral("Schritt %1 einer Folge von Einstellungen ohne Ende #%1").arg(step);
}

// The step a stored value names; -1 for a value no step stored.
inline long long burstStepOf(const QString& value) {
    const qsizetype mark = value.lastIndexOf(QLatin1Char('#'));
    bool number = false;
    const long long step = mark < 0 ? -1 : value.mid(mark + 1).toLongLong(&number);
    return number ? step : -1;
}

} // namespace zor::test
