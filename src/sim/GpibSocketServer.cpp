#include "sim/GpibSocketServer.h"

#include <QFile>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace zor::sim {

GpibSocketServer::~GpibSocketServer() {
    close();
}

bool GpibSocketServer::listen(const QString& path, QString* error) {
    const QByteArray name = QFile::encodeName(path);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    if (name.size() >= static_cast<qsizetype>(sizeof address.sun_path)) {
        *error = QStringLiteral("the socket path %1 is too long").arg(path);
        return false;
    }
    std::memcpy(address.sun_path, name.constData(), name.size());

    struct stat info {};
    if (lstat(name.constData(), &info) == 0) {
        if (!S_ISSOCK(info.st_mode)) {
            *error = QStringLiteral("%1 exists and is not a socket; left alone").arg(path);
            return false;
        }
        ::unlink(name.constData());
    }
    listenFd_ = ::socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    if (listenFd_ < 0 ||
        ::bind(listenFd_, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 ||
        ::listen(listenFd_, 16) != 0) {
        *error = QStringLiteral("cannot listen on %1: %2").arg(path, strerror(errno));
        close();
        return false;
    }
    path_ = path;
    return true;
}

void GpibSocketServer::close() {
    while (!connections_.empty())
        drop(connections_.begin()->first);
    if (listenFd_ >= 0) {
        ::close(listenFd_);
        listenFd_ = -1;
    }
    if (!path_.isEmpty()) {
        ::unlink(QFile::encodeName(path_).constData());
        path_.clear();
    }
}

void GpibSocketServer::acceptPending() {
    for (;;) {
        const int fd = ::accept4(listenFd_, nullptr, nullptr, SOCK_NONBLOCK | SOCK_CLOEXEC);
        if (fd < 0)
            return;
        connections_[nextId_++].fd = fd;
    }
}

QList<int> GpibSocketServer::connections() const {
    QList<int> ids;
    for (const auto& [id, connection] : connections_)
        ids.append(id);
    return ids;
}

int GpibSocketServer::fdOf(int connection) const {
    auto it = connections_.find(connection);
    return it == connections_.end() ? -1 : it->second.fd;
}

bool GpibSocketServer::hasPendingOutput(int connection) const {
    auto it = connections_.find(connection);
    return it != connections_.end() && !it->second.out.empty();
}

std::vector<GpibSocketServer::Received> GpibSocketServer::readFrom(int connection) {
    std::vector<Received> frames;
    auto it = connections_.find(connection);
    if (it == connections_.end())
        return frames;
    Connection& c = it->second;
    bool ended = false;
    char buffer[4096];
    for (;;) {
        const ssize_t n = ::recv(c.fd, buffer, sizeof buffer, 0);
        if (n > 0) {
            c.in.append(buffer, n);
            continue;
        }
        if (n < 0 && errno == EINTR)
            continue;
        ended = !(n < 0 && errno == EAGAIN);
        break;
    }
    bool broken = false;
    while (auto frame = gpibwire::takeFrame(c.in, broken))
        frames.push_back({connection, std::move(*frame)});
    if (ended || broken)
        drop(connection);
    return frames;
}

void GpibSocketServer::send(int connection, gpibwire::FrameType type, const std::string& payload) {
    auto it = connections_.find(connection);
    if (it == connections_.end())
        return;
    it->second.out += gpibwire::encodeFrame(type, payload);
    flush(connection);
}

void GpibSocketServer::flush(int connection) {
    auto it = connections_.find(connection);
    if (it == connections_.end())
        return;
    Connection& c = it->second;
    while (!c.out.empty()) {
        const ssize_t n = ::send(c.fd, c.out.data(), c.out.size(), MSG_NOSIGNAL);
        if (n > 0) {
            c.out.erase(0, n);
        } else if (n < 0 && errno == EINTR) {
            continue;
        } else if (n < 0 && errno == EAGAIN) {
            return;
        } else {
            drop(connection);
            return;
        }
    }
}

void GpibSocketServer::drop(int connection) {
    auto it = connections_.find(connection);
    if (it == connections_.end())
        return;
    ::close(it->second.fd);
    connections_.erase(it);
}

} // namespace zor::sim
