#pragma once

#include "link/SerialLine.h"

#include <QSerialPort>
#include <QString>

namespace zor {

// The serial line on a real port through Qt SerialPort. A write waits
// (bounded) until its bytes have left, letting the thread's events run.
// Key "Port<n>" of section "38xx" in the serial settings file names the
// device of port n when the usual one is not wanted (a USB adapter, a
// pseudo-terminal); it is read again at every open.
class SerialPort : public SerialLine {
public:
    explicit SerialPort(QString settingsFile);

    void setPortNumber(int number) override;
    int portNumber() const override { return number_; }
    void setSettings(const QString& lineSettings) override;
    QString settings() const override { return settings_; }
    void setHandshake(int mode) override;
    int handshake() const override { return handshake_; }
    QString deviceName() const override;

    bool open() override;
    void close() override;
    bool isOpen() const override { return port_.isOpen(); }

    bool discardBuffers() override;
    bool write(const QByteArray& bytes) override;
    QByteArray takeArrived() override;

    QString errorText() const override { return error_; }

private:
    void configure();
    bool stillThere();
    bool deviceGone(QSerialPort::SerialPortError error) const;

    QSerialPort port_;
    QString settingsFile_;
    int number_ = 1;
    QString settings_ = QStringLiteral("9600,N,8,1");
    int handshake_ = 0;
    QString error_;
};

} // namespace zor
