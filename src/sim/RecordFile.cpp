#include "sim/RecordFile.h"

#include <QFile>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace zor::sim {

RecordFile::~RecordFile() {
    if (fd_ >= 0)
        ::close(fd_);
}

bool RecordFile::open(const QString& path, QString* error) {
    fd_ = ::open(QFile::encodeName(path).constData(), O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC,
                 0644);
    if (fd_ < 0 && error)
        *error = QStringLiteral("cannot open the record file %1: %2").arg(path, strerror(errno));
    return fd_ >= 0;
}

bool RecordFile::append(const QByteArray& bytes) {
    if (fd_ < 0)
        return true;
    qsizetype done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd_, bytes.constData() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        done += n;
    }
    return true;
}

} // namespace zor::sim
