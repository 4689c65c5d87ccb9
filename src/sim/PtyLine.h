#pragma once

#include <QByteArray>
#include <QString>

namespace zor::sim {

// The instrument's serial line: a new pseudo-terminal (raw, no echo) or an
// existing tty, read and written without blocking. For a pseudo-terminal the
// instrument keeps its own descriptor of the slave side open, so a client that
// closes the port does not hang up the line.
class PtyLine {
  public:
    enum class ReadStatus { Data, Nothing, Closed };

    PtyLine() = default;
    PtyLine(const PtyLine&) = delete;
    PtyLine& operator=(const PtyLine&) = delete;
    ~PtyLine();

    bool openPseudoTerminal(QString* error);
    bool openDevice(const QString& path, QString* error);
    // A symbolic link `linkPath` -> the line; a stale link there is replaced,
    // any other file is left alone (and the call fails). Removed by close().
    bool makeLink(const QString& linkPath, QString* error);

    bool isOpen() const { return fd_ >= 0; }
    int fd() const { return fd_; }
    QString path() const { return path_; }

    // Everything that can be read now into `bytes`.
    ReadStatus read(QByteArray& bytes);
    // Writes what the line takes without blocking; the number of bytes taken,
    // or -1 when the line is gone.
    qsizetype write(const QByteArray& bytes);
    // Closes the line, the own slave descriptor and removes the link.
    void close();

  private:
    int fd_ = -1;
    int ownSlave_ = -1;
    QString path_;
    QString linkPath_;
};

} // namespace zor::sim
