#pragma once

#include "sim/GpibProtocol.h"

#include <QList>
#include <QString>
#include <map>
#include <string>
#include <vector>

namespace zor::sim {

// The instrument's IEEE-488 side: a Unix stream socket on which the bus shim
// connects, one connection per open device descriptor. Reads and writes never
// block; frames going out wait in a buffer until the socket takes them.
class GpibSocketServer {
  public:
    struct Received {
        int connection;
        gpibwire::Frame frame;
    };

    GpibSocketServer() = default;
    GpibSocketServer(const GpibSocketServer&) = delete;
    GpibSocketServer& operator=(const GpibSocketServer&) = delete;
    ~GpibSocketServer();

    // A stale socket file at `path` is replaced; any other file is left alone.
    bool listen(const QString& path, QString* error);
    void close();

    int listenFd() const { return listenFd_; }
    void acceptPending();

    QList<int> connections() const;
    int fdOf(int connection) const;
    bool hasPendingOutput(int connection) const;
    bool isOpen(int connection) const { return connections_.count(connection) > 0; }

    // Reads what arrived and returns the complete frames. A connection that
    // ended or sent nonsense is closed.
    std::vector<Received> readFrom(int connection);
    void send(int connection, gpibwire::FrameType type, const std::string& payload);
    void flush(int connection);

  private:
    struct Connection {
        int fd = -1;
        std::string in;
        std::string out;
    };

    void drop(int connection);

    int listenFd_ = -1;
    QString path_;
    int nextId_ = 1;
    std::map<int, Connection> connections_;
};

} // namespace zor::sim
