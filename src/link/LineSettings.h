#pragma once

#include <QString>

namespace zor {

enum class Parity { None, Odd, Even, Mark, Space };
enum class StopBits { One, OneAndHalf, Two };

// The serial line's settings as the text "9600,N,8,1" describes them.
struct LineSettings {
    int baud = 9600;
    Parity parity = Parity::None;
    int dataBits = 8;
    StopBits stopBits = StopBits::One;
};

// Reads a line settings text; a part that is missing or makes no sense keeps
// its usual value (9600 baud, no parity, 8 data bits, 1 stop bit).
LineSettings parseLineSettings(const QString& text);

} // namespace zor
