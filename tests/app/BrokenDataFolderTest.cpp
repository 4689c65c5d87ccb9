// The window program's start-up over data folders broken in the ways an
// operator's disk breaks them: it comes up, tells each problem once and by
// the file's name, and changes no file it could not read as settings, not
// even when the operator changes settings afterwards.
#include "StartFixture.h"
#include "settings/SerialSettings.h"
#include "panel/StereoPage.h"
#include "rds/RdsPage.h"

#include <QAction>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTabWidget>
#include <random>
#include <unistd.h>

namespace zor {
namespace {

using test::StartTest;

enum class Damage { NulByte, RandomBytes, EndlessLine };

struct BrokenFile {
    const char* name;
    Damage damage;
};

std::string nameOf(const BrokenFile& broken) {
    static const char* const kDamage[] = {"NulByte", "RandomBytes", "EndlessLine"};
    std::string file = broken.name;
    file.erase(file.find('.'));
    return file + kDamage[static_cast<int>(broken.damage)];
}

std::string testName(const ::testing::TestParamInfo<BrokenFile>& info) {
    return nameOf(info.param);
}

void PrintTo(const BrokenFile& broken, std::ostream* os) {
    *os << nameOf(broken);
}

class BrokenDataFolderTest : public StartTest {
protected:
    void put(const QString& name, const QByteArray& bytes) {
        QFile file(path(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        ASSERT_EQ(file.write(bytes), bytes.size());
    }

    QByteArray bytesOf(const QString& name) const {
        QFile file(path(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    // The bundled file with `damage` done to it.
    QByteArray damaged(const QString& name, Damage damage) const {
        QByteArray bytes = bytesOf(name);
        switch (damage) {
        case Damage::NulByte:
            bytes.insert(bytes.size() / 2, '\0');
            break;
        case Damage::RandomBytes: {
            std::mt19937 random(4711);
            bytes = QByteArray(64 * 1024, '\0');
            for (char& b : bytes)
                b = static_cast<char>(random() & 0xFF);
            break;
        }
        case Damage::EndlessLine:
            bytes += QByteArray(10 * 1024 * 1024, 'A');
            break;
        }
        return bytes;
    }

    QStringList warningsNaming(const QString& text) const { return messages.warnings.filter(text); }

    QString allWarnings() const { return messages.warnings.join(QStringLiteral("\n--\n")); }

    void expectNotConnected() {
        EXPECT_FALSE(window().SSTab1()->isEnabled());
        EXPECT_TRUE(start().instrument().isDemo());
        EXPECT_TRUE(messages.criticals.isEmpty()) << messages.criticals.join('\n').toStdString();
    }

    // What an operator does after the start: settings stored into each of
    // the three settings files, by the window's own handlers.
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

class BrokenSettingsFileTest : public BrokenDataFolderTest,
                               public ::testing::WithParamInterface<BrokenFile> {};

TEST_P(BrokenSettingsFileTest, IsToldOnceAndNeverRewritten) {
    const QString name = QLatin1String(GetParam().name);
    copyBundledData();
    const QByteArray bytes = damaged(name, GetParam().damage);
    put(name, bytes);

    startUp();
    expectNotConnected();
    ASSERT_EQ(messages.warnings.size(), 1) << allWarnings().toStdString();
    EXPECT_EQ(warningsNaming(path(name)).size(), 1) << allWarnings().toStdString();
    EXPECT_EQ(bytesOf(name), bytes);

    // After the start-up a setting changed by hand that cannot be stored is
    // told as the page that stores it tells it, the interface menu and the
    // stereo page among them.
    messages.warnings.clear();
    changeSettingsOfEveryFile();
    EXPECT_EQ(bytesOf(name), bytes);
    if (name == QLatin1String(kGeneralFile)) {
        EXPECT_FALSE(warningsNaming(path(name)).isEmpty());
    }
    // The other files go on storing.
    if (name != QLatin1String(kDataSetFile)) {
        EXPECT_EQ(Ini_Lesen("RDS", "PS", path(kDataSetFile)), QStringLiteral("NEU PS"));
    }
    if (name != QLatin1String(kGeneralFile)) {
        EXPECT_EQ(general("BUS", "Interface"), QStringLiteral("COM"));
    }

    // Each run tells it once.
    messages.warnings.clear();
    startUp();
    EXPECT_EQ(warningsNaming(path(name)).size(), 1) << allWarnings().toStdString();
    EXPECT_EQ(bytesOf(name), bytes);
}

INSTANTIATE_TEST_SUITE_P(EveryFileEveryDamage, BrokenSettingsFileTest,
                         ::testing::Values(BrokenFile{kGeneralFile, Damage::NulByte},
                                           BrokenFile{kGeneralFile, Damage::RandomBytes},
                                           BrokenFile{kGeneralFile, Damage::EndlessLine},
                                           BrokenFile{kDataSetFile, Damage::NulByte},
                                           BrokenFile{kDataSetFile, Damage::RandomBytes},
                                           BrokenFile{kDataSetFile, Damage::EndlessLine},
                                           BrokenFile{kSerialFile, Damage::NulByte},
                                           BrokenFile{kSerialFile, Damage::RandomBytes},
                                           BrokenFile{kSerialFile, Damage::EndlessLine}),
                         testName);

TEST_F(BrokenDataFolderTest, ABinaryLanguageFileIsToldOnceAndKeptAsItIs) {
    copyBundledData();
    const QByteArray bytes = damaged(QLatin1String(kLanguageFile), Damage::RandomBytes);
    put(QLatin1String(kLanguageFile), bytes);
    startUp();
    expectNotConnected();
    ASSERT_EQ(messages.warnings.size(), 1) << allWarnings().toStdString();
    EXPECT_EQ(warningsNaming(path(kLanguageFile)).size(), 1);
    EXPECT_EQ(window().Ende_Taste()->text(), QStringLiteral("&Ende"));

    window().Mnu_Info_Sprache_E()->trigger();
    window().Mnu_Info_Sprache_D()->trigger();
    EXPECT_EQ(messages.warnings.size(), 1) << allWarnings().toStdString();
    EXPECT_EQ(bytesOf(kLanguageFile), bytes);
}

TEST_F(BrokenDataFolderTest, ALanguageWithoutItsSectionIsToldOnce) {
    copyBundledData();
    setGeneral("Sprache", "Sprache", QStringLiteral("english US"));
    QByteArray language = bytesOf(kLanguageFile);
    ASSERT_TRUE(language.contains("[english US]"));
    language.replace("[english US]", "[english UK]");
    put(kLanguageFile, language);

    startUp();
    expectNotConnected();
    ASSERT_EQ(messages.warnings.size(), 1) << allWarnings().toStdString();
    EXPECT_EQ(warningsNaming(QStringLiteral("[english US]")).size(), 1);
    EXPECT_EQ(warningsNaming(path(kLanguageFile)).size(), 1);
    EXPECT_EQ(bytesOf(kLanguageFile), language);
}

// Text that is not shaped like settings is a settings file all the same:
// the restore and the operator store their keys into it, and every line of
// it stays.
TEST_F(BrokenDataFolderTest, GarbageTextIsKeptAndTakesTheSettings) {
    copyBundledData();
    const QByteArray garbage = "Einkaufsliste\r\n- Milch\r\n]]] ===\r\n\x01\x7f\xe4\r\n";
    put(kDataSetFile, garbage);
    startUp();
    expectNotConnected();
    EXPECT_TRUE(warningsNaming(kDataSetFile).isEmpty()) << allWarnings().toStdString();

    changeSettingsOfEveryFile();
    EXPECT_TRUE(bytesOf(kDataSetFile).startsWith(garbage));
    EXPECT_EQ(Ini_Lesen("RDS", "PS", path(kDataSetFile)), QStringLiteral("NEU PS"));
}

TEST_F(BrokenDataFolderTest, AMissingFolderIsToldOnceAndNotCreated) {
    // A folder below a regular file can never be created, not even by root.
    put(QStringLiteral("plain"), "not a folder");
    for (const QString& missing :
         {path(QStringLiteral("nowhere")), path(QStringLiteral("plain/Daten"))}) {
        messages.warnings.clear();
        start_ = std::make_unique<ProgramStart>(DataFolder(missing), messages);
        start_->run();
        expectNotConnected();
        ASSERT_EQ(messages.warnings.size(), 1) << allWarnings().toStdString();
        EXPECT_EQ(warningsNaming(missing).size(), 1);

        changeSettingsOfEveryFile();
        EXPECT_FALSE(QFileInfo::exists(missing));
    }
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
              QStringList{QStringLiteral("plain")});
}

// Only what follows from the folder being read-only is held back; a missing
// language file in it is another problem.
TEST_F(BrokenDataFolderTest, AReadOnlyFolderIsToldOnceAndKeptAsItIs) {
    copyBundledData();
    setGeneral("FM", "MPX_DEV", QString());
    setDataSet("RDS", "MS", QString());
    ASSERT_TRUE(QFile::remove(path(kLanguageFile)));
    ASSERT_TRUE(QFile::setPermissions(folder.path(), QFile::ReadOwner | QFile::ExeOwner));
    const QByteArray before = bytesOf(kGeneralFile);
    startUp();
    const QStringList atStart = messages.warnings;
    expectNotConnected();
    changeSettingsOfEveryFile();
    ASSERT_TRUE(QFile::setPermissions(folder.path(),
                                      QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
    if (::geteuid() == 0)
        GTEST_SKIP() << "root writes into read-only folders, so the folder was writable";
    ASSERT_EQ(atStart.size(), 2) << atStart.join('\n').toStdString();
    EXPECT_TRUE(atStart.front().contains(folder.path()));
    EXPECT_TRUE(atStart.front().contains(QStringLiteral("read-only")));
    EXPECT_TRUE(atStart.back().contains(path(kLanguageFile)));
    EXPECT_EQ(bytesOf(kGeneralFile), before);
}

} // namespace
} // namespace zor
