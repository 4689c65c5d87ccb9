#pragma once

#include <QString>
#include <QStringList>

namespace zor {

// Names of the files in the data folder, spelled as the program writes them.
inline constexpr auto kGeneralFile = "RDS_Allg.INI";
inline constexpr auto kDataSetFile = "Datenset1.INI";
inline constexpr auto kSerialFile = "Rs232.ini";
inline constexpr auto kLanguageFile = "Sprachen.ini";
inline constexpr auto kLogFile = "RDS_Log.txt";
inline constexpr auto kEventFile = "Event.txt";
inline constexpr auto kLocationFile = "Location.txt";

// The data folder and the paths of its files.
class DataFolder {
public:
    explicit DataFolder(QString folder);

    // "Daten" beside the program file.
    static DataFolder besideProgram(const QString& programFolder);

    const QString& path() const { return folder_; }
    QString file(const QString& name) const;

private:
    QString folder_;
};

// The path of the file `path` names. The file names of the data folder are
// spelled with varying letter case, so when the exact spelling does not exist
// the folder is searched for a file whose name differs only in case (the first
// in name order when there are several); `path` itself when none exists.
QString fileIgnoringCase(const QString& path);

// Where the data folder of a run comes from.
enum class DataFolderSource {
    Option,        // --data-dir DIR
    BesideProgram, // "Daten" beside the program file
    PerUser,       // the per-user folder, filled from the installed defaults
};

struct DataFolderChoice {
    QString path;
    DataFolderSource source = DataFolderSource::Option;
};

// The data folder of a run: `dataDirOption` when given; else "Daten" beside
// the program when that folder exists; else "zor-rds/Daten" below
// `userDataHome`. With no user data home known, "Daten" beside the program
// stays the choice even though it is missing.
DataFolderChoice chooseDataFolder(const QString& dataDirOption, const QString& programFolder,
                                  const QString& userDataHome);

// The folder per-user data folders live below: the XDG data home on Linux
// ($XDG_DATA_HOME, else ~/.local/share), the local application data folder
// on Windows. Empty when the system knows none.
QString userDataHome();

// The data files an installed program brings along, relative to its program
// file: <prefix>/share/zor-rds/Daten for a program in <prefix>/bin.
QString installedDefaults(const QString& programFolder);

struct CopyResult {
    QStringList copied;   // names relative to the target folder
    QStringList problems; // one sentence each; empty when all went well
};

// Copies every file below `from` that `to` lacks, creating `to` and its
// subfolders as needed. A file that exists in `to` is never touched, so the
// operator's settings survive every start. A copy is writable by its owner
// even when the original is not.
CopyResult copyMissingFiles(const QString& from, const QString& to);

// The data folder of a run, ready for use, and what went wrong on the way
// (empty when nothing did). Only the per-user folder is created and filled;
// a folder named by option or found beside the program is used as it is.
struct PreparedDataFolder {
    DataFolder folder{QString()};
    DataFolderSource source = DataFolderSource::Option;
    QString problem;
};

// The rule above as the programs' help texts state it, ending in a line feed.
QString dataFolderRuleText();

PreparedDataFolder prepareDataFolder(const QString& dataDirOption, const QString& programFolder,
                                     const QString& userDataHome, const QString& defaultsFolder);

} // namespace zor
