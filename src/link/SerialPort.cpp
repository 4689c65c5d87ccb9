#include "link/SerialPort.h"

#include "link/LineSettings.h"
#include "link/Waiting.h"
#include "settings/FileEntry.h"
#include "settings/MessageLanguage.h"
#include "settings/SerialSettings.h"

#include <QDeadlineTimer>
#include <QFile>
#include <utility>

#ifndef Q_OS_WIN
#include <cerrno>
#include <poll.h>
#include <signal.h>
#endif

namespace zor {

namespace {

// How long bytes may take to leave the program before the write counts as
// stalled (a handshake that never releases the line).
constexpr int kWriteLimitMs = 1000;
// At most this much is taken in at once, so a line that never falls silent
// neither fills memory nor holds the window.
constexpr qint64 kReadLimitBytes = 65536;

QSerialPort::Parity qtParity(Parity parity) {
    switch (parity) {
    case Parity::Odd:
        return QSerialPort::OddParity;
    case Parity::Even:
        return QSerialPort::EvenParity;
    case Parity::Mark:
        return QSerialPort::MarkParity;
    case Parity::Space:
        return QSerialPort::SpaceParity;
    case Parity::None:
        break;
    }
    return QSerialPort::NoParity;
}

QSerialPort::StopBits qtStopBits(StopBits bits) {
    switch (bits) {
    case StopBits::OneAndHalf:
        return QSerialPort::OneAndHalfStop;
    case StopBits::Two:
        return QSerialPort::TwoStop;
    case StopBits::One:
        break;
    }
    return QSerialPort::OneStop;
}

// Qt cannot combine hardware and software flow control; "RTS and XON/XOFF"
// uses the hardware lines, which do not swallow data bytes.
QSerialPort::FlowControl qtFlowControl(int handshake) {
    switch (handshake) {
    case 1:
        return QSerialPort::SoftwareControl;
    case 2:
    case 3:
        return QSerialPort::HardwareControl;
    default:
        return QSerialPort::NoFlowControl;
    }
}

#ifndef Q_OS_WIN
// The folders Qt SerialPort keeps its lock files in, in the order it tries.
constexpr const char* kLockFolders[] = {"/var/lock",       "/etc/locks", "/var/spool/locks",
                                        "/var/spool/uucp", "/tmp",       "/var/lib/lockdev"};

// The name of the lock file Qt SerialPort makes for `device`: "LCK.." and
// the device below /dev with "/" as "_" ("/dev/pts/3" gives "LCK..pts_3").
QString lockFileName(QString device) {
    if (device.startsWith(QLatin1String("/dev/")))
        device.remove(0, 5);
    return QStringLiteral("LCK..") + device.replace(QLatin1Char('/'), QLatin1Char('_'));
}

// Qt SerialPort removes the lock file of a program that ended without
// closing the port, but only when it may: in the shared lock folder another
// user's file stays, and the port cannot be opened until an administrator
// removes it. The first line of a lock file is the number of its process.
QString staleLockText(const QString& device) {
    for (const char* folder : kLockFolders) {
        const QString path = QLatin1String(folder) + u'/' + lockFileName(device);
        QFile lock(path);
        if (!FileEntry::openRegular(lock, QIODevice::ReadOnly))
            continue;
        bool number = false;
        const qint64 process = lock.readLine(32).trimmed().toLongLong(&number);
        if (!number || process <= 0 || ::kill(static_cast<pid_t>(process), 0) == 0 ||
            errno != ESRCH)
            return {};
        return u'\n' + spoken(QStringLiteral("Die Sperrdatei \"%1\" stammt von Prozess %2, den es "
                                             "nicht mehr gibt. Solange sie besteht, lässt sich "
                                             "die Schnittstelle nicht öffnen; sie muss gelöscht "
                                             "werden (wenn nötig vom Administrator)."),
                              QStringLiteral("The lock file \"%1\" was left by process %2, which "
                                             "no longer exists. While it is there the port cannot "
                                             "be opened; it has to be removed (by an "
                                             "administrator if need be)."))
                           .arg(path)
                           .arg(process);
    }
    return {};
}
#endif

} // namespace

// Qt reads whatever arrives whenever the window's event loop runs; a line
// that never falls silent would otherwise fill memory between two commands.
// With the buffer full Qt stops reading and the line waits in the driver.
SerialPort::SerialPort(QString settingsFile) : settingsFile_(std::move(settingsFile)) {
    port_.setReadBufferSize(kReadLimitBytes);
}

void SerialPort::setPortNumber(int number) {
    number_ = number;
}

void SerialPort::setSettings(const QString& lineSettings) {
    settings_ = lineSettings;
    if (port_.isOpen())
        configure();
}

void SerialPort::setHandshake(int mode) {
    handshake_ = mode;
    if (port_.isOpen())
        configure();
}

QString SerialPort::deviceName() const {
    return SerialSettings(settingsFile_).deviceOfPort(number_);
}

bool SerialPort::open() {
    if (port_.isOpen())
        return true;
    port_.setPortName(deviceName());
    configure();
    port_.clearError();
    if (!port_.open(QIODevice::ReadWrite)) {
        error_ = port_.errorString();
#ifndef Q_OS_WIN
        if (port_.error() == QSerialPort::PermissionError)
            error_ += staleLockText(port_.portName());
#endif
        port_.clearError();
        return false;
    }
    error_.clear();
    return true;
}

void SerialPort::close() {
    if (port_.isOpen())
        port_.close();
}

bool SerialPort::discardBuffers() {
    if (!port_.isOpen())
        return false;
    // Nothing of ours waits to be sent: every write completes or is dropped
    // when it stalls. Bytes already with the driver are a command (or the
    // wake-up carriage return) on its way and are not taken back.
    port_.clearError();
    port_.clear(QSerialPort::Input);
    return stillThere();
}

bool SerialPort::write(const QByteArray& bytes) {
    if (!port_.isOpen())
        return false;
    port_.clearError();
    port_.write(bytes);
    port_.flush();
    bool gone = false;
    waitUntil(
        [this, &gone] {
            gone = !stillThere();
            return gone || port_.bytesToWrite() == 0;
        },
        QDeadlineTimer(kWriteLimitMs));
    if (gone || !stillThere())
        return false;
    if (port_.bytesToWrite() > 0) {
        port_.clear(QSerialPort::Output);
        stillThere();
        error_ = spoken(QStringLiteral("Die Daten konnten nicht gesendet werden (Handshake?)."),
                        QStringLiteral("The data could not be sent (handshake?)."));
        return false;
    }
    return true;
}

// What the driver holds but the thread's events have not yet taken in is
// taken as well.
QByteArray SerialPort::takeArrived() {
    if (!port_.isOpen())
        return {};
    port_.clearError();
    while (port_.bytesAvailable() < kReadLimitBytes && port_.waitForReadyRead(0)) {
    }
    const QByteArray bytes = port_.read(kReadLimitBytes);
    stillThere();
    return bytes;
}

void SerialPort::configure() {
    const LineSettings line = parseLineSettings(settings_);
    port_.setBaudRate(line.baud);
    port_.setParity(qtParity(line.parity));
    port_.setDataBits(static_cast<QSerialPort::DataBits>(line.dataBits));
    port_.setStopBits(qtStopBits(line.stopBits));
    port_.setFlowControl(qtFlowControl(handshake_));
}

// Looks at what the last port operation left behind. A time-out or a single
// "resource" error (Qt reports a busy line that way too) is not a failure as
// long as the device is still there; a device that is gone closes the port.
bool SerialPort::stillThere() {
    const QSerialPort::SerialPortError error = port_.error();
    port_.clearError();
    if (error == QSerialPort::NoError || error == QSerialPort::TimeoutError)
        return true;
    if (!deviceGone(error))
        return true;
    // Qt's own description of a hang-up is often a stale, unrelated one.
    error_ = spoken(QStringLiteral("Die Leitung ist getrennt (Gerät entfernt oder Verbindung "
                                   "aufgelegt)."),
                    QStringLiteral("The line is broken (device removed or hung up)."));
    port_.close();
    return false;
}

bool SerialPort::deviceGone(QSerialPort::SerialPortError error) const {
#ifdef Q_OS_WIN
    return error == QSerialPort::ResourceError;
#else
    Q_UNUSED(error);
    pollfd line{static_cast<int>(port_.handle()), POLLIN | POLLOUT, 0};
    if (::poll(&line, 1, 0) < 0)
        return true;
    return (line.revents & (POLLHUP | POLLERR | POLLNVAL)) != 0;
#endif
}

} // namespace zor
