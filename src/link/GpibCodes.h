#pragma once

#include <cstdint>

namespace zor {

// Status bits and error codes of the NI-488.2 driver interface, as the bus
// status variables hold them.
namespace gpib {

inline constexpr std::uint16_t ERR = 0x8000;
inline constexpr std::uint16_t TIMO = 0x4000;
inline constexpr std::uint16_t END = 0x2000;
inline constexpr std::uint16_t SRQI = 0x1000;
inline constexpr std::uint16_t RQS = 0x0800;
inline constexpr std::uint16_t CMPL = 0x0100;
inline constexpr std::uint16_t LOK = 0x0080;
inline constexpr std::uint16_t REM = 0x0040;
inline constexpr std::uint16_t CIC = 0x0020;
inline constexpr std::uint16_t ATN = 0x0010;
inline constexpr std::uint16_t TACS = 0x0008;
inline constexpr std::uint16_t LACS = 0x0004;
inline constexpr std::uint16_t DTAS = 0x0002;
inline constexpr std::uint16_t DCAS = 0x0001;

inline constexpr int EDVR = 0;
inline constexpr int ENOL = 2;
inline constexpr int EARG = 4;
inline constexpr int EABO = 6;
inline constexpr int ENEB = 7;

// Open parameters of the generator: board 0, no secondary address, time-out
// code T3s, END on the last byte of every write, no end-of-string character.
inline constexpr int kBoard = 0;
inline constexpr int kNoSecondaryAddress = 0;
inline constexpr int kTimeout3s = 12;
inline constexpr int kEndOnLastByte = 1;
inline constexpr int kNoEndOfString = 0;

} // namespace gpib

// The driver's 32-bit values become the program's 16-bit ones by keeping the
// low 16 bits as a two's-complement number (hex 8000 is -32768, -1 stays -1).
constexpr std::int16_t toInt16(long long value) {
    return static_cast<std::int16_t>(static_cast<std::uint16_t>(value & 0xFFFF));
}

constexpr bool hasError(std::int16_t status) {
    return (static_cast<std::uint16_t>(status) & gpib::ERR) != 0;
}

} // namespace zor
