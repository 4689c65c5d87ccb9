#include "settings/DataFolder.h"

#include <QDir>
#include <QFileInfo>

namespace zor {

namespace {

QString withoutTrailingSeparators(QString folder)
{
    while (folder.size() > 1 && folder.endsWith(u'/'))
        folder.chop(1);
    return folder;
}

QString joined(const QString& folder, const QString& name)
{
    if (folder.isEmpty())
        return name;
    return folder.endsWith(u'/') ? folder + name : folder + u'/' + name;
}

} // namespace

DataFolder::DataFolder(QString folder) : folder_(std::move(folder)) {}

DataFolder DataFolder::besideProgram(const QString& programFolder)
{
    return DataFolder(joined(withoutTrailingSeparators(programFolder), QStringLiteral("Daten")));
}

QString DataFolder::file(const QString& name) const
{
    return joined(folder_, name);
}

QString fileIgnoringCase(const QString& path)
{
    const QFileInfo info(path);
    if (info.exists())
        return path;
    const QDir folder = info.dir();
    const QString name = info.fileName();
    const QStringList candidates =
        folder.entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name);
    for (const QString& candidate : candidates) {
        if (candidate.compare(name, Qt::CaseInsensitive) == 0)
            return folder.filePath(candidate);
    }
    return path;
}

} // namespace zor
