#include "link/LineSettings.h"

#include <QStringList>

namespace zor {

namespace {

void readBaud(const QString& part, LineSettings& settings) {
    bool ok = false;
    const int baud = part.trimmed().toInt(&ok);
    if (ok && baud > 0)
        settings.baud = baud;
}

void readParity(const QString& part, LineSettings& settings) {
    const QString letter = part.trimmed().toUpper();
    if (letter == QLatin1String("N"))
        settings.parity = Parity::None;
    else if (letter == QLatin1String("O"))
        settings.parity = Parity::Odd;
    else if (letter == QLatin1String("E"))
        settings.parity = Parity::Even;
    else if (letter == QLatin1String("M"))
        settings.parity = Parity::Mark;
    else if (letter == QLatin1String("S"))
        settings.parity = Parity::Space;
}

void readDataBits(const QString& part, LineSettings& settings) {
    bool ok = false;
    const int bits = part.trimmed().toInt(&ok);
    if (ok && bits >= 5 && bits <= 8)
        settings.dataBits = bits;
}

void readStopBits(const QString& part, LineSettings& settings) {
    const QString bits = part.trimmed();
    if (bits == QLatin1String("1"))
        settings.stopBits = StopBits::One;
    else if (bits == QLatin1String("1.5"))
        settings.stopBits = StopBits::OneAndHalf;
    else if (bits == QLatin1String("2"))
        settings.stopBits = StopBits::Two;
}

} // namespace

LineSettings parseLineSettings(const QString& text) {
    LineSettings settings;
    const QStringList parts = text.split(QLatin1Char(','));
    if (parts.size() > 0)
        readBaud(parts[0], settings);
    if (parts.size() > 1)
        readParity(parts[1], settings);
    if (parts.size() > 2)
        readDataBits(parts[2], settings);
    if (parts.size() > 3)
        readStopBits(parts[3], settings);
    return settings;
}

} // namespace zor
