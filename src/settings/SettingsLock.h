#pragma once

#include <QString>

#ifndef Q_OS_UNIX
#include <memory>

class QLockFile;
#endif

namespace zor {

// Keeps every other writer of one settings file waiting (in this program and
// in others: zor-rds-cli or a lab script beside the window) while it is held,
// so that a read-change-replace of the file never undoes another one's
// change. Held from construction, when it could be taken, to destruction.
//
// On Linux and other Unix systems it is the system's lock on the open file
// itself, or on its folder while the file does not exist yet; the system
// drops it whenever its holder ends, a crashed writer too, and it leaves no
// file behind. On Windows it is a lock file beside the settings file, which
// a later writer removes once the process that made it is gone.
class SettingsLock {
public:
    enum class State {
        Held,
        Busy,        // another writer kept it longer than kSettingsLockWaitMs
        Unsupported, // the file system has no locks (some network shares)
        Failed,      // the file or its folder could not be opened for the lock
    };

    explicit SettingsLock(const QString& path);
    ~SettingsLock();
    SettingsLock(const SettingsLock&) = delete;
    SettingsLock& operator=(const SettingsLock&) = delete;

    State state() const { return state_; }
    // The system's words for why the lock could not be taken.
    QString errorText() const { return error_; }

private:
    State tryOnce();
    void release();

    QString path_;
    State state_ = State::Failed;
    QString error_;
#ifdef Q_OS_UNIX
    int fd_ = -1;
#else
    std::unique_ptr<QLockFile> lockFile_;
#endif
};

// How long a writer waits for another one to finish its write. A write takes
// milliseconds; only a writer that hangs (a stopped process, a dead network
// share) holds the lock this long, and the waiting write then fails.
inline constexpr int kSettingsLockWaitMs = 5000;

} // namespace zor
