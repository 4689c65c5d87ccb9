#pragma once

#include <QString>
#include <cstdint>

namespace zor {

// The program-wide state the instrument link shares with every page: which
// interface is in use, whether commands may leave the program, and the bus
// addresses and descriptors. Owned by the main window (or the command-line
// tool) for the whole run.
struct LinkState {
    QString interfaceName;          // "COM": serial port; anything else: IEEE-488 bus
    QString demoFlag = "demo";      // "demo": nothing is sent; "nodemo": connected
    std::int16_t generatorAddress = 0;
    std::int16_t secondAddress = 0;
    std::int16_t generatorDescriptor = 0;
    std::int16_t secondDescriptor = 0;

    bool serial() const { return interfaceName == QLatin1String("COM"); }
    bool demo() const { return demoFlag == QLatin1String("demo"); }
};

} // namespace zor
