#include "settings/SettingsStore.h"

#include "support/RecordingOperator.h"
#include "support/TestDataFolder.h"

namespace zor {
namespace {

// The one rule for settings that cannot be stored: told once per file, and
// again after a write to that file has worked; never for the restore's
// write-backs, nor, during the start-up, for a file the start-up has told of.
class SettingsStoreTest : public ::testing::Test {
protected:
    bool write(const char* file, const char* key) {
        return store.write(file, "RDS", key, QStringLiteral("1"));
    }
    QStringList told() { return std::exchange(messages.warnings, {}); }

    test::TestDataFolder folder;
    test::RecordingOperator messages;
    SettingsStore store{folder.data(), messages};
};

TEST_F(SettingsStoreTest, AFileThatCannotBeWrittenIsToldOncePerFileUntilAWriteWorks) {
    folder.block(kDataSetFile);
    EXPECT_FALSE(write(kDataSetFile, "PS"));
    EXPECT_FALSE(write(kDataSetFile, "PI"));
    EXPECT_TRUE(write(kGeneralFile, "TA_ON"));
    EXPECT_EQ(told(), QStringList{"Fehler! | Die Einstellung PS konnte nicht in \"" +
                                  folder.path(kDataSetFile) + "\" gespeichert werden."});
    QDir(folder.path()).rmdir(QLatin1String(kDataSetFile));
    EXPECT_TRUE(write(kDataSetFile, "PI"));
    folder.put(kDataSetFile, QByteArray("[RDS]\nPI=\0", 10));
    EXPECT_FALSE(write(kDataSetFile, "MS"));
    EXPECT_EQ(told().size(), 1);
}

TEST_F(SettingsStoreTest, RestoreWriteBacksAndWhatTheStartUpToldAreNotToldAgain) {
    folder.block(kGeneralFile);
    folder.block(kDataSetFile);
    {
        const SettingsStore::Restoring quiet(store);
        write(kGeneralFile, "MPX_DEV");
    }
    store.startUpToldFile(kDataSetFile);
    EXPECT_TRUE(store.toldAtStartUp("datenset1.ini"));
    EXPECT_FALSE(store.toldAtStartUp(kLanguageFile));
    write(kDataSetFile, "PTY");
    EXPECT_TRUE(told().isEmpty());
    store.startUpToldMissingFolder();
    EXPECT_TRUE(store.toldAtStartUp(kEventFile));
    store.startUpDone();
    EXPECT_FALSE(store.toldAtStartUp(kDataSetFile));
    write(kGeneralFile, "MPX_DEV");
    write(kDataSetFile, "PTY");
    EXPECT_EQ(told().size(), 2);
}

} // namespace
} // namespace zor
