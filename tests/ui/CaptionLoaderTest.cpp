#include "ui/CaptionLoader.h"

#include "panel/AccessibleNames.h"
#include "panel/DisplayLabel.h"
#include "panel/StereoPage.h"
#include "rds/EonPage.h"
#include "rds/RdsPage.h"
#include "ui/StatusStrip.h"
#include "ui/WindowFixture.h"

#include <QAbstractButton>
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QRegularExpression>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTabWidget>

namespace zor {
namespace {

// Key-table targets whose caption is the language text itself.
const std::pair<const char*, int> kPlainCaptions[] = {
    {"Ende_Taste", 6},        {"FM_Sorce_Frame", 20},    {"FM_Source_Opt(0)", 22},
    {"FM_Source_Opt(1)", 23}, {"FM_Source_Opt(2)", 24},  {"FM_Source_Opt(3)", 25},
    {"FM_Imp_Frame", 26},     {"Pre_Frame", 27},         {"Pre_opt(0)", 28},
    {"Frame_stereo", 29},     {"Stereo_Opt(0)", 31},     {"Stereo_Opt(1)", 32},
    {"Stereo_Opt(2)", 33},    {"Stereo_Opt(3)", 34},     {"Stereo_Opt(4)", 35},
    {"ARI_Mode_Opt(0)", 193}, {"Command3", 53},          {"PS_Taste", 53},
    {"RT_Taste1", 53},        {"TMC_Senden_Taste", 53},  {"Frame1", 47},
    {"TA_Option(1)", 48},     {"RT_Frame", 49},          {"RT_clear1", 52},
    {"MS_Frame", 55},         {"MS_opt(0)", 56},         {"MS_opt(1)", 57},
    {"DI_Opt(0)", 59},        {"DI_Opt(7)", 66},         {"Frame2", 71},
    {"AF_Bearbeiten", 72},    {"Taste_AF_Senden", 73},   {"GS_Senden", 82},
    {"EON_PI_Taste", 86},     {"EON_PS_Taste", 86},      {"EON_AFB_Senden", 86},
    {"Frame3", 87},           {"EON_AF_Bearbeiten", 89}, {"Command19", 121},
    {"Command17", 122},       {"Command5", 123},         {"Command7", 124},
    {"Command8", 125},        {"Command4", 126},         {"Command6", 127},
    {"Command21", 128},       {"Command20", 129},        {"Command9", 130},
    {"Command16", 131},       {"Command14", 132},        {"Command15", 133},
    {"Command1", 134},        {"Command11", 135},        {"Command12", 136},
    {"Command13", 137},       {"Command18", 138},        {"gelesen", 139},
    {"Store_Taste(0)", 151},  {"Store_Taste(4)", 155},   {"Uhr_Zeit", 193},
    {"Time_Frame", 54},       {"TMC_Frame1", 201},       {"Tmc_richtung(1)", 202},
    {"Tmc_richtung(0)", 203}, {"TMC_Var_Label", 204},    {"Label3", 205},
    {"Label4", 206},          {"RF_Freq_Frame", 212},    {"AF_Freq_Frame", 215},
    {"RF_Level_Frame", 218},  {"Status(16)", 220},       {"Status(12)", 221},
    {"Status(15)", 222},
};

QString shownCaption(QObject* control) {
    if (auto* menu = qobject_cast<QMenu*>(control))
        return menu->title();
    if (auto* action = qobject_cast<QAction*>(control))
        return action->text();
    if (auto* button = qobject_cast<QAbstractButton*>(control))
        return button->text();
    if (auto* frame = qobject_cast<QGroupBox*>(control))
        return frame->title();
    if (auto* label = qobject_cast<QLabel*>(control))
        return label->text();
    return {};
}

QStringList itemsOf(const QComboBox* combo) {
    QStringList items;
    for (int i = 0; i < combo->count(); ++i)
        items << combo->itemText(i);
    return items;
}

class CaptionLoaderTest : public test::WindowTest {
protected:
    QString languageText(const QString& language, int key) {
        return Ini_Lesen(language, QString::number(key), languageFile());
    }

    QString caption(const char* name) {
        QObject* target = control<QObject>(QLatin1String(name));
        EXPECT_NE(target, nullptr) << name;
        return target ? shownCaption(target) : QString();
    }

    QStringList ptyList(const QString& section) {
        QStringList names;
        for (int code = 0; code < 32; ++code)
            names << Ini_Lesen(section, QString::number(code), general());
        return names;
    }

