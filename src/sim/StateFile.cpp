#include "sim/StateFile.h"

#include <QFile>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace zor::sim {

namespace {

// Writes all of `text` to a new file; 0 or the errno of the failure.
int writeWhole(const QByteArray& path, const QByteArray& text) {
    const int fd = ::open(path.constData(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0)
        return errno;
    qsizetype done = 0;
    int failure = 0;
    while (done < text.size() && failure == 0) {
        const ssize_t n = ::write(fd, text.constData() + done, text.size() - done);
        if (n > 0)
            done += n;
        else if (n < 0 && errno != EINTR)
            failure = errno;
        else if (n == 0)
            failure = EIO;
    }
    ::close(fd);
    return failure;
}

} // namespace

bool StateFile::write(const QByteArray& text, QString* error) const {
    if (path_.isEmpty())
        return true;
    const QByteArray target = QFile::encodeName(path_);
    const QByteArray temporary = target + ".tmp";
    int failure = writeWhole(temporary, text);
    if (failure == 0 && std::rename(temporary.constData(), target.constData()) != 0)
        failure = errno;
    if (failure != 0 && error)
        *error = QStringLiteral("cannot write the state file %1: %2").arg(path_, strerror(failure));
    return failure == 0;
}

bool StateFile::read(QMap<QByteArray, QByteArray>* entries, QString* error) const {
    QFile file(path_);
    if (path_.isEmpty() || !file.exists())
        return true;
    if (!file.open(QIODevice::ReadOnly)) {
        *error = QStringLiteral("cannot read the state file %1: %2").arg(path_, file.errorString());
        return false;
    }
    for (const QByteArray& line : file.readAll().split('\n')) {
        const qsizetype equals = line.indexOf('=');
        if (equals > 0)
            entries->insert(line.left(equals), line.mid(equals + 1));
    }
    return true;
}

} // namespace zor::sim
