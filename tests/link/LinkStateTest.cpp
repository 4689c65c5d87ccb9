// The interface and the bus addresses as the window and zor-rds-cli both
// take them from the general settings file.
#include "link/BusAddresses.h"
#include "link/LinkState.h"
#include "settings/DataFolder.h"
#include "settings/IniFile.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace zor {
namespace {

struct StoredAddresses {
    const char* zor1;
    const char* vex2;
    int generator;
    int second;
};

// The generator's address is held within the bus's 0 to 30 and is 28 when
// "ZOR1" holds no number; "VEX2" is not limited and without a number names
// no device at all.
constexpr StoredAddresses kAddressRows[] = {
    {"12", "7", 12, 7},       {" 7 ", "31", 7, 31},     {"12abc", ".5e1", 12, 5},
    {"2.5", "", 2, -1},       {"28.6", "x1", 29, -1},   {"-4", "-4", 0, -4},
    {"45", "45", 30, 45},     {"99999999999", "0", 30, 0},
    {"", "28", 28, 28},       {"abc", "-", 28, -1},     {"-", "abc", 28, -1},
};

TEST(StoredLinkState, AddressesAndInterfaceFromTheGeneralSettingsFile) {
    QTemporaryDir folder;
    const DataFolder data(folder.path());
    const QString general = data.file(QLatin1String(kGeneralFile));
    for (const StoredAddresses& row : kAddressRows) {
        ASSERT_TRUE(Ini_Schreiben("ADRESSEN", "ZOR1", QLatin1String(row.zor1), general));
        ASSERT_TRUE(Ini_Schreiben("ADRESSEN", "VEX2", QLatin1String(row.vex2), general));
        const LinkState state = storedLinkState(data);
        EXPECT_EQ(state.generatorAddress, row.generator) << row.zor1;
        EXPECT_EQ(state.secondAddress, row.second) << row.vex2;
        EXPECT_TRUE(state.demo);
    }
    for (const auto& [stored, serial] : {std::pair{"COM", true}, {"IEC", false},
                                         {"com", false}, {"", false}}) {
        ASSERT_TRUE(Ini_Schreiben("BUS", "Interface", QLatin1String(stored), general));
        EXPECT_EQ(storedLinkState(data).serialInterface, serial) << stored;
    }
}

} // namespace
} // namespace zor
