#include "settings/DataFolder.h"
#include "support/TestDataFolder.h"

namespace zor {
namespace {

// File names join with one separator, whatever the folder names end with.
TEST(DataFolder, PathsJoinWithOneSeparator) {
    EXPECT_EQ(DataFolder::besideProgram("/opt/zor").path(), "/opt/zor/Daten");
    EXPECT_EQ(DataFolder::besideProgram("/opt/zor/").path(), "/opt/zor/Daten");
    EXPECT_EQ(DataFolder::besideProgram("/").path(), "/Daten");
    EXPECT_EQ(DataFolder::besideProgram("/opt/zor").file(kGeneralFile),
              "/opt/zor/Daten/RDS_Allg.INI");
    EXPECT_EQ(DataFolder("/opt/zor/Daten/").file(kSerialFile), "/opt/zor/Daten/Rs232.ini");
    EXPECT_EQ(installedDefaults("/opt/zor/bin/"), "/opt/zor/share/zor-rds/Daten");
}

// A program folder, a user data home and a defaults folder, all real.
class DataFolderRule : public ::testing::Test, public test::TestDataFolder {
protected:
    void putDefaults() const {
        put("defaults/RDS_Allg.INI", "[Sprache]\r\nSprache=deutsch\r\n");
        put("defaults/Rs232.ini", "[38xx]\r\nComPort=1\r\n");
        put("defaults/Logo.png", "picture");
        put("defaults/extra/Notes.txt", "below a subfolder");
    }
};

// The option wins, then a folder Daten beside the program, then the per-user
// folder.
TEST_F(DataFolderRule, TheOptionWinsThenDatenBesideTheProgramThenThePerUserFolder) {
    const QString program = path("bin");
    const QString home = path("home/.local/share");
    ASSERT_TRUE(QDir().mkpath(program));

    DataFolderChoice choice = chooseDataFolder({}, program, home);
    EXPECT_EQ(choice.source, DataFolderSource::PerUser);
    EXPECT_EQ(choice.path, home + "/zor-rds/Daten");
    EXPECT_EQ(chooseDataFolder({}, program, home + "/").path, home + "/zor-rds/Daten");

    // A file called Daten is no data folder.
    put("bin/Daten", "not a folder");
    EXPECT_EQ(chooseDataFolder({}, program, home).source, DataFolderSource::PerUser);
    ASSERT_TRUE(QFile::remove(path("bin/Daten")));

    ASSERT_TRUE(QDir().mkpath(path("bin/Daten")));
    choice = chooseDataFolder({}, program, home);
    EXPECT_EQ(choice.source, DataFolderSource::BesideProgram);
    EXPECT_EQ(choice.path, program + "/Daten");

    choice = chooseDataFolder(path("mine"), program, home);
    EXPECT_EQ(choice.source, DataFolderSource::Option);
    EXPECT_EQ(choice.path, path("mine"));
}

// Only the per-user folder is created and filled; without a user data home
// the missing folder beside the program is reported, and so is each of a
// folder that cannot be created and defaults that are missing.
TEST_F(DataFolderRule, OnlyThePerUserFolderIsCreatedAndWhatIsMissingIsReported) {
    putDefaults();
    const PreparedDataFolder noHome = prepareDataFolder({}, path("bin"), {}, path("defaults"));
    EXPECT_EQ(noHome.source, DataFolderSource::BesideProgram);
    EXPECT_EQ(noHome.folder.path(), path("bin/Daten"));
    EXPECT_TRUE(noHome.problem.contains(path("bin/Daten"))) << qPrintable(noHome.problem);
    EXPECT_FALSE(QFileInfo::exists(path("bin/Daten")));

    const PreparedDataFolder given =
        prepareDataFolder(path("given"), path("bin"), path("home"), path("defaults"));
    EXPECT_EQ(given.folder.path(), path("given"));
    EXPECT_TRUE(given.problem.isEmpty());
    EXPECT_FALSE(QFileInfo::exists(path("given")));

    const PreparedDataFolder noDefaults =
        prepareDataFolder({}, path("bin"), path("other"), path("nowhere"));
    EXPECT_EQ(noDefaults.folder.path(), path("other/zor-rds/Daten"));
    EXPECT_TRUE(noDefaults.problem.contains(path("other/zor-rds/Daten")));
    EXPECT_TRUE(noDefaults.problem.contains(path("nowhere")));
    // The folder is there anyway, so the operator's changes can be stored.
    EXPECT_TRUE(QFileInfo(path("other/zor-rds/Daten")).isDir());

    put("blocker", "a file where a folder should go");
    const CopyResult blocked = copyMissingFiles(path("defaults"), path("blocker/zor-rds/Daten"));
    EXPECT_TRUE(blocked.copied.isEmpty());
    ASSERT_EQ(blocked.problems.size(), 1);
    EXPECT_TRUE(blocked.problems[0].contains(path("blocker/zor-rds/Daten")));
}

// Missing files are copied, subfolders included; what the operator has is
// never touched, be it a file or a link in its place, and copies of
// read-only defaults can be written by their owner.
TEST_F(DataFolderRule, CopiesMissingFilesAndNeverTouchesWhatIsThere) {
    putDefaults();
    ASSERT_TRUE(QFile::setPermissions(path("defaults/RDS_Allg.INI"),
                                      QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther));
    put("user/Logo.png", "the operator's");
    ASSERT_TRUE(QFile::link(path("elsewhere/Rs232.ini"), path("user/Rs232.ini")));

    const CopyResult first = copyMissingFiles(path("defaults"), path("user"));
    EXPECT_TRUE(first.problems.isEmpty()) << qPrintable(first.problems.join('\n'));
    EXPECT_EQ(first.copied, QStringList({"RDS_Allg.INI", "extra/Notes.txt"}));
    EXPECT_EQ(bytes("user/RDS_Allg.INI"), bytes("defaults/RDS_Allg.INI"));
    EXPECT_TRUE(QFile::permissions(path("user/RDS_Allg.INI")) & QFile::WriteOwner);
    EXPECT_EQ(bytes("user/extra/Notes.txt"), "below a subfolder");
    EXPECT_EQ(bytes("user/Logo.png"), "the operator's");
    EXPECT_TRUE(QFileInfo(path("user/Rs232.ini")).isSymLink());
    EXPECT_TRUE(copyMissingFiles(path("defaults"), path("user")).copied.isEmpty());
}

} // namespace
} // namespace zor
