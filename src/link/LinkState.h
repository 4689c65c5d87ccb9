#pragma once

#include <cstdint>

namespace zor {

class DataFolder;

// What the instrument link knows of its connection: which interface is in
// use, whether commands may leave the program, and the bus addresses and
// descriptors. Private to the link; the window and zor-rds-cli see it only
// through the instrument's door.
struct LinkState {
    bool serialInterface = false;
    // Until a connection is made, nothing leaves the program.
    bool demo = true;
    std::int16_t generatorAddress = 0;
    std::int16_t secondAddress = 0;
    std::int16_t generatorDescriptor = 0;
    std::int16_t secondDescriptor = 0;
};

// The interface (key "INTERFACE" of section "BUS": "COM" is the serial port,
// anything else the bus) and the two bus addresses ("ZOR1" and "VEX2" of
// section "ADRESSEN") stored in the general settings file, in demo mode.
LinkState storedLinkState(const DataFolder& folder);

} // namespace zor