    void load(const QString& language, const QString& mode = QStringLiteral("RDS")) {
        setLanguage(language);
        window().setRdsMode(mode);
        window().Beschrifter();
    }
};

TEST_F(CaptionLoaderTest, CaptionsComeFromTheLanguageFileInEveryLanguage) {
    for (const QString language : {"deutsch", "english", "english US"}) {
        SCOPED_TRACE(language.toStdString());
        load(language);
        EXPECT_EQ(window().language(), language);
        for (const auto& [name, key] : kPlainCaptions) {
            const QString text = languageText(language, key);
            ASSERT_FALSE(text.isEmpty()) << "key " << key;
            EXPECT_EQ(caption(name), text) << name;
        }
        const QString list = languageText(language, 74);
        EXPECT_EQ(caption("AFList_Opt(0)"), list + QStringLiteral(" 1"));
        EXPECT_EQ(caption("AFList_Opt(4)"), list + QStringLiteral(" 5"));
        EXPECT_EQ(caption("EON_AFB_Opt(2)"), languageText(language, 88) + QStringLiteral(" 3"));
        EXPECT_EQ(caption("Gruppe(0)"), languageText(language, 81) + QStringLiteral(" 0"));
        EXPECT_EQ(caption("Gruppe(15)"), languageText(language, 81) + QStringLiteral(" 15"));
        EXPECT_EQ(window().Mnu_Info()->title(), languageText(language, 0));
        EXPECT_EQ(window().Mnu_Info_Ueber()->text(), languageText(language, 1));
        EXPECT_EQ(window().Mnu_Info_Sprache()->title(), languageText(language, 2));
        EXPECT_EQ(window().Mnu_Info_Sprache_D()->text(), languageText(language, 3));
        EXPECT_EQ(window().Mnu_Info_Sprache_E()->text(), languageText(language, 4));
        for (int tab = 0; tab < 9; ++tab)
            EXPECT_EQ(window().SSTab1()->tabText(tab), languageText(language, 10 + tab));
        EXPECT_EQ(window().SSTab1()->currentIndex(), 0);
        // Captions of no key keep their design text.
        EXPECT_EQ(caption("Command10"), QStringLiteral("Freq ?"));
        EXPECT_EQ(caption("TA_Option(0)"), QStringLiteral("&Manual"));
        EXPECT_EQ(caption("PI_Label"), QStringLiteral("P I  : "));
        EXPECT_EQ(caption("Mnu_Info_RS232"), QStringLiteral("RS232_Set"));
    }
    EXPECT_TRUE(messages.warnings.isEmpty()) << messages.warnings.join("\n").toStdString();
}

TEST_F(CaptionLoaderTest, TextTableHoldsTheEntriesOtherPartsShow) {
    load(QStringLiteral("english"));
    for (const int entry :
         {21,  22,  25,  28,  31,  35,  40,  41,  56,  57,  83,  141, 142, 143, 145,
          161, 164, 166, 167, 168, 169, 170, 171, 172, 184, 185, 186, 189, 192, 193})
        EXPECT_EQ(captions.text(entry), languageText(QStringLiteral("english"), entry)) << entry;
    load(QStringLiteral("deutsch"));
    EXPECT_EQ(captions.text(192), languageText(QStringLiteral("deutsch"), 192));
}

TEST_F(CaptionLoaderTest, RdsModeEntryIsOfferedOnlyOutsideGerman) {
    load(QStringLiteral("deutsch"));
    EXPECT_FALSE(window().Mnu_Info_RDS_RBDS()->isEnabled());
    load(QStringLiteral("english"));
    EXPECT_TRUE(window().Mnu_Info_RDS_RBDS()->isEnabled());
}

TEST_F(CaptionLoaderTest, ProgrammeTypeListFollowsLanguageAndMode) {
    struct Case {
        const char* language;
        const char* mode;
        const char* section;
    };
    const Case cases[] = {
        {"deutsch", "RDS", "PTY-Liste_D"},      {"deutsch", "RBDS", "PTY-Liste_D"},
        {"english", "RDS", "PTY-Liste_E"},      {"english", "RBDS", "PTY-Liste_US"},
        {"english US", "RBDS", "PTY-Liste_US"}, {"english US", "RDS", "PTY-Liste_E"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.language) + " " + c.mode);
        load(QLatin1String(c.language), QLatin1String(c.mode));
        const QStringList expected = ptyList(QLatin1String(c.section));
        EXPECT_EQ(CaptionLoader::ptySection(QLatin1String(c.language), QLatin1String(c.mode)),
                  QLatin1String(c.section));
        EXPECT_EQ(itemsOf(window().rdsPage()->PTY_Combo1()), expected);
        EXPECT_EQ(itemsOf(window().eonPage()->EON_PTY_Combo()), expected);
        EXPECT_FALSE(expected.contains(QString()));
    }
}

TEST_F(CaptionLoaderTest, EachLoadLeavesExactly32ProgrammeTypes) {
    for (int run = 0; run < 3; ++run) {
        load(QStringLiteral("english"));
        EXPECT_EQ(window().rdsPage()->PTY_Combo1()->count(), 32);
        EXPECT_EQ(window().eonPage()->EON_PTY_Combo()->count(), 32);
    }
}

TEST_F(CaptionLoaderTest, StoredProgrammeTypesAreChosenAndOnlyThePtyPickIsRaised) {
    Ini_Schreiben("RDS", "PTY", "10", dataSet());
    Ini_Schreiben("RDS", "EON_PTY", "3", dataSet());
    HMenue& w = window();
    QSignalSpy picks(w.rdsPage(), &RdsPage::ptyPicked);
    QSignalSpy ptyChanges(w.rdsPage()->PTY_Combo1(), &QComboBox::currentIndexChanged);
    QSignalSpy eonChanges(w.eonPage()->EON_PTY_Combo(), &QComboBox::currentTextChanged);
    QSignalSpy eonEdits(w.eonPage()->EON_PTY_Combo(), &QComboBox::editTextChanged);

    load(QStringLiteral("deutsch"));
    load(QStringLiteral("english"));
    ASSERT_EQ(picks.count(), 2);
    EXPECT_EQ(picks.at(0).at(0).toInt(), 10);
    EXPECT_EQ(ptyChanges.count(), 0);
    EXPECT_EQ(eonChanges.count(), 0);
    EXPECT_EQ(eonEdits.count(), 0);
    EXPECT_EQ(w.rdsPage()->PTY_Combo1()->currentIndex(), 10);
    EXPECT_EQ(w.eonPage()->EON_PTY_Combo()->currentIndex(), 3);
    EXPECT_EQ(w.statusStrip()->statusText(4), ptyList(QStringLiteral("PTY-Liste_E")).at(10));
}

TEST_F(CaptionLoaderTest, UnusableStoredProgrammeTypeChoosesNothing) {
    Ini_Schreiben("RDS", "PTY", "abc", dataSet());
    Ini_Schreiben("RDS", "EON_PTY", "40", dataSet());
    QSignalSpy picks(window().rdsPage(), &RdsPage::ptyPicked);
    load(QStringLiteral("deutsch"));
    EXPECT_EQ(picks.count(), 0);
    EXPECT_EQ(window().rdsPage()->PTY_Combo1()->currentIndex(), -1);
    EXPECT_EQ(window().eonPage()->EON_PTY_Combo()->currentIndex(), -1);
    EXPECT_EQ(window().rdsPage()->PTY_Combo1()->count(), 32);
}

TEST_F(CaptionLoaderTest, RdsModeSwitchStoresTheModeAndShowsTheOtherList) {
    Ini_Schreiben("RDS", "PTY", "5", dataSet());
    Ini_Schreiben("RDS", "EON_PTY", "9", dataSet());
    load(QStringLiteral("english"), QStringLiteral("RDS"));
    HMenue& w = window();
    QSignalSpy picks(w.rdsPage(), &RdsPage::ptyPicked);

    ASSERT_EQ(w.Mnu_Info_RDS_RBDS()->text(), QStringLiteral("RBDS"));
    w.Mnu_Info_RDS_RBDS()->trigger();
    EXPECT_EQ(w.rdsMode(), QStringLiteral("RBDS"));
    EXPECT_EQ(Ini_Lesen("Sprache", "RDS_RBDS", general()), QStringLiteral("RBDS"));
    EXPECT_EQ(w.Mnu_Info_RDS_RBDS()->text(), QStringLiteral("RDS"));
    EXPECT_EQ(itemsOf(w.rdsPage()->PTY_Combo1()), ptyList(QStringLiteral("PTY-Liste_US")));
    EXPECT_EQ(w.rdsPage()->PTY_Combo1()->currentIndex(), 5);
    EXPECT_EQ(picks.count(), 1);

    w.Mnu_Info_RDS_RBDS()->trigger();
    EXPECT_EQ(w.rdsMode(), QStringLiteral("RDS"));
    EXPECT_EQ(Ini_Lesen("Sprache", "RDS_RBDS", general()), QStringLiteral("RDS"));
    EXPECT_EQ(itemsOf(w.rdsPage()->PTY_Combo1()), ptyList(QStringLiteral("PTY-Liste_E")));
    EXPECT_EQ(w.rdsPage()->PTY_Combo1()->currentIndex(), 5);
}

TEST_F(CaptionLoaderTest, LanguageMenuStoresAndLoadsTheLanguage) {
    load(QStringLiteral("deutsch"));
    window().Mnu_Info_Sprache_E()->trigger();
    EXPECT_EQ(Ini_Lesen("Sprache", "Sprache", general()), QStringLiteral("english"));
    EXPECT_EQ(window().language(), QStringLiteral("english"));
    EXPECT_EQ(caption("Frame2"), languageText(QStringLiteral("english"), 71));
    window().Mnu_Info_Sprache_D()->trigger();
    EXPECT_EQ(Ini_Lesen("Sprache", "Sprache", general()), QStringLiteral("deutsch"));
    EXPECT_EQ(caption("Frame2"), languageText(QStringLiteral("deutsch"), 71));
}

TEST_F(CaptionLoaderTest, StatusFieldsAndDisplaysFollowTheLanguage) {
    Ini_Schreiben("RDS", "MS", "S", dataSet());
    HMenue& w = window();
    w.stereoPage()->Pilot_Hub_Scroll()->setValue(675);
    w.stereoPage()->FM_Hub_Scroll()->setValue(7500);
    w.rdsPage()->TA_Rep_HScroll()->setValue(60);
    w.rdsPage()->TA_HScroll()->setValue(30);
    w.rdsPage()->Check1()->setChecked(true);
    w.rdsPage()->setTrafficAnnouncementOn(false);
    load(QStringLiteral("english"));

    const QString english = QStringLiteral("english");
    EXPECT_EQ(w.statusStrip()->statusText(1), languageText(english, 57));
    EXPECT_EQ(w.statusStrip()->statusText(10), languageText(english, 192));
    EXPECT_EQ(w.statusStrip()->statusText(0), languageText(english, 193));
    const QString word = languageText(english, 21);
    EXPECT_TRUE(w.stereoPage()->Pilot_hub_Label()->text().startsWith(word + QStringLiteral(" 6")));
    EXPECT_TRUE(w.stereoPage()->Pilot_hub_Label()->text().endsWith(QStringLiteral("75 kHz")));
    EXPECT_TRUE(w.stereoPage()->FM_Hub_Label2()->text().endsWith(QStringLiteral("0 kHz")));
    EXPECT_EQ(w.rdsPage()->TA_Zeit_Label()->text(),
              languageText(english, 40) + QStringLiteral("  30"));
    EXPECT_EQ(w.rdsPage()->TA_Rep_Label()->text(),
              languageText(english, 41) + QStringLiteral("  60"));

    Ini_Schreiben("RDS", "MS", "M", dataSet());
    w.rdsPage()->setTrafficAnnouncementOn(true);
    load(QStringLiteral("deutsch"));
    EXPECT_EQ(w.statusStrip()->statusText(1), languageText(QStringLiteral("deutsch"), 56));
    EXPECT_EQ(w.statusStrip()->statusText(0), languageText(QStringLiteral("deutsch"), 192));
}

TEST_F(CaptionLoaderTest, NoBareControlNameIsLeftAsCaptionInAnyLanguage) {
    const QRegularExpression bareName(
        QStringLiteral("^(Label|Combo|Text|Command|Frame|Check|Option|List|HScroll)\\d+$"));
    for (const QString language : {"deutsch", "english", "english US"}) {
        load(language);
        for (QObject* item : window().findChildren<QObject*>()) {
            EXPECT_FALSE(bareName.match(shownCaption(item)).hasMatch())
                << language.toStdString() << ": " << item->objectName().toStdString();
        }
    }
}

TEST_F(CaptionLoaderTest, EveryControlIsHeardUnderAUniqueNameInEveryLanguage) {
    for (const QString language : {"deutsch", "english", "english US"}) {
        load(language);
        QTabWidget* tabs = window().SSTab1();
        for (int tab = 0; tab < tabs->count(); ++tab) {
            QWidget* page = tabs->widget(tab);
            const QList<QWidget*> controls = namedControls(page);
            EXPECT_GT(controls.size(), 0);
            test::expectDistinctNames(controls,
                                      language + QStringLiteral(" tab ") + QString::number(tab));
        }
        test::expectDistinctNames(namedControls(window().centralWidget()), language);
        test::expectDistinctNames(namedControls(window().statusStrip()), language);
    }
    load(QStringLiteral("deutsch"));
    EXPECT_EQ(test::heardName(control<QWidget>("Command3")),
              QStringLiteral("PI ") + languageText(QStringLiteral("deutsch"), 53));
    EXPECT_EQ(test::heardName(control<QWidget>("RT_clear1")), QStringLiteral("RT1 löschen"));
    load(QStringLiteral("english"));
    EXPECT_EQ(test::heardName(control<QWidget>("Pilot_OnOff")), QStringLiteral("pilot on/off"));
}

class BrokenLanguageFileTest : public CaptionLoaderTest {};

TEST_F(BrokenLanguageFileTest, MissingFileKeepsDesignCaptionsAndIsReportedOnce) {
    ASSERT_TRUE(QFile::remove(languageFile()));
    load(QStringLiteral("english"));
    ASSERT_EQ(messages.warnings.size(), 1);
    EXPECT_TRUE(messages.warnings.front().contains(QLatin1String(kLanguageFile)));
    EXPECT_EQ(caption("Frame2"), QStringLiteral("alternative Frequenzen"));
    EXPECT_EQ(caption("AFList_Opt(1)"), QStringLiteral("Liste 2"));
    EXPECT_EQ(caption("Gruppe(3)"), QStringLiteral("Group 3"));
    EXPECT_EQ(caption("Ende_Taste"), QStringLiteral("&Ende"));
    EXPECT_EQ(window().SSTab1()->tabText(8), QStringLiteral("* * *"));
    EXPECT_EQ(window().Mnu_Info()->title(), QStringLiteral("Info"));
    EXPECT_EQ(window().statusStrip()->statusText(0), QStringLiteral("TA"));
    // The programme types do not depend on the language file.
    EXPECT_EQ(itemsOf(window().rdsPage()->PTY_Combo1()), ptyList(QStringLiteral("PTY-Liste_E")));

    load(QStringLiteral("english"));
    load(QStringLiteral("deutsch"));
    EXPECT_EQ(messages.warnings.size(), 1);
}

TEST_F(BrokenLanguageFileTest, MissingSectionIsNamedInTheMessage) {
    load(QStringLiteral("français"));
    ASSERT_EQ(messages.warnings.size(), 1);
    EXPECT_TRUE(messages.warnings.front().contains(QStringLiteral("[français]")));
    EXPECT_EQ(caption("MS_Frame"), QStringLiteral("MS-Schalter"));
    EXPECT_EQ(window().rdsPage()->PTY_Combo1()->count(), 32);
}

TEST_F(BrokenLanguageFileTest, EmptyLanguageIsReported) {
    load(QString());
    ASSERT_EQ(messages.warnings.size(), 1);
    EXPECT_EQ(caption("Command17"), QStringLiteral("Gruppen ?"));
}

TEST_F(BrokenLanguageFileTest, UnreadableFileIsNotACrash) {
    QFile garbage(languageFile());
    ASSERT_TRUE(garbage.open(QIODevice::WriteOnly | QIODevice::Truncate));
    static constexpr char kBytes[] = "\xff\xfe\x00[\x00\x00\x00garbage=\x01\x02";
    garbage.write(QByteArray(kBytes, sizeof kBytes - 1));
    garbage.close();
    load(QStringLiteral("deutsch"));
    EXPECT_EQ(messages.warnings.size(), 1);
    EXPECT_EQ(caption("Frame11"), QStringLiteral("Test Mode"));
}

TEST_F(BrokenLanguageFileTest, MissingProgrammeTypesGiveEmptyEntriesAndAMessage) {
    load(QStringLiteral("english"), QStringLiteral("RDS"));
    ASSERT_TRUE(messages.warnings.isEmpty());
    QFile general(this->general());
    ASSERT_TRUE(general.open(QIODevice::WriteOnly | QIODevice::Truncate));
    general.write("[Sprache]\r\nSprache=english\r\nRDS_RBDS=RBDS\r\n");
    general.close();
    window().setRdsMode(QStringLiteral("RBDS"));
    window().Beschrifter();
    ASSERT_EQ(messages.warnings.size(), 1);
    EXPECT_TRUE(messages.warnings.front().contains(QStringLiteral("PTY-Liste_US")));
    EXPECT_EQ(window().rdsPage()->PTY_Combo1()->count(), 32);
    EXPECT_TRUE(window().rdsPage()->PTY_Combo1()->itemText(0).isEmpty());
}

} // namespace
} // namespace zor
