#include "settings/DataFolder.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

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

QString native(const QString& path)
{
    return QDir::toNativeSeparators(path);
}

// A dangling link counts as present too: it is the operator's, not ours.
bool present(const QString& path)
{
    const QFileInfo info(path);
    return info.exists() || info.isSymLink();
}

// Installed defaults are usually read-only; the operator's copy must not be.
void makeOwnerWritable(const QString& path)
{
    QFile::setPermissions(path, QFile::permissions(path) | QFile::ReadOwner | QFile::WriteOwner);
}

// Copies one file, or says why not. Another start of the program may have
// placed the same file a moment earlier; that is no failure.
QString copyOne(const QString& source, const QString& target)
{
    if (!QDir().mkpath(QFileInfo(target).absolutePath()))
        return QStringLiteral("The folder %1 cannot be created.")
            .arg(native(QFileInfo(target).absolutePath()));
    QFile file(source);
    if (file.copy(target)) {
        makeOwnerWritable(target);
        return {};
    }
    if (present(target))
        return {};
    return QStringLiteral("%1 cannot be copied to %2: %3.")
        .arg(native(source), native(target), file.errorString());
}

QString perUserFolder(const QString& userDataHome)
{
    return joined(withoutTrailingSeparators(userDataHome), QStringLiteral("zor-rds/Daten"));
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

DataFolderChoice chooseDataFolder(const QString& dataDirOption, const QString& programFolder,
                                  const QString& userDataHome)
{
    if (!dataDirOption.isEmpty())
        return {dataDirOption, DataFolderSource::Option};
    const QString beside = DataFolder::besideProgram(programFolder).path();
    if (QFileInfo(beside).isDir() || userDataHome.isEmpty())
        return {beside, DataFolderSource::BesideProgram};
    return {perUserFolder(userDataHome), DataFolderSource::PerUser};
}

QString userDataHome()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
}

QString installedDefaults(const QString& programFolder)
{
    return QDir::cleanPath(joined(programFolder, QStringLiteral("../share/zor-rds/Daten")));
}

CopyResult copyMissingFiles(const QString& from, const QString& to)
{
    CopyResult result;
    if (!QDir().mkpath(to)) {
        result.problems << QStringLiteral("The data folder %1 cannot be created.").arg(native(to));
        return result;
    }
    if (!QFileInfo(from).isDir()) {
        result.problems << QStringLiteral("The default data files were not found: %1 does not exist.")
                               .arg(native(from));
        return result;
    }
    const QDir source(from);
    QDirIterator files(from, QDir::Files | QDir::Hidden | QDir::System,
                       QDirIterator::Subdirectories);
    QStringList names;
    while (files.hasNext())
        names << source.relativeFilePath(files.next());
    names.sort();
    for (const QString& name : names) {
        const QString target = joined(to, name);
        if (present(target))
            continue;
        const QString problem = copyOne(source.filePath(name), target);
        if (problem.isEmpty())
            result.copied << name;
        else
            result.problems << problem;
    }
    return result;
}

QString dataFolderRuleText()
{
    return QStringLiteral(
        "Data folder: the one --data-dir names; else \"Daten\" beside the program\n"
        "file when that folder exists; else the per-user folder\n"
        "$XDG_DATA_HOME/zor-rds/Daten (~/.local/share/zor-rds/Daten when\n"
        "XDG_DATA_HOME is not set; %LOCALAPPDATA%\\zor-rds\\Daten on Windows). The\n"
        "per-user folder is created when missing, and at every start each file of\n"
        "the installed defaults that it lacks is copied into it; files already\n"
        "there are never overwritten. The defaults of a program in PREFIX/bin\n"
        "are in PREFIX/share/zor-rds/Daten (/usr/share/zor-rds/Daten from the\n"
        "package).\n");
}

PreparedDataFolder prepareDataFolder(const QString& dataDirOption, const QString& programFolder,
                                     const QString& userDataHome, const QString& defaultsFolder)
{
    const DataFolderChoice choice = chooseDataFolder(dataDirOption, programFolder, userDataHome);
    PreparedDataFolder prepared{DataFolder(choice.path), choice.source, {}};
    if (choice.source == DataFolderSource::BesideProgram && !QFileInfo(choice.path).isDir()) {
        prepared.problem = QStringLiteral("There is no data folder: %1 does not exist and the "
                                          "system names no per-user data folder.")
                               .arg(native(choice.path));
    } else if (choice.source == DataFolderSource::PerUser) {
        const CopyResult copy = copyMissingFiles(defaultsFolder, choice.path);
        if (!copy.problems.isEmpty())
            prepared.problem = QStringLiteral("The data folder %1 could not be filled with the "
                                              "program's default settings.\n")
                                   .arg(native(choice.path))
                             + copy.problems.join(QLatin1Char('\n'));
    }
    return prepared;
}

} // namespace zor
