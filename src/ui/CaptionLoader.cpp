#include "ui/CaptionLoader.h"

#include "settings/OperatorMessages.h"
#include "panel/ControlText.h"
#include "panel/DisplayLabel.h"
#include "panel/GeneratorPage.h"
#include "panel/StereoPage.h"
#include "panel/StereoTexts.h"
#include "rds/AfListPage.h"
#include "rds/EonPage.h"
#include "rds/GroupsPage.h"
#include "rds/RdsPage.h"
#include "rds/RdsTexts.h"
#include "settings/Captions.h"
#include "settings/DataFolder.h"
#include "settings/IniFile.h"
#include "tmc/TmcPage.h"
#include "ui/HMenue.h"
#include "ui/QueryPage.h"
#include "ui/StatusStrip.h"
#include "ui/StorePage.h"

#include <QAction>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTabWidget>
#include <algorithm>

namespace zor {

namespace {

constexpr int kProgrammeTypes = 32;
constexpr int kWordOn = 192;
constexpr int kWordOff = 193;

// Entries of the caption text table that other parts of the program show.
constexpr int kTableEntries[] = {21,  22,  23,  24,  25,  28,  31,  32,  33,  34,  35,
                                 40,  41,  56,  57,  83,  141, 142, 143, 144, 145, 161,
                                 164, 166, 167, 168, 169, 170, 171, 172, 180, 181, 182,
                                 184, 185, 186, 187, 188, 189, 192, 193};

// Query buttons in the order of their captions 121 to 138.
constexpr int kQueryCaptions[] = {19, 17, 5, 7, 8, 4, 6, 21, 20, 9, 16, 14, 15, 1, 11, 12, 13, 18};

const QString kGerman = QStringLiteral("deutsch");

} // namespace

CaptionLoader::CaptionLoader(HMenue& window)
    : window_(window), languageFile_(window.dataFolder().file(QLatin1String(kLanguageFile))),
      generalFile_(window.dataFolder().file(QLatin1String(kGeneralFile))),
      dataSetFile_(window.dataFolder().file(QLatin1String(kDataSetFile))) {}

QString CaptionLoader::ptySection(const QString& language, const QString& mode) {
    if (language == kGerman)
        return QStringLiteral("PTY-Liste_D");
    return mode == QLatin1String("RBDS") ? QStringLiteral("PTY-Liste_US")
                                         : QStringLiteral("PTY-Liste_E");
}

void CaptionLoader::run() {
    language_ = window_.language();
    texts_.clear();
    menuCaptions();
    tabCaptions();
    stereoAndRdsCaptions();
    musicSpeechStatus();
    listAndQueryCaptions();
    programmeTypes();
    storedProgrammeTypes();
    deviationDisplays();
    textTable();
    clockAndTmcCaptions();
    trafficStatus();
    generatorCaptions();
    reportProblems();
}

QString CaptionLoader::text(int key) {
    const auto known = texts_.constFind(key);
    if (known != texts_.constEnd())
        return *known;
    const QString read = Ini_Lesen(language_, QString::number(key), languageFile_);
    texts_.insert(key, read);
    return read;
}

void CaptionLoader::caption(QObject* target, int key) {
    const QString loaded = text(key);
    setCaptionOf(target, loaded.isEmpty() ? designCaptionOf(target) : loaded);
}

void CaptionLoader::numberedCaption(QObject* target, int key, int number) {
    const QString loaded = text(key);
    setCaptionOf(target, loaded.isEmpty() ? designCaptionOf(target)
                                          : loaded + u' ' + QString::number(number));
}

void CaptionLoader::statusWord(int index, bool on) {
    QLabel* field = window_.statusStrip()->Status(index);
    const QString word = text(on ? kWordOn : kWordOff);
    field->setText(word.isEmpty() ? designCaptionOf(field) : word);
}

int CaptionLoader::storedPosition(const QString& key) const {
    bool number = false;
    const int position =
        Ini_Lesen(QStringLiteral("RDS"), key, dataSetFile_).trimmed().toInt(&number);
    return number ? position : -1;
}

void CaptionLoader::menuCaptions() {
    caption(window_.Mnu_Info(), 0);
    caption(window_.Mnu_Info_Ueber(), 1);
    caption(window_.Mnu_Info_Sprache(), 2);
    caption(window_.Mnu_Info_Sprache_D(), 3);
    caption(window_.Mnu_Info_Sprache_E(), 4);
    window_.Mnu_Info_RDS_RBDS()->setEnabled(language_ != kGerman);
}

void CaptionLoader::tabCaptions() {
    QTabWidget* tabs = window_.SSTab1();
    for (int i = 0; i < tabs->count(); ++i) {
        const QString loaded = text(10 + i);
        tabs->setTabText(i, loaded.isEmpty() ? designCaptionOf(tabs->widget(i)) : loaded);
    }
    tabs->setCurrentIndex(0);
}

void CaptionLoader::stereoAndRdsCaptions() {
    const StereoPage* stereo = window_.stereoPage();
    const RdsPage* rds = window_.rdsPage();
    caption(window_.Ende_Taste(), 6);
    caption(stereo->FM_Sorce_Frame(), 20);
    for (int i = 0; i < 4; ++i)
        caption(stereo->FM_Source_Opt(i), 22 + i);
    caption(stereo->FM_Imp_Frame(), 26);
    caption(stereo->Pre_Frame(), 27);
    caption(stereo->Pre_opt(0), 28);
    caption(stereo->Frame_stereo(), 29);
    for (int i = 0; i < 5; ++i)
        caption(stereo->Stereo_Opt(i), 31 + i);
    caption(stereo->ARI_Mode_Opt(0), kWordOff);
    for (QObject* send :
         {static_cast<QObject*>(rds->Command3()), static_cast<QObject*>(rds->PS_Taste()),
          static_cast<QObject*>(rds->RT_Taste1()),
          static_cast<QObject*>(window_.tmcPage()->TMC_Senden_Taste())})
        caption(send, 53);
    caption(rds->Frame1(), 47);
    caption(rds->TA_Option(1), 48);
    caption(rds->RT_Frame(), 49);
    caption(rds->RT_clear1(), 52);
    caption(rds->MS_Frame(), 55);
    caption(rds->MS_opt(0), 56);
    caption(rds->MS_opt(1), 57);
}

void CaptionLoader::musicSpeechStatus() {
    const RdsPage* rds = window_.rdsPage();
    const bool music =
        Ini_Lesen(QStringLiteral("RDS"), QStringLiteral("MS"), dataSetFile_) == QLatin1String("M");
    window_.statusStrip()->showStatus(1, captionOf(music ? rds->MS_opt(0) : rds->MS_opt(1)));
}

void CaptionLoader::listAndQueryCaptions() {
    const RdsPage* rds = window_.rdsPage();
    const AfListPage* af = window_.afListPage();
    const GroupsPage* groups = window_.groupsPage();
    const EonPage* eon = window_.eonPage();
    for (int i = 0; i < 8; ++i)
        caption(rds->DI_Opt(i), 59 + i);
    caption(af->Frame2(), 71);
    caption(af->AF_Bearbeiten(), 72);
    caption(af->Taste_AF_Senden(), 73);
    for (int i = 0; i < 5; ++i)
        numberedCaption(af->AFList_Opt(i), 74, i + 1);
    for (int i = 0; i < GroupsPage::kGroupTypes; ++i)
        numberedCaption(groups->Gruppe(i), 81, i);
    caption(groups->GS_Senden(), 82);
    for (QObject* send :
         {static_cast<QObject*>(eon->EON_PI_Taste()), static_cast<QObject*>(eon->EON_PS_Taste()),
          static_cast<QObject*>(eon->EON_AFB_Senden())})
        caption(send, 86);
    caption(eon->Frame3(), 87);
    for (int i = 0; i < 5; ++i)
        numberedCaption(eon->EON_AFB_Opt(i), 88, i + 1);
    caption(eon->EON_AF_Bearbeiten(), 89);
    const QueryPage* query = window_.queryPage();
    int key = 121;
    for (const int number : kQueryCaptions)
        caption(query->Command(number), key++);
    caption(query->gelesen(), 139);
    for (int i = 0; i < StorePage::kDataSets; ++i)
        caption(window_.storePage()->Store_Taste(i), 151 + i);
}

void CaptionLoader::programmeTypes() {
    ptySection_ = ptySection(language_, window_.rdsMode());
    ptyNames_.clear();
    for (int code = 0; code < kProgrammeTypes; ++code)
        ptyNames_.append(Ini_Lesen(ptySection_, QString::number(code), generalFile_));
    window_.rdsPage()->fillPtyList(ptyNames_);
    window_.eonPage()->fillEonPtyList(ptyNames_);
}

void CaptionLoader::storedProgrammeTypes() {
    RdsPage* rds = window_.rdsPage();
    const int pty = storedPosition(QStringLiteral("PTY"));
    if (pty >= 0 && pty < rds->PTY_Combo1()->count()) {
        rds->choosePty(pty);
        window_.statusStrip()->showStatus(4, rds->PTY_Combo1()->itemText(pty));
    }
    window_.eonPage()->chooseEonPty(storedPosition(QStringLiteral("EON_PTY")));
}

void CaptionLoader::chooseStoredPty() {
    RdsPage* rds = window_.rdsPage();
    const int pty = storedPosition(QStringLiteral("PTY"));
    if (pty < 0 || pty >= rds->PTY_Combo1()->count() || pty == rds->PTY_Combo1()->currentIndex())
        return;
    rds->choosePty(pty);
    window_.statusStrip()->showStatus(4, rds->PTY_Combo1()->itemText(pty));
}

void CaptionLoader::deviationDisplays() {
    const StereoPage* stereo = window_.stereoPage();
    const QString word = text(21);
    stereo->Pilot_hub_Label()->setText(
        deviationLabel(word, stereo->Pilot_Hub_Scroll()->value(), DeviationPattern::TwoDecimals));
    stereo->Ari_Label()->setText(
        deviationLabel(word, stereo->Ari_hub_Scroll()->value(), DeviationPattern::TwoDecimals));
    stereo->RDS_Hub_Label()->setText(
        deviationLabel(word, stereo->RDS_Hub_Scroll()->value(), DeviationPattern::TwoDecimals));
    stereo->FM_Hub_Label2()->setText(
        deviationLabel(word, stereo->FM_Hub_Scroll()->value(), DeviationPattern::OneDecimal));
}

void CaptionLoader::textTable() {
    Captions& texts = window_.texts();
    for (const int entry : kTableEntries)
        texts.setText(entry, text(entry));
    const RdsPage* rds = window_.rdsPage();
    rds->TA_Zeit_Label()->setText(secondsLabel(texts.text(40), rds->TA_HScroll()->value()));
    rds->TA_Rep_Label()->setText(secondsLabel(texts.text(41), rds->TA_Rep_HScroll()->value()));
}

void CaptionLoader::clockAndTmcCaptions() {
    const RdsPage* rds = window_.rdsPage();
    const TmcPage* tmc = window_.tmcPage();
    caption(rds->Uhr_Zeit(), kWordOff);
    caption(rds->Time_Frame(), 54);
    caption(tmc->TMC_Frame1(), 201);
    caption(tmc->Tmc_richtung(1), 202);
    caption(tmc->Tmc_richtung(0), 203);
    caption(tmc->TMC_Var_Label(), 204);
    caption(tmc->Label3(), 205);
    caption(tmc->Label4(), 206);
}

void CaptionLoader::trafficStatus() {
    const RdsPage* rds = window_.rdsPage();
    statusWord(0, rds->trafficAnnouncementOn());
    statusWord(10, rds->Check1()->isChecked());
}

void CaptionLoader::generatorCaptions() {
    const GeneratorPage* generator = window_.generatorPage();
    const StatusStrip* status = window_.statusStrip();
    caption(generator->RF_Freq_Frame(), 212);
    caption(generator->AF_Freq_Frame(), 215);
    caption(generator->RF_Level_Frame(), 218);
    caption(status->Status(16), 220);
    caption(status->Status(12), 221);
    caption(status->Status(15), 222);
    caption(window_.tmcPage()->TMC_Senden_Taste(), 53);
}

// A general settings file the program cannot use is the start-up's to
// report; an empty language and empty programme types follow from it.
void CaptionLoader::reportProblems() {
    const SettingsFileState general = iniFileState(generalFile_);
    const bool generalUsable =
        general == SettingsFileState::Usable || general == SettingsFileState::Missing;
    const QString languageFile = fileIgnoringCase(languageFile_);
    const SettingsFileState languageState = iniFileState(languageFile);
    const bool noText = std::all_of(texts_.cbegin(), texts_.cend(),
                                    [](const QString& loaded) { return loaded.isEmpty(); });
    QStringList problems;
    if (language_.isEmpty()) {
        if (generalUsable)
            problems << QStringLiteral("In \"%1\" ist keine Sprache eingestellt (Abschnitt "
                                       "[Sprache], Schlüssel \"Sprache\").\nNo language is set "
                                       "in \"%1\".")
                            .arg(generalFile_);
    } else if (languageState == SettingsFileState::Missing ||
               languageState == SettingsFileState::Unreadable) {
        problems << QStringLiteral("Die Sprachdatei \"%1\" fehlt oder ist nicht lesbar.\n"
                                   "The language file \"%1\" is missing or cannot be read.")
                        .arg(languageFile_);
    } else if (languageState == SettingsFileState::Unparseable) {
        problems << QStringLiteral("Die Sprachdatei \"%1\" ist keine Textdatei (sie enthält "
                                   "Nullzeichen oder eine Zeile von mehr als %2 Bytes) und wird "
                                   "weder gelesen noch verändert.\nThe language file \"%1\" is "
                                   "not a text file (it holds NUL characters or a line longer "
                                   "than %2 bytes); it is neither read nor changed.")
                        .arg(languageFile)
                        .arg(kLongestSettingsLine);
    } else if (noText) {
        problems << QStringLiteral("Die Sprachdatei \"%1\" enthält keine Texte im Abschnitt [%2].\n"
                                   "The language file \"%1\" holds no texts in section [%2].")
                        .arg(languageFile, language_);
    }
    if (generalUsable && std::all_of(ptyNames_.cbegin(), ptyNames_.cend(),
                                     [](const QString& name) { return name.isEmpty(); }))
        problems << QStringLiteral("\"%1\" enthält keine Programmtypen im Abschnitt [%2].\n"
                                   "\"%1\" holds no programme types in section [%2].")
                        .arg(generalFile_, ptySection_);

    QStringList unreported;
    for (const QString& problem : problems) {
        if (!reported_.contains(problem)) {
            reported_.insert(problem);
            unreported << problem;
        }
    }
    if (unreported.isEmpty())
        return;
    unreported << QStringLiteral("Die Fenster zeigen ihre eingebauten Texte.\n"
                                 "The window shows its built-in captions.");
    window_.messages().warn(QStringLiteral("Sprachdatei / language file"),
                            unreported.join(QStringLiteral("\n\n")));
}

} // namespace zor
