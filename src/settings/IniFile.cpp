#include "settings/IniFile.h"

#include "settings/DataFolder.h"
#include "settings/IniText.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <optional>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <unistd.h>
#endif

namespace zor {

namespace {

std::optional<QByteArray> readWhole(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return std::nullopt;
    return bytes;
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
    const QString file = fileIgnoringCase(path);
    if (!QFileInfo(file).isFile())
        return {};
    const auto bytes = readWhole(file);
    return bytes ? IniText::fromBytes(*bytes).value(section, key) : QString();
}

bool Ini_Schreiben(const QString& section, const QString& key, const QString& value,
                   const QString& path)
{
    const QString file = fileIgnoringCase(path);
    IniText ini;
    QByteArray before;
    if (QFileInfo::exists(file)) {
        // A file that exists but cannot be read must not be replaced by one
        // that holds only this key.
        const auto bytes = readWhole(file);
        if (!bytes)
            return false;
        before = *bytes;
        ini = IniText::fromBytes(before);
    }
    if (!ini.setValue(section, key, value))
        return false;
    const QByteArray after = ini.toBytes();
    // Writing back the value a key already holds (as the start-up restore
    // does for every setting) leaves the file alone: no disk wait, no risk.
    if (!before.isNull() && after == before)
        return true;
    return replaceFile(file, after);
}

} // namespace zor
