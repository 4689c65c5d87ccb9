// The window program's start-up over broken data folders: each problem told once
// by the file's name, and no file it could not read as settings ever changed.
#include "StartFixture.h"
#include "support/FilePermissions.h"
#include "panel/StereoPage.h"
#include "rds/RdsPage.h"
#include "settings/SerialSettings.h"

#include <QAction>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTabWidget>
#include <algorithm>
#include <random>

namespace zor {
namespace {

// Damage as a disk or a wrong copy does it to a bundled file.
struct Damage {
    const char* name;
    QByteArray (*done)(QByteArray bytes);
};
const Damage kDamages[] = {
    {"NulByte", [](QByteArray bytes) { return bytes.insert(bytes.size() / 2, '\0'); }},
    {"RandomBytes",
     [](QByteArray bytes) {
         std::mt19937 random(4711);
         bytes = QByteArray(64 * 1024, '\0');
         std::generate(bytes.begin(), bytes.end(), [&] { return char(random() & 0xFF); });
         return bytes;
     }},
    {"EndlessLine", [](QByteArray bytes) { return bytes + QByteArray(10 * 1024 * 1024, 'A'); }},
};

class BrokenDataFolderTest : public test::StartTest {
protected:
    QStringList naming(const QString& text) const { return messages.warnings.filter(text); }
    std::string all() const { return messages.warnings.join("\n--\n").toStdString(); }

    // Settings stored into each of the three files by the window's handlers.
    void changeSettingsOfEveryFile() {
        window().SSTab1()->setEnabled(true);
        window().Mnu_Info_Interface_IEC()->trigger();
        window().Mnu_Info_Interface_COM()->trigger();
        QScrollBar* deviation = window().stereoPage()->FM_Hub_Scroll();
        deviation->setValue(deviation->value() == 7000 ? 6000 : 7000);
        window().rdsPage()->PS_T()->setText(QStringLiteral("NEU PS"));
        window().rdsPage()->PS_Taste()->click();
        start().instrument().serialSettings().writeAll();
    }
};

class BrokenSettingsFileTest
    : public BrokenDataFolderTest,
      public ::testing::WithParamInterface<std::tuple<const char*, Damage>> {};

TEST_P(BrokenSettingsFileTest, IsToldOnceAndNeverRewritten) {
    const auto [name, damage] = GetParam();
    folder.copyBundled();
    const QByteArray bytes = damage.done(folder.bytes(QLatin1String(name)));
    folder.put(QLatin1String(name), bytes);

    startUp();
    EXPECT_FALSE(window().SSTab1()->isEnabled());
    ASSERT_EQ(messages.warnings.size(), 1) << all();
    EXPECT_EQ(naming(folder.path(QLatin1String(name))).size(), 1) << all();

    // After the start-up a setting changed by hand that cannot be stored is
    // told; the other files go on storing.
    messages.warnings.clear();
    changeSettingsOfEveryFile();
    EXPECT_EQ(folder.bytes(QLatin1String(name)), bytes);
    if (name == QLatin1String(kGeneralFile)) {
        EXPECT_FALSE(naming(folder.path(QLatin1String(name))).isEmpty()) << all();
    }
    if (name != QLatin1String(kDataSetFile)) {
        EXPECT_EQ(folder.read(kDataSetFile, "RDS", "PS"), QStringLiteral("NEU PS"));
    }
    if (name != QLatin1String(kGeneralFile)) {
        EXPECT_EQ(folder.read(kGeneralFile, "BUS", "Interface"), QStringLiteral("COM"));
    }

    messages.warnings.clear();
    startUp();
    EXPECT_EQ(naming(folder.path(QLatin1String(name))).size(), 1) << all();
    EXPECT_EQ(folder.bytes(QLatin1String(name)), bytes);
}

INSTANTIATE_TEST_SUITE_P(
    EveryFileEveryDamage, BrokenSettingsFileTest,
    ::testing::Combine(::testing::Values(kGeneralFile, kDataSetFile, kSerialFile),
                       ::testing::ValuesIn(kDamages)),
    [](const auto& info) {
        const std::string file = std::get<0>(info.param);
        return file.substr(0, file.find('.')) + std::get<1>(info.param).name;
    });

// A binary language file is told once, by the caption loader, at every
// language change too, and left as it is.
TEST_F(BrokenDataFolderTest, ABinaryLanguageFileIsToldOnceAndKeptAsItIs) {
    folder.copyBundled();
    const QByteArray bytes = kDamages[1].done(folder.bytes(kLanguageFile));
    folder.put(QLatin1String(kLanguageFile), bytes);
    startUp();
    window().Mnu_Info_Sprache_E()->trigger();
    window().Mnu_Info_Sprache_D()->trigger();
    ASSERT_EQ(messages.warnings.size(), 1) << all();
    EXPECT_EQ(naming(folder.path(kLanguageFile)).size(), 1);
    EXPECT_EQ(window().Ende_Taste()->text(), QStringLiteral("&Ende"));
    EXPECT_EQ(folder.bytes(kLanguageFile), bytes);
}

// A missing folder is told once: neither the restore's settings nor the
// catalogues nor the language that cannot be found there are told again.
TEST_F(BrokenDataFolderTest, AMissingFolderIsToldOnceAndNotCreated) {
    // A folder below a regular file can never be created, not even by root.
    folder.put(QStringLiteral("plain"), "not a folder");
    for (const QString& missing : {folder.path("nowhere"), folder.path("plain/Daten")}) {
        messages.warnings.clear();
        startUp(DataFolder(missing));
        ASSERT_EQ(messages.warnings.size(), 1) << all();
        EXPECT_EQ(naming(missing).size(), 1);
        changeSettingsOfEveryFile();
        EXPECT_FALSE(QFileInfo::exists(missing));
    }
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
              QStringList{QStringLiteral("plain")});
}

// Of a read-only folder the restore's settings are not told; a missing
// language file in it is another problem and is told with it.
TEST_F(BrokenDataFolderTest, AReadOnlyFolderIsToldOnceAndKeptAsItIs) {
    folder.copyBundled();
    setGeneral("FM", "MPX_DEV", QString());
    folder.write(kDataSetFile, "RDS", "MS", QString());
    ASSERT_TRUE(QFile::remove(folder.path(kLanguageFile)));
    const QByteArray before = folder.bytes(kGeneralFile);
    ASSERT_TRUE(test::bindFilePermissions());
    ASSERT_TRUE(QFile::setPermissions(folder.path(), QFile::ReadOwner | QFile::ExeOwner));
    startUp();
    const QStringList atStart = messages.warnings;
    changeSettingsOfEveryFile();
    ASSERT_TRUE(QFile::setPermissions(folder.path(),
                                      QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
    ASSERT_EQ(atStart.size(), 1) << atStart.join('\n').toStdString();
    EXPECT_TRUE(atStart.front().contains(QStringLiteral("schreibgeschützt")));
    EXPECT_TRUE(atStart.front().contains(folder.path(kLanguageFile)));
    EXPECT_EQ(folder.bytes(kGeneralFile), before);
}

} // namespace
} // namespace zor
