#pragma once

#include <QByteArray>
#include <QString>

namespace zor {

// The serial port as the command channel uses it: a port number, the line
// settings text, a handshake mode, open and close, clearing the buffers,
// writing bytes and taking what has arrived. The port takes in what arrives
// whenever the thread's events run; the channel lets them run while it waits
// for an answer.
class SerialLine {
public:
    virtual ~SerialLine() = default;

    // Takes effect at the next open.
    virtual void setPortNumber(int number) = 0;
    virtual int portNumber() const = 0;
    // Baud rate, parity letter, data bits and stop bits: "9600,N,8,1".
    virtual void setSettings(const QString& lineSettings) = 0;
    virtual QString settings() const = 0;
    // 0 none, 1 XON/XOFF, 2 RTS, 3 RTS and XON/XOFF.
    virtual void setHandshake(int mode) = 0;
    virtual int handshake() const = 0;
    // The device the port number stands for, as the operator should see it.
    virtual QString deviceName() const = 0;

    virtual bool open() = 0;
    virtual void close() = 0;
    virtual bool isOpen() const = 0;

    // The operations below do nothing on a closed port and return false. A
    // failing one returns false; when the device has gone away (unplugged,
    // hung up) the port is closed as well. errorText() then says why.

    // Discards what waits to be sent, then what was received. Bytes already
    // handed to the driver count as sent: a write that returned has let go
    // of them, so only a stalled write could leave any behind.
    virtual bool discardBuffers() = 0;
    // Returns once the bytes have left the program (bounded wait, during
    // which the thread's events run).
    virtual bool write(const QByteArray& bytes) = 0;
    // Everything that has arrived so far, without waiting for more (bounded,
    // even on a flooding line).
    virtual QByteArray takeArrived() = 0;

    virtual QString errorText() const = 0;
};

} // namespace zor
