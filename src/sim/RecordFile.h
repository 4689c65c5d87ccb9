#pragma once

#include <QByteArray>
#include <QString>

namespace zor::sim {

// The record of everything the instrument received, appended unchanged and
// handed to the system at once (no buffering in the process), so a reader
// sees every byte as soon as the instrument has it.
class RecordFile {
  public:
    RecordFile() = default;
    RecordFile(const RecordFile&) = delete;
    RecordFile& operator=(const RecordFile&) = delete;
    ~RecordFile();

    // Creates the file when missing; existing content is kept.
    bool open(const QString& path, QString* error);
    bool isOpen() const { return fd_ >= 0; }
    // False when the bytes could not all be written.
    bool append(const QByteArray& bytes);

  private:
    int fd_ = -1;
};

} // namespace zor::sim
