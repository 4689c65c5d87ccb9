#include "sim/PtyLine.h"

#include <QFile>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <termios.h>
#include <unistd.h>

namespace zor::sim {

namespace {

QString systemError(const QString& what) {
    return QStringLiteral("%1: %2").arg(what, QString::fromLocal8Bit(strerror(errno)));
}

bool makeRaw(int fd) {
    termios settings{};
    if (tcgetattr(fd, &settings) != 0)
        return false;
    cfmakeraw(&settings);
    settings.c_cc[VMIN] = 1;
    settings.c_cc[VTIME] = 0;
    return tcsetattr(fd, TCSANOW, &settings) == 0;
}

} // namespace

PtyLine::~PtyLine() {
    close();
}

bool PtyLine::openPseudoTerminal(QString* error) {
    fd_ = posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC);
    if (fd_ < 0 || grantpt(fd_) != 0 || unlockpt(fd_) != 0) {
        *error = systemError(QStringLiteral("cannot create a pseudo-terminal"));
        close();
        return false;
    }
    path_ = QString::fromLocal8Bit(ptsname(fd_));
    ownSlave_ = ::open(ptsname(fd_), O_RDWR | O_NOCTTY | O_CLOEXEC);
    if (ownSlave_ < 0 || !makeRaw(ownSlave_)) {
        *error = systemError(QStringLiteral("cannot set up %1").arg(path_));
        close();
        return false;
    }
    fcntl(fd_, F_SETFL, fcntl(fd_, F_GETFL) | O_NONBLOCK);
    return true;
}

bool PtyLine::openDevice(const QString& path, QString* error) {
    fd_ = ::open(QFile::encodeName(path).constData(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd_ < 0 || !makeRaw(fd_)) {
        *error = systemError(QStringLiteral("cannot open %1 as a serial line").arg(path));
        close();
        return false;
    }
    path_ = path;
    return true;
}

bool PtyLine::makeLink(const QString& linkPath, QString* error) {
    const QByteArray link = QFile::encodeName(linkPath);
    struct stat info {};
    if (lstat(link.constData(), &info) == 0) {
        if (!S_ISLNK(info.st_mode)) {
            *error =
                QStringLiteral("%1 exists and is not a symbolic link; left alone").arg(linkPath);
            return false;
        }
        ::unlink(link.constData());
    }
    if (::symlink(QFile::encodeName(path_).constData(), link.constData()) != 0) {
        *error = systemError(QStringLiteral("cannot create the link %1").arg(linkPath));
        return false;
    }
    linkPath_ = linkPath;
    return true;
}

PtyLine::ReadStatus PtyLine::read(QByteArray& bytes) {
    if (fd_ < 0)
        return ReadStatus::Closed;
    char buffer[4096];
    ReadStatus status = ReadStatus::Nothing;
    for (;;) {
        const ssize_t n = ::read(fd_, buffer, sizeof buffer);
        if (n > 0) {
            bytes.append(buffer, n);
            status = ReadStatus::Data;
            continue;
        }
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0 && errno == EAGAIN)
            return status;
        // 0 or EIO: every slave descriptor is gone, the device was unplugged.
        return status == ReadStatus::Data ? status : ReadStatus::Closed;
    }
}

qsizetype PtyLine::write(const QByteArray& bytes) {
    if (fd_ < 0)
        return -1;
    for (;;) {
        const ssize_t n = ::write(fd_, bytes.constData(), bytes.size());
        if (n >= 0)
            return n;
        if (errno == EINTR)
            continue;
        return errno == EAGAIN ? 0 : -1;
    }
}

void PtyLine::close() {
    if (!linkPath_.isEmpty()) {
        const QByteArray link = QFile::encodeName(linkPath_);
        char target[4096];
        const ssize_t n = ::readlink(link.constData(), target, sizeof target - 1);
        // Only our own link goes; another instrument may have taken the name since.
        if (n > 0 && QFile::decodeName(QByteArray(target, n)) == path_)
            ::unlink(link.constData());
        linkPath_.clear();
    }
    if (ownSlave_ >= 0)
        ::close(ownSlave_);
    if (fd_ >= 0)
        ::close(fd_);
    ownSlave_ = -1;
    fd_ = -1;
}

} // namespace zor::sim
