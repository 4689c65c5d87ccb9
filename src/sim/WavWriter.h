#pragma once

#include <QString>
#include <QtGlobal>

namespace zor::sim {

// A mono 16-bit PCM WAV file written as it grows. After every append the
// sizes in the header are brought up to date, so another program can read
// the file while it is written; on a pipe, where that is impossible, the
// header announces the largest size a WAV file can state.
class WavWriter {
  public:
    WavWriter() = default;
    WavWriter(const WavWriter&) = delete;
    WavWriter& operator=(const WavWriter&) = delete;
    ~WavWriter();

    bool open(const QString& path, int sampleRate, QString* error);
    bool isOpen() const { return fd_ >= 0; }
    // False once the file cannot take more (a write failed, or 4 GiB reached).
    bool append(const qint16* samples, qsizetype count);

  private:
    bool writeAll(const char* bytes, qsizetype size);
    void updateSizes();

    int fd_ = -1;
    bool seekable_ = false;
    quint64 dataBytes_ = 0;
};

} // namespace zor::sim
