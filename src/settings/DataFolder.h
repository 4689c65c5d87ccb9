#pragma once

#include <QString>

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

} // namespace zor
