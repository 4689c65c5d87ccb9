#include "settings/SettingsLock.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QFileInfo>
#include <QThread>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#else
#include <QLockFile>
#endif

namespace zor {

namespace {

constexpr int kRetryMs = 1;

#ifdef Q_OS_UNIX
bool sameEntry(const struct stat& a, const struct stat& b)
{
    return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

// Whether `path` still leads to what `fd` holds open; a missing file is
// "held" by a lock on its folder only while it is still missing.
bool stillLeadsTo(const QByteArray& path, int fd, bool folder)
{
    struct stat now {};
    if (::stat(path.constData(), &now) != 0)
        return folder && errno == ENOENT;
    struct stat held {};
    return !folder && ::fstat(fd, &held) == 0 && sameEntry(now, held);
}
#endif

} // namespace

SettingsLock::SettingsLock(const QString& path) : path_(path)
{
    const QDeadlineTimer deadline(kSettingsLockWaitMs);
    for (;;) {
        state_ = tryOnce();
        if (state_ != State::Busy || deadline.hasExpired())
            return;
        QThread::msleep(kRetryMs);
    }
}

SettingsLock::~SettingsLock()
{
    release();
}

#ifdef Q_OS_UNIX
// The lock sits on the file's inode, but a write replaces the file by a new
// one: a writer that waited for the old inode would hold nothing. So the lock
// counts only once the name still leads to the locked file.
SettingsLock::State SettingsLock::tryOnce()
{
    const QByteArray name = QFile::encodeName(path_);
    bool folder = false;
    fd_ = ::open(name.constData(), O_RDWR | O_NONBLOCK | O_CLOEXEC);
    if (fd_ < 0 && errno == ENOENT) {
        folder = true;
        fd_ = ::open(QFile::encodeName(QFileInfo(path_).absolutePath()).constData(),
                     O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    }
    if (fd_ < 0) {
        error_ = qt_error_string(errno);
        return State::Failed;
    }
    struct stat opened {};
    if (::fstat(fd_, &opened) != 0 || (!folder && !S_ISREG(opened.st_mode))) {
        error_ = QStringLiteral("not a regular file");
        release();
        return State::Failed;
    }
    if (::flock(fd_, LOCK_EX | LOCK_NB) != 0) {
        const int error = errno;
        error_ = qt_error_string(error);
        release();
        return error == EWOULDBLOCK || error == EINTR ? State::Busy : State::Unsupported;
    }
    if (stillLeadsTo(name, fd_, folder))
        return State::Held;
    release();
    return State::Busy;
}

void SettingsLock::release()
{
    if (fd_ >= 0)
        ::close(fd_);
    fd_ = -1;
}
#else
// No lock time limit: a writer that holds the lock for long is still alive
// and still writing.
SettingsLock::State SettingsLock::tryOnce()
{
    lockFile_ = std::make_unique<QLockFile>(path_ + QStringLiteral(".lock"));
    lockFile_->setStaleLockTime(0);
    if (lockFile_->tryLock(0))
        return State::Held;
    const QLockFile::LockError error = lockFile_->error();
    lockFile_.reset();
    if (error == QLockFile::LockFailedError)
        return State::Busy;
    error_ = QStringLiteral("the lock file %1.lock cannot be made").arg(path_);
    return State::Failed;
}

void SettingsLock::release()
{
    lockFile_.reset();
}
#endif

} // namespace zor
