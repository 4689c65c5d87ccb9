#include "link/LinkState.h"

#include "link/BusAddresses.h"
#include "settings/DataFolder.h"
#include "settings/IniFile.h"

namespace zor {

LinkState storedLinkState(const DataFolder& folder) {
    const QString general = folder.file(QLatin1String(kGeneralFile));
    const auto stored = [&general](const char* section, const char* key) {
        return Ini_Lesen(QLatin1String(section), QLatin1String(key), general);
    };
    LinkState state;
    state.serialInterface = stored("BUS", "INTERFACE") == QLatin1String("COM");
    state.generatorAddress = generatorAddress(stored("ADRESSEN", "ZOR1"));
    state.secondAddress = secondAddress(stored("ADRESSEN", "VEX2"));
    return state;
}

} // namespace zor
