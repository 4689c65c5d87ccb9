#pragma once

#include <QString>

namespace zor {

// The usual device of serial port `number`: COMn on Windows, /dev/ttyS<n-1>
// elsewhere.
QString usualSerialDevice(int number);

// The current serial settings of the program and their file, section "38xx"
// of "Rs232.ini". All values are texts as the file holds them. A key that is
// missing or empty reads as the usual value (port 1, 9600 baud, 8 data bits,
// no parity, 1 stop bit, no handshake, echo off, demo); the address has none.
class SerialSettings {
public:
    explicit SerialSettings(QString filePath = {});

    void setFilePath(const QString& path) { filePath_ = path; }
    const QString& filePath() const { return filePath_; }

    // "ComPort", "Baud", "Datenbits", "Paritaet", "Stoppbit", "Handshake",
    // "Echo", "Demo".
    void readAll();
    // "Adresse".
    void readAddress();
    // "ComPort", "Baud", "Datenbits", "Paritaet", "Stoppbit", "Handshake",
    // "Echo"; false when the file could not be written.
    bool writeAll() const;
    // "Demo" and "Adresse"; false when the file could not be written.
    bool writeDemo() const;
    // The port number as an integer, 1 when the text holds no usable number.
    int portNumber() const;
    // The handshake as 0..3, 0 when the text holds none of these.
    int handshakeMode() const;
    // "9600,N,8,1" from baud rate, parity, data bits and stop bits.
    QString lineSettings() const;
    // The device port `number` stands for: key "Port<number>" of the file
    // when it names one (a USB adapter, a pseudo-terminal), else the usual
    // device. Read anew at each call.
    QString deviceOfPort(int number) const;

    QString comPort = QStringLiteral("1");
    QString baud = QStringLiteral("9600");
    QString dataBits = QStringLiteral("8");
    QString parity = QStringLiteral("N");
    QString stopBits = QStringLiteral("1");
    QString handshake = QStringLiteral("0");
    QString echo = QStringLiteral("0");
    QString demo = QStringLiteral("demo");
    QString address;

private:
    QString filePath_;
};

} // namespace zor
