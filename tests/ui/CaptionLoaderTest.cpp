#include "ui/CaptionLoader.h"

#include "panel/AccessibleNames.h"
#include "panel/ControlText.h"
#include "panel/DisplayLabel.h"
#include "panel/StereoPage.h"
#include "rds/EonPage.h"
#include "rds/RdsPage.h"
#include "settings/TextTable.h"
#include "ui/StatusStrip.h"
#include "ui/WindowFixture.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QSet>
#include <QScrollBar>
#include <QTabWidget>

namespace zor {
namespace {

QStringList itemsOf(const QComboBox* list) {
    QStringList items;
    for (int i = 0; i < list->count(); ++i)
        items << list->itemText(i);
    return items;
}

class CaptionLoaderTest : public test::WindowTest {
protected:
    QString caption(const char* name) {
        return captionOf(window().findChild<QObject*>(QLatin1String(name)));
    }
    QStringList ptyList(const char* section) const {
        QStringList names;
        for (int code = 0; code < 32; ++code)
            names << folder.read(kGeneralFile, section, QByteArray::number(code).constData());
        return names;
    }
};

// Each page puts the language's texts into its captions by its own table; captions
// without a text keep their own. A screen reader hears every control by its own name.
TEST_F(CaptionLoaderTest, EveryPageShowsTheLanguageByItsTable) {
    const std::tuple<const char*, int, const char*> samples[] = {
        {"Mnu_Info_Sprache_E", 4, ""}, {"Ende_Taste", 6, ""},      {"Stereo_Opt(4)", 35, ""},
        {"DI_Opt(7)", 66, ""},         {"AFList_Opt(4)", 74, " 5"}, {"Gruppe(15)", 81, " 15"},
        {"EON_AFB_Opt(2)", 88, " 3"},  {"Command18", 138, ""},      {"Store_Taste(4)", 155, ""},
        {"Label4", 206, ""},           {"RF_Level_Frame", 218, ""}, {"Status(16)", 220, ""},
    };
    for (const QString language : {"deutsch", "english", "english US"}) {
        load(language);
        for (const auto& [name, key, number] : samples)
            EXPECT_EQ(caption(name), languageText(language, key) + QLatin1String(number)) << name;
        EXPECT_EQ(window().SSTab1()->tabText(8), languageText(language, 18));
        EXPECT_EQ(caption("Command10"), QStringLiteral("Freq ?"));
        EXPECT_EQ(window().Mnu_Info_RDS_RBDS()->isEnabled(), language != "deutsch");
        for (const int entry : textTableEntries())
            EXPECT_EQ(captions.text(entry), languageText(language, entry)) << entry;
        QList<QWidget*> scopes{window().centralWidget(), window().statusStrip()};
        for (int tab = 0; tab < window().SSTab1()->count(); ++tab)
            scopes << window().SSTab1()->widget(tab);
        for (QWidget* scope : scopes)
            test::expectDistinctNames(namedControls(scope), language + scope->objectName());
    }
    folder.write(kLanguageFile, "english", "71", QString());
    load(QStringLiteral("english"));
    EXPECT_EQ(caption("Frame2"), QStringLiteral("alternative Frequenzen"));
    EXPECT_TRUE(messages.warnings.isEmpty());
}

// The language menu stores and loads the language: status fields and displays
// follow it, TA and TP show their built-in text where it has no on and off.
TEST_F(CaptionLoaderTest, TheLanguageMenuStoresTheLanguageAndEveryTextFollows) {
    folder.write(kDataSetFile, "RDS", "MS", QStringLiteral("S"));
    HMenue& w = window();
    w.stereoPage()->FM_Hub_Scroll()->setValue(7500);
    w.rdsPage()->TA_Rep_HScroll()->setValue(60);
    w.rdsPage()->Check1()->setChecked(true);
    const QString english = QStringLiteral("english");
    w.Mnu_Info_Sprache_E()->trigger();
    EXPECT_EQ(folder.read(kGeneralFile, "Sprache", "Sprache"), english);
    EXPECT_EQ(caption("Frame2"), languageText(english, 71));
    const StatusStrip* status = w.statusStrip();
    EXPECT_EQ(status->statusText(StatusField::MusicSpeech), languageText(english, 57));
    EXPECT_EQ(status->statusText(StatusField::Tp), languageText(english, 192));
    EXPECT_EQ(status->statusText(StatusField::Ta), languageText(english, 193));
    EXPECT_TRUE(w.stereoPage()->FM_Hub_Label2()->text().startsWith(languageText(english, 21)));
    EXPECT_EQ(w.rdsPage()->TA_Rep_Label()->text(), languageText(english, 41) + "  60");
    for (const char* word : {"192", "193"})
        folder.write(kLanguageFile, "english", word, QString());
    load(english);
    EXPECT_EQ(status->statusText(StatusField::Ta), QStringLiteral("TA"));
    EXPECT_EQ(status->statusText(StatusField::Tp), QString());

    // Where the language cannot be stored the operator is told, and it holds
    // for this run.
    folder.put(kGeneralFile, folder.bytes(kGeneralFile) + QByteArray(1, '\0'));
    w.Mnu_Info_Sprache_D()->trigger();
    EXPECT_EQ(caption("Frame2"), languageText("deutsch", 71));
    ASSERT_EQ(messages.warnings.size(), 1);
    EXPECT_TRUE(messages.warnings[0].startsWith("Fehler! | Die Einstellung Sprache"));
}

// Programme types follow language and mode (German in both), are handed over once
// per load and fit whole; DI options differ; pages are as grey as the window.
TEST_F(CaptionLoaderTest, ProgrammeTypesFollowLanguageAndModeAndReadWhole) {
    folder.write(kDataSetFile, "RDS", "PTY", QStringLiteral("10"));
    folder.write(kDataSetFile, "RDS", "EON_PTY", QStringLiteral("3"));
    window().showDemo();
    window().show();
    instrument.handed.clear();
    auto* status = qobject_cast<DisplayLabel*>(window().statusStrip()->Status(StatusField::Pty));
    ASSERT_TRUE(status);
    QComboBox* list = window().rdsPage()->PTY_Combo1();
    for (const QString language : {"deutsch", "english", "english US"}) {
        for (const QString mode : {"RDS", "RBDS"}) {
            load(language, mode);
            const char* section = language == "deutsch" ? "PTY-Liste_D"
                                  : mode == "RDS"       ? "PTY-Liste_E"
                                                        : "PTY-Liste_US";
            EXPECT_EQ(itemsOf(list), ptyList(section)) << section;
            EXPECT_EQ(itemsOf(window().eonPage()->EON_PTY_Combo()), ptyList(section));
            EXPECT_EQ(window().statusStrip()->statusText(StatusField::Pty),
                      ptyList(section).at(10));
            for (const QString& name : itemsOf(list)) {
                status->setText(name);
                EXPECT_LE(QFontMetrics(status->shownFont()).horizontalAdvance(name),
                          status->contentsRect().width())
                    << name.toStdString();
                EXPECT_LE(list->lineEdit()->fontMetrics().horizontalAdvance(name) + 4,
                          list->lineEdit()->width())
                    << name.toStdString();
            }
            QSet<QString> options;
            for (int option = 0; option < 8; ++option)
                options << caption(qPrintable(QStringLiteral("DI_Opt(%1)").arg(option)));
            EXPECT_EQ(options.size(), 8) << language.toStdString();
        }
    }
    EXPECT_EQ(window().eonPage()->EON_PTY_Combo()->currentIndex(), 3);
    EXPECT_EQ(instrument.handed.size(), 6);
    EXPECT_TRUE(current.eonPty.isEmpty());
    for (int tab = 0; tab < window().SSTab1()->count(); ++tab) {
        window().SSTab1()->setCurrentIndex(tab);
        QWidget* page = window().SSTab1()->widget(tab);
        const QPoint corner = page->mapTo(&window(), QPoint(2, 2));
        EXPECT_EQ(QColor(window().grab().toImage().pixel(corner)), QColor(192, 192, 192)) << tab;
    }

    // The mode entry stores the mode it names and shows the other list.
    instrument.handed.clear();
    window().Mnu_Info_RDS_RBDS()->trigger();
    EXPECT_EQ(folder.read(kGeneralFile, "Sprache", "RDS_RBDS"), QStringLiteral("RDS"));
    EXPECT_EQ(window().Mnu_Info_RDS_RBDS()->text(), QStringLiteral("RBDS"));
    EXPECT_EQ(itemsOf(list), ptyList("PTY-Liste_E"));
    EXPECT_EQ(instrument.handed.size(), 1);
}

} // namespace
} // namespace zor
