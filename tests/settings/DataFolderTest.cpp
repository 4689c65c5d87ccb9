#include "SettingsFolder.h"
#include "settings/DataFolder.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace zor {
namespace {

TEST(DataFolder, OneSeparatorBeforeDatenWhateverTheProgramFolderLooksLike)
{
    EXPECT_EQ(DataFolder::besideProgram("/opt/zor").path(), "/opt/zor/Daten");
    EXPECT_EQ(DataFolder::besideProgram("/opt/zor/").path(), "/opt/zor/Daten");
    EXPECT_EQ(DataFolder::besideProgram("/").path(), "/Daten");
    EXPECT_EQ(DataFolder::besideProgram("/opt/zor").file(kGeneralFile), "/opt/zor/Daten/RDS_Allg.INI");
    EXPECT_EQ(DataFolder("/opt/zor/Daten/").file(kSerialFile), "/opt/zor/Daten/Rs232.ini");
}

// A program folder, a user data home and a defaults folder, all real.
class DataFolderRule : public test::SettingsFolder {
protected:
    void putDefaults() const
    {
        put("defaults/RDS_Allg.INI", "[Sprache]\r\nSprache=deutsch\r\n");
        put("defaults/Rs232.ini", "[38xx]\r\nComPort=1\r\n");
        put("defaults/Logo.png", "picture");
        put("defaults/extra/Notes.txt", "below a subfolder");
    }
};

TEST_F(DataFolderRule, TheOptionWinsThenDatenBesideTheProgramThenThePerUserFolder)
{
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

TEST_F(DataFolderRule, WithoutAUserDataHomeTheMissingFolderBesideTheProgramIsReported)
{
    const DataFolderChoice choice = chooseDataFolder({}, path("bin"), {});
    EXPECT_EQ(choice.source, DataFolderSource::BesideProgram);
    EXPECT_EQ(choice.path, path("bin/Daten"));

    const PreparedDataFolder prepared = prepareDataFolder({}, path("bin"), {}, path("defaults"));
    EXPECT_EQ(prepared.folder.path(), path("bin/Daten"));
    EXPECT_TRUE(prepared.problem.contains(path("bin/Daten"))) << qPrintable(prepared.problem);
    EXPECT_FALSE(QFileInfo::exists(path("bin/Daten")));
}

TEST_F(DataFolderRule, InstalledDefaultsLieInShareBesideBin)
{
    EXPECT_EQ(installedDefaults("/usr/bin"), "/usr/share/zor-rds/Daten");
    EXPECT_EQ(installedDefaults("/opt/zor/bin/"), "/opt/zor/share/zor-rds/Daten");
}

TEST_F(DataFolderRule, UserDataHomeFollowsXdgDataHome)
{
    const QByteArray before = qgetenv("XDG_DATA_HOME");
    qputenv("XDG_DATA_HOME", QFile::encodeName(path("xdg")));
    EXPECT_EQ(userDataHome(), path("xdg"));
    if (before.isEmpty())
        qunsetenv("XDG_DATA_HOME");
    else
        qputenv("XDG_DATA_HOME", before);
}

TEST_F(DataFolderRule, CopiesMissingFilesAndNeverTouchesExistingOnes)
{
    putDefaults();
    put("user/Rs232.ini", "[38xx]\r\nComPort=3\r\nPort3=/dev/ttyUSB0\r\n");

    const CopyResult first = copyMissingFiles(path("defaults"), path("user"));
    EXPECT_TRUE(first.problems.isEmpty()) << qPrintable(first.problems.join('\n'));
    EXPECT_EQ(first.copied, QStringList({"Logo.png", "RDS_Allg.INI", "extra/Notes.txt"}));
    EXPECT_EQ(bytesOf("user/RDS_Allg.INI"), bytesOf("defaults/RDS_Allg.INI"));
    EXPECT_EQ(bytesOf("user/extra/Notes.txt"), "below a subfolder");
    EXPECT_EQ(bytesOf("user/Rs232.ini"), "[38xx]\r\nComPort=3\r\nPort3=/dev/ttyUSB0\r\n");

    // The operator changes one file and deletes another; the next start
    // brings back only the deleted one.
    put("user/RDS_Allg.INI", "[Sprache]\r\nSprache=englisch\r\n");
    ASSERT_TRUE(QFile::remove(path("user/Logo.png")));
    const CopyResult second = copyMissingFiles(path("defaults"), path("user"));
    EXPECT_TRUE(second.problems.isEmpty());
    EXPECT_EQ(second.copied, QStringList({"Logo.png"}));
    EXPECT_EQ(bytesOf("user/RDS_Allg.INI"), "[Sprache]\r\nSprache=englisch\r\n");
    EXPECT_EQ(bytesOf("user/Logo.png"), "picture");

    EXPECT_TRUE(copyMissingFiles(path("defaults"), path("user")).copied.isEmpty());
}

TEST_F(DataFolderRule, ALinkTheOperatorPutInPlaceOfAFileIsKept)
{
    putDefaults();
    ASSERT_TRUE(QDir().mkpath(path("user")));
    ASSERT_TRUE(QFile::link(path("elsewhere/Rs232.ini"), path("user/Rs232.ini")));

    const CopyResult copy = copyMissingFiles(path("defaults"), path("user"));
    EXPECT_TRUE(copy.problems.isEmpty());
    EXPECT_FALSE(copy.copied.contains("Rs232.ini"));
    EXPECT_TRUE(QFileInfo(path("user/Rs232.ini")).isSymLink());
}

TEST_F(DataFolderRule, CopiesOfReadOnlyDefaultsCanBeWrittenByTheirOwner)
{
    putDefaults();
    ASSERT_TRUE(QFile::setPermissions(path("defaults/RDS_Allg.INI"),
                                      QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther));
    ASSERT_TRUE(copyMissingFiles(path("defaults"), path("user")).problems.isEmpty());
    EXPECT_TRUE(QFile::permissions(path("user/RDS_Allg.INI")) & QFile::WriteOwner);
}

TEST_F(DataFolderRule, MissingDefaultsLeaveAnEmptyFolderAndOneProblem)
{
    const CopyResult copy = copyMissingFiles(path("nowhere"), path("user"));
    EXPECT_TRUE(copy.copied.isEmpty());
    ASSERT_EQ(copy.problems.size(), 1);
    EXPECT_TRUE(copy.problems[0].contains(path("nowhere")));
    // The folder is there anyway, so the operator's changes can be stored.
    EXPECT_TRUE(QFileInfo(path("user")).isDir());
}

TEST_F(DataFolderRule, AFolderThatCannotBeCreatedIsReported)
{
    putDefaults();
    put("blocker", "a file where a folder should go");
    const CopyResult copy = copyMissingFiles(path("defaults"), path("blocker/zor-rds/Daten"));
    EXPECT_TRUE(copy.copied.isEmpty());
    ASSERT_EQ(copy.problems.size(), 1);
    EXPECT_TRUE(copy.problems[0].contains(path("blocker/zor-rds/Daten")));
}

TEST_F(DataFolderRule, OnlyThePerUserFolderIsCreatedAndFilled)
{
    putDefaults();
    const QString home = path("home");

    const PreparedDataFolder perUser = prepareDataFolder({}, path("bin"), home, path("defaults"));
    EXPECT_EQ(perUser.source, DataFolderSource::PerUser);
    EXPECT_TRUE(perUser.problem.isEmpty()) << qPrintable(perUser.problem);
    EXPECT_EQ(bytesOf("home/zor-rds/Daten/Rs232.ini"), bytesOf("defaults/Rs232.ini"));

    const PreparedDataFolder given = prepareDataFolder(path("given"), path("bin"), home,
                                                       path("defaults"));
    EXPECT_EQ(given.folder.path(), path("given"));
    EXPECT_TRUE(given.problem.isEmpty());
    EXPECT_FALSE(QFileInfo::exists(path("given")));

    const PreparedDataFolder noDefaults =
        prepareDataFolder({}, path("bin"), path("other"), path("nowhere"));
    EXPECT_EQ(noDefaults.folder.path(), path("other/zor-rds/Daten"));
    EXPECT_TRUE(noDefaults.problem.contains(path("other/zor-rds/Daten")));
    EXPECT_TRUE(noDefaults.problem.contains(path("nowhere")));
}

} // namespace
} // namespace zor
