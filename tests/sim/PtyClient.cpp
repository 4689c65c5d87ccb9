#include "sim/PtyClient.h"

#include <QFile>
#include <cerrno>
#include <chrono>
#include <fcntl.h>
#include <poll.h>
#include <termios.h>
#include <unistd.h>

namespace zor {

namespace {

using Clock = std::chrono::steady_clock;

int millisecondsUntil(Clock::time_point deadline) {
    const auto left = std::chrono::ceil<std::chrono::milliseconds>(deadline - Clock::now());
    return left.count() < 0 ? 0 : static_cast<int>(left.count());
}

} // namespace

PtyClient::PtyClient(const QString& path) {
    fd_ = ::open(QFile::encodeName(path).constData(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    termios settings{};
    if (fd_ >= 0 && tcgetattr(fd_, &settings) == 0) {
        cfmakeraw(&settings);
        tcsetattr(fd_, TCSANOW, &settings);
    }
}

PtyClient::~PtyClient() {
    close();
}

void PtyClient::close() {
    if (fd_ >= 0)
        ::close(fd_);
    fd_ = -1;
}

bool PtyClient::write(const QByteArray& bytes) {
    qsizetype done = 0;
    while (fd_ >= 0 && done < bytes.size()) {
        const ssize_t n = ::write(fd_, bytes.constData() + done, bytes.size() - done);
        if (n > 0)
            done += n;
        else if (n < 0 && errno != EINTR && errno != EAGAIN)
            return false;
    }
    return done == bytes.size();
}

template <typename Done> QByteArray PtyClient::readUntil(int ms, Done done) {
    QByteArray received;
    const auto deadline = Clock::now() + std::chrono::milliseconds(ms);
    while (fd_ >= 0 && !hungUp_ && !done(received)) {
        pollfd p{fd_, POLLIN, 0};
        if (::poll(&p, 1, millisecondsUntil(deadline)) <= 0)
            break;
        char buffer[4096];
        const ssize_t n = ::read(fd_, buffer, sizeof buffer);
        if (n > 0)
            received.append(buffer, n);
        else if (n == 0 || (errno != EAGAIN && errno != EINTR))
            hungUp_ = true;
    }
    return received;
}

QByteArray PtyClient::readLines(int lines, int ms) {
    return readUntil(ms, [lines](const QByteArray& r) { return r.count('\n') >= lines; });
}

QByteArray PtyClient::readBytes(qsizetype bytes, int ms) {
    return readUntil(ms, [bytes](const QByteArray& r) { return r.size() >= bytes; });
}

QByteArray PtyClient::readFor(int ms) {
    return readUntil(ms, [](const QByteArray&) { return false; });
}

QByteArray PtyClient::query(const QByteArray& line, int ms) {
    if (!write(line + "\r\n"))
        return {};
    return readLines(1, ms);
}

bool PtyClient::waitForHangup(int ms) {
    readFor(ms);
    return hungUp_;
}

} // namespace zor
