#include "settings/IniFile.h"

#include "settings/DataFolder.h"
#include "settings/FileEntry.h"
#include "settings/IniText.h"
#include "settings/SettingsLock.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <utility>

#if defined(Q_OS_UNIX)
#include <cerrno>
#include <fcntl.h>
#include <unistd.h>
#elif defined(Q_OS_WIN)
#include <io.h>
#endif

namespace zor {

namespace {

constexpr qsizetype kTemporarySuffixLength = 6;

bool isTemporarySuffix(QStringView suffix)
{
    if (suffix.size() != kTemporarySuffixLength)
        return false;
    for (const QChar c : suffix) {
        if (!((c >= u'0' && c <= u'9') || (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z')))
            return false;
    }
    return true;
}

// Leftovers of killed writes of the file at `path`, see kLeftoverAgeSeconds.
void removeOldLeftovers(const QString& path)
{
    const QFileInfo file(path);
    const QString prefix = file.fileName() + u'.';
    const QDateTime before = QDateTime::currentDateTimeUtc().addSecs(-kLeftoverAgeSeconds);
    const QFileInfoList entries =
        file.dir().entryInfoList(QDir::Files | QDir::Hidden | QDir::System);
    for (const QFileInfo& entry : entries) {
        const QString name = entry.fileName();
        if (name.startsWith(prefix, Qt::CaseInsensitive) &&
            isTemporarySuffix(QStringView(name).sliced(prefix.size())) &&
            entry.lastModified() < before)
            QFile::remove(entry.filePath());
    }
}

// The rename that replaced the file is only certain to survive a power cut
// once the folder itself is on disk.
void syncFolderOf(const QString& path)
{
#ifdef Q_OS_UNIX
    const QByteArray folder = QFile::encodeName(QFileInfo(path).absolutePath());
    const int fd = ::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
#else
    Q_UNUSED(path);
#endif
}

// A file system that cannot flush a file at all (EINVAL) has nothing more to
// flush; any other failure means the content may not be on disk.
QString flushToDisk(QSaveFile& file)
{
#if defined(Q_OS_UNIX)
    if (::fsync(file.handle()) != 0 && errno != EINVAL)
        return qt_error_string(errno);
#elif defined(Q_OS_WIN)
    if (::_commit(file.handle()) != 0)
        return qt_error_string(errno);
#endif
    return {};
}

// Writes the new file beside the old one, flushes it to disk and renames it
// over the old one, so a crash leaves either the old or the new file. The
// file is unbuffered so that every write reports its own failure: a full
// disk or a file-size limit must stop the rename, and QSaveFile's commit
// would not hear of a failure in writing out its buffer. Unless the rename
// happens, the unfinished file goes with `file`.
QString replaceFile(const QString& path, const QByteArray& bytes)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return file.errorString();
    const qint64 written = file.write(bytes);
    if (written != bytes.size()) {
        if (written < 0 || file.error() != QFileDevice::NoError)
            return file.errorString();
        return QStringLiteral("only %1 of %2 bytes could be written").arg(written).arg(bytes.size());
    }
    if (const QString problem = flushToDisk(file); !problem.isEmpty())
        return problem;
    if (!file.commit())
        return file.errorString();
    syncFolderOf(path);
    return {};
}

// The content of the file at `path` with `key` set, or why it must not be
// written.
struct NewContent {
    QByteArray bytes;
    QString problem;
    bool unchanged = false;
};

QString refusalOf(const QString& path, SettingsFileState state)
{
    if (state == SettingsFileState::Unparseable)
        return QStringLiteral("it is not a settings file (binary data or an overlong line); "
                              "it was left as it is");
    const FileEntry entry(path);
    if (entry.isSpecial() && entry.kind() != FileEntry::Kind::Unreachable)
        return QStringLiteral("in its place there is %1; it was left as it is")
            .arg(entry.englishName());
    return QStringLiteral("it cannot be read");
}

NewContent newContent(const QString& path, const QString& section, const QString& key,
                      const QString& value)
{
    const SettingsBytes before = SettingsBytes::read(path);
    // A file that cannot be read, or is no settings file, must not be
    // replaced by one that holds only this key.
    if (before.state == SettingsFileState::Unreadable ||
        before.state == SettingsFileState::Unparseable)
        return {{}, refusalOf(path, before.state)};
    const bool existed = before.state == SettingsFileState::Usable;
    IniText ini = existed ? IniText::fromBytes(before.bytes) : IniText();
    if (!ini.setValue(section, key, value))
        return {{}, QStringLiteral("the section or key name cannot be stored")};
    QByteArray after = ini.toBytes();
    const bool unchanged = existed && after == before.bytes;
    return {std::move(after), {}, unchanged};
}

QString lockProblem(const SettingsLock& lock)
{
    if (lock.state() == SettingsLock::State::Busy)
        return QStringLiteral("another program kept the file locked for more than %1 seconds")
            .arg(kSettingsLockWaitMs / 1000);
    return QStringLiteral("it cannot be opened for writing: %1").arg(lock.errorText());
}

} // namespace

QString Ini_Lesen(const QString& section, const QString& key, const QString& path)
{
    const SettingsBytes file = SettingsBytes::read(fileIgnoringCase(path));
    if (file.state != SettingsFileState::Usable)
        return {};
    return IniText::fromBytes(file.bytes).value(section, key);
}

bool Ini_Schreiben(const QString& section, const QString& key, const QString& value,
                   const QString& path)
{
    return iniWriteProblem(section, key, value, path).isEmpty();
}

// Writing back the value a key already holds (as the start-up restore does
// for every setting) needs neither the lock nor the disk. Any other write
// reads the file again once it holds the lock, since another writer may have
// replaced it in between. A file system without locks is written as before.
QString iniWriteProblem(const QString& section, const QString& key, const QString& value,
                        const QString& path)
{
    const QString file = fileIgnoringCase(path);
    const NewContent unlocked = newContent(file, section, key, value);
    if (!unlocked.problem.isEmpty() || unlocked.unchanged)
        return unlocked.problem;
    const SettingsLock lock(file);
    if (lock.state() == SettingsLock::State::Busy || lock.state() == SettingsLock::State::Failed)
        return lockProblem(lock);
    const NewContent locked = newContent(file, section, key, value);
    if (!locked.problem.isEmpty() || locked.unchanged)
        return locked.problem;
    if (QString problem = replaceFile(file, locked.bytes); !problem.isEmpty())
        return problem;
    removeOldLeftovers(file);
    return {};
}

SettingsFileState iniFileState(const QString& path)
{
    return SettingsBytes::read(fileIgnoringCase(path)).state;
}

} // namespace zor
