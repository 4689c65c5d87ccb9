#pragma once

#include <QByteArray>
#include <QString>

namespace zor {

// The test's end of the simulated instrument's serial line, with nothing but
// POSIX calls: opens the pseudo-terminal slave raw, writes bytes, and collects
// what arrives within a time limit.
class PtyClient {
  public:
    explicit PtyClient(const QString& path);
    PtyClient(const PtyClient&) = delete;
    PtyClient& operator=(const PtyClient&) = delete;
    ~PtyClient();

    bool isOpen() const { return fd_ >= 0; }
    void close();

    bool write(const QByteArray& bytes);
    // Reads until `lines` line feeds arrived or `ms` milliseconds passed.
    QByteArray readLines(int lines, int ms);
    // Reads until at least `bytes` bytes arrived or `ms` milliseconds passed.
    QByteArray readBytes(qsizetype bytes, int ms);
    // Everything that arrives within `ms` milliseconds.
    QByteArray readFor(int ms);
    // Writes `line` with CR LF (as the program sends queries) and returns the
    // first answer line.
    QByteArray query(const QByteArray& line, int ms = 2000);
    // True once the other side hung up the line, within `ms` milliseconds.
    bool waitForHangup(int ms);

  private:
    template <typename Done> QByteArray readUntil(int ms, Done done);

    int fd_ = -1;
    bool hungUp_ = false;
};

} // namespace zor
