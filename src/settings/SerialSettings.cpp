#include "settings/SerialSettings.h"

#include "settings/IniFile.h"
#include "settings/NumberText.h"

#include <QStringList>
#include <utility>

namespace zor {

namespace {

const QString kSection = QStringLiteral("38xx");

// An integer from a text, or `fallback` when its leading number lies outside
// `low`..`high`.
int integerIn(const QString& text, int low, int high, int fallback) {
    const double value = leadingNumber(text);
    if (!(value >= low - 0.5 && value <= high + 0.5))
        return fallback;
    const long long rounded = roundHalfEven(value);
    return rounded >= low && rounded <= high ? static_cast<int>(rounded) : fallback;
}

} // namespace

QString usualSerialDevice(int number) {
#ifdef Q_OS_WIN
    return QStringLiteral("COM%1").arg(number);
#else
    return QStringLiteral("/dev/ttyS%1").arg(number - 1);
#endif
}

SerialSettings::SerialSettings(QString filePath) : filePath_(std::move(filePath)) {}

void SerialSettings::readAll() {
    const SerialSettings usual;
    const auto read = [this](const char* key, const QString& fallback) {
        const QString value = Ini_Lesen(kSection, QLatin1String(key), filePath_);
        return value.isEmpty() ? fallback : value;
    };
    comPort = read("ComPort", usual.comPort);
    baud = read("Baud", usual.baud);
    dataBits = read("Datenbits", usual.dataBits);
    parity = read("Paritaet", usual.parity);
    stopBits = read("Stoppbit", usual.stopBits);
    handshake = read("Handshake", usual.handshake);
    echo = read("Echo", usual.echo);
    demo = read("Demo", usual.demo);
}

void SerialSettings::readAddress() {
    address = Ini_Lesen(kSection, QStringLiteral("Adresse"), filePath_);
}

bool SerialSettings::writeAll() const {
    const auto write = [this](const char* key, const QString& value) {
        return Ini_Schreiben(kSection, QLatin1String(key), value, filePath_);
    };
    bool written = write("ComPort", comPort);
    written = write("Baud", baud) && written;
    written = write("Datenbits", dataBits) && written;
    written = write("Paritaet", parity) && written;
    written = write("Stoppbit", stopBits) && written;
    written = write("Handshake", handshake) && written;
    written = write("Echo", echo) && written;
    return written;
}

bool SerialSettings::writeDemo() const {
    bool written = Ini_Schreiben(kSection, QStringLiteral("Demo"), demo, filePath_);
    written = Ini_Schreiben(kSection, QStringLiteral("Adresse"), address, filePath_) && written;
    return written;
}

int SerialSettings::portNumber() const {
    return integerIn(comPort, 1, 255, 1);
}

int SerialSettings::handshakeMode() const {
    return integerIn(handshake, 0, 3, 0);
}

QString SerialSettings::lineSettings() const {
    return QStringList{baud, parity, dataBits, stopBits}.join(QLatin1Char(','));
}

QString SerialSettings::deviceOfPort(int number) const {
    const QString configured = Ini_Lesen(kSection, QStringLiteral("Port%1").arg(number), filePath_);
    return configured.isEmpty() ? usualSerialDevice(number) : configured;
}

} // namespace zor
