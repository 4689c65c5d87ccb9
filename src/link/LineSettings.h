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

// Baud rate, parity letter, data bits and stop bits joined with commas,
// without blanks: the port's line settings text.
QString lineSettingsText(const QString& baud, const QString& parity, const QString& dataBits,
                         const QString& stopBits);

// Reads a line settings text; a part that is missing or makes no sense keeps
// its usual value (9600 baud, no parity, 8 data bits, 1 stop bit).
LineSettings parseLineSettings(const QString& text);

} // namespace zor
