#include "settings/IniFile.h"

#include "settings/DataFolder.h"
#include "settings/IniText.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <unistd.h>
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

// Writes the new file beside the old one, flushes it to disk and renames it
// over the old one, so a crash leaves either the old or the new file.
bool replaceFile(const QString& path, const QByteArray& bytes)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    if (file.write(bytes) != bytes.size())
        return false; // the unfinished file goes with `file`
    if (!file.commit())
        return false;
    syncFolderOf(path);
    return true;
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
    const QString file = fileIgnoringCase(path);
    const SettingsBytes before = SettingsBytes::read(file);
    // A file that cannot be read, or is no settings file, must not be
    // replaced by one that holds only this key.
    if (before.state == SettingsFileState::Unreadable ||
        before.state == SettingsFileState::Unparseable)
        return false;
    const bool existed = before.state == SettingsFileState::Usable;
    IniText ini = existed ? IniText::fromBytes(before.bytes) : IniText();
    if (!ini.setValue(section, key, value))
        return false;
    const QByteArray after = ini.toBytes();
    // Writing back the value a key already holds (as the start-up restore
    // does for every setting) leaves the file alone: no disk wait, no risk.
    if (existed && after == before.bytes)
        return true;
    if (!replaceFile(file, after))
        return false;
    removeOldLeftovers(file);
    return true;
}

SettingsFileState iniFileState(const QString& path)
{
    return SettingsBytes::read(fileIgnoringCase(path)).state;
}

} // namespace zor
