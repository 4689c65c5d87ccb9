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
#include <QMenu>
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

// Each page puts the language's texts into its captions by its own table:
// one text, texts in turn along an array, or one text numbered along it.
// Captions without a text keep the one they were built with.
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
    }
    folder.write(kLanguageFile, "english", "71", QString());
    load(QStringLiteral("english"));
    EXPECT_EQ(caption("Frame2"), QStringLiteral("alternative Frequenzen"));
    EXPECT_TRUE(messages.warnings.isEmpty());
}

// German shows the German names in either mode; the others follow the mode.
// Each load leaves 32 names and chooses the stored types again, handing the
// programme type over once and the EON type not at all.
TEST_F(CaptionLoaderTest, ProgrammeTypesFollowLanguageAndMode) {
    folder.write(kDataSetFile, "RDS", "PTY", QStringLiteral("10"));
    folder.write(kDataSetFile, "RDS", "EON_PTY", QStringLiteral("3"));
    const std::tuple<const char*, const char*, const char*> cases[] = {
        {"deutsch", "RBDS", "PTY-Liste_D"},  {"english", "RDS", "PTY-Liste_E"},
        {"english", "RBDS", "PTY-Liste_US"}, {"english US", "RDS", "PTY-Liste_E"},
        {"english US", "RBDS", "PTY-Liste_US"},
    };
    for (const auto& [language, mode, section] : cases) {
        load(QLatin1String(language), QLatin1String(mode));
        EXPECT_EQ(itemsOf(window().rdsPage()->PTY_Combo1()), ptyList(section)) << section;
        EXPECT_EQ(itemsOf(window().eonPage()->EON_PTY_Combo()), ptyList(section));
        EXPECT_EQ(window().statusStrip()->statusText(StatusField::Pty), ptyList(section).at(10));
    }
    EXPECT_EQ(window().eonPage()->EON_PTY_Combo()->currentIndex(), 3);
    EXPECT_EQ(instrument.handed.size(), 5);
    EXPECT_TRUE(current.eonPty.isEmpty());

    // The mode entry stores the mode it names and shows the other list.
    instrument.handed.clear();
    window().Mnu_Info_RDS_RBDS()->trigger();
    EXPECT_EQ(general("Sprache", "RDS_RBDS"), QStringLiteral("RDS"));
    EXPECT_EQ(window().Mnu_Info_RDS_RBDS()->text(), QStringLiteral("RBDS"));
    EXPECT_EQ(itemsOf(window().rdsPage()->PTY_Combo1()), ptyList("PTY-Liste_E"));
    EXPECT_EQ(instrument.handed.size(), 1);
}

// The language menu stores the language and loads it; where it cannot be
// stored the operator is told, and the language holds for this run.
TEST_F(CaptionLoaderTest, TheLanguageMenuStoresAndLoadsTheLanguage) {
    load(QStringLiteral("deutsch"));
    window().Mnu_Info_Sprache_E()->trigger();
    EXPECT_EQ(general("Sprache", "Sprache"), QStringLiteral("english"));
    EXPECT_EQ(caption("Frame2"), languageText("english", 71));
    folder.put(kGeneralFile, folder.bytes(kGeneralFile) + QByteArray(1, '\0'));
    window().Mnu_Info_Sprache_D()->trigger();
    EXPECT_EQ(caption("Frame2"), languageText("deutsch", 71));
    ASSERT_EQ(messages.warnings.size(), 1);
    EXPECT_TRUE(messages.warnings[0].startsWith("Fehler! | Die Einstellung Sprache"));
}

// Status fields and displays are rewritten in the language; where it has
// no words for on and off, TA and TP show what they were built with.
TEST_F(CaptionLoaderTest, StatusFieldsAndDisplaysFollowTheLanguage) {
    folder.write(kDataSetFile, "RDS", "MS", QStringLiteral("S"));
    HMenue& w = window();
    w.stereoPage()->FM_Hub_Scroll()->setValue(7500);
    w.rdsPage()->TA_Rep_HScroll()->setValue(60);
    w.rdsPage()->Check1()->setChecked(true);
    const QString english = QStringLiteral("english");
    load(english);
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
}

// Every programme-type name fits whole in the status field and the list,
// the decoder-information options name different things, and the pages are
// as grey as the window, in every language and mode.
TEST_F(CaptionLoaderTest, WhatTheOperatorReadsIsWholeDistinctAndGrey) {
    window().showDemo();
    window().show();
    auto* status = qobject_cast<DisplayLabel*>(window().statusStrip()->Status(StatusField::Pty));
    ASSERT_TRUE(status);
    QComboBox* list = window().rdsPage()->PTY_Combo1();
    for (const char* language : {"deutsch", "english", "english US"}) {
        for (const char* mode : {"RDS", "RBDS"}) {
            load(QLatin1String(language), QLatin1String(mode));
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
            EXPECT_EQ(options.size(), 8) << language;
        }
    }
    for (int tab = 0; tab < window().SSTab1()->count(); ++tab) {
        window().SSTab1()->setCurrentIndex(tab);
        QWidget* page = window().SSTab1()->widget(tab);
        const QPoint corner = page->mapTo(&window(), QPoint(2, 2));
        EXPECT_EQ(QColor(window().grab().toImage().pixel(corner)), QColor(192, 192, 192)) << tab;
    }
}

TEST_F(CaptionLoaderTest, EveryControlIsHeardUnderAUniqueNameInEveryLanguage) {
    for (const QString language : {"deutsch", "english", "english US"}) {
        load(language);
        QList<QWidget*> scopes{window().centralWidget(), window().statusStrip()};
        for (int tab = 0; tab < window().SSTab1()->count(); ++tab)
            scopes << window().SSTab1()->widget(tab);
        for (QWidget* scope : scopes)
            test::expectDistinctNames(namedControls(scope), language + scope->objectName());
    }
}

} // namespace
} // namespace zor
