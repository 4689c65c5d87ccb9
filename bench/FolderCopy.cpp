#include "FolderCopy.h"

#include <QDir>
#include <QFile>

namespace zor {

bool copyFolderFiles(const QString& from, const QString& to) {
    const QDir source(from);
    if (!source.exists())
        return false;
    for (const QString& name : source.entryList(QDir::Files)) {
        if (!QFile::copy(source.filePath(name), QDir(to).filePath(name)))
            return false;
    }
    return true;
}

} // namespace zor
