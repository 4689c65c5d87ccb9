#include "sim/WavWriter.h"

#include <QFile>
#include <array>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace zor::sim {

namespace {

constexpr int headerSize = 44;
constexpr quint64 largestData = 0xFFFFFFFFull - 36;

void putLittle(char* at, quint32 value, int bytes) {
    for (int i = 0; i < bytes; ++i)
        at[i] = static_cast<char>((value >> (8 * i)) & 0xFF);
}

std::array<char, headerSize> header(int sampleRate, quint64 dataBytes) {
    std::array<char, headerSize> h{};
    std::memcpy(h.data(), "RIFF", 4);
    putLittle(h.data() + 4, static_cast<quint32>(36 + dataBytes), 4);
    std::memcpy(h.data() + 8, "WAVEfmt ", 8);
    putLittle(h.data() + 16, 16, 4); // size of the format chunk
    putLittle(h.data() + 20, 1, 2);  // PCM
    putLittle(h.data() + 22, 1, 2);  // mono
    putLittle(h.data() + 24, static_cast<quint32>(sampleRate), 4);
    putLittle(h.data() + 28, static_cast<quint32>(sampleRate * 2), 4);
    putLittle(h.data() + 32, 2, 2);  // bytes per frame
    putLittle(h.data() + 34, 16, 2); // bits per sample
    std::memcpy(h.data() + 36, "data", 4);
    putLittle(h.data() + 40, static_cast<quint32>(dataBytes), 4);
    return h;
}

} // namespace

WavWriter::~WavWriter() {
    if (fd_ >= 0)
        ::close(fd_);
}

bool WavWriter::open(const QString& path, int sampleRate, QString* error) {
    fd_ =
        ::open(QFile::encodeName(path).constData(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd_ < 0) {
        *error = QStringLiteral("cannot write the WAV file %1: %2").arg(path, strerror(errno));
        return false;
    }
    seekable_ = ::lseek(fd_, 0, SEEK_CUR) >= 0;
    const auto h = header(sampleRate, seekable_ ? 0 : largestData);
    if (!writeAll(h.data(), headerSize)) {
        *error = QStringLiteral("cannot write the WAV file %1: %2").arg(path, strerror(errno));
        return false;
    }
    return true;
}

bool WavWriter::writeAll(const char* bytes, qsizetype size) {
    qsizetype done = 0;
    while (done < size) {
        const ssize_t n = ::write(fd_, bytes + done, static_cast<size_t>(size - done));
        if (n > 0)
            done += n;
        else if (n < 0 && errno != EINTR)
            return false;
    }
    return true;
}

void WavWriter::updateSizes() {
    std::array<char, 4> riff{};
    std::array<char, 4> data{};
    putLittle(riff.data(), static_cast<quint32>(36 + dataBytes_), 4);
    putLittle(data.data(), static_cast<quint32>(dataBytes_), 4);
    [[maybe_unused]] const ssize_t a = ::pwrite(fd_, riff.data(), 4, 4);
    [[maybe_unused]] const ssize_t b = ::pwrite(fd_, data.data(), 4, 40);
}

bool WavWriter::append(const qint16* samples, qsizetype count) {
    const auto bytes = static_cast<quint64>(count) * 2;
    if (fd_ < 0 || dataBytes_ + bytes > largestData)
        return false;
    // WAV samples are little-endian, as this machine's are.
    if (!writeAll(reinterpret_cast<const char*>(samples), static_cast<qsizetype>(bytes)))
        return false;
    dataBytes_ += bytes;
    if (seekable_)
        updateSizes();
    return true;
}

} // namespace zor::sim
