#include "ui/CaptionLoader.h"

#include "panel/ControlText.h"
#include "panel/LanguageTexts.h"
#include "panel/TabPage.h"
#include "settings/Captions.h"
#include "settings/DataFolder.h"
#include "settings/IniFile.h"
#include "settings/MessageLanguage.h"
#include "settings/OperatorMessages.h"
#include "settings/SettingsStore.h"
#include "settings/TextTable.h"
#include "ui/HMenue.h"
#include "ui/StatusStrip.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QTabWidget>
#include <algorithm>

namespace zor {

namespace {

constexpr int kProgrammeTypes = 32;
constexpr int kFirstTabText = 10;

const QString kGerman = QStringLiteral("deutsch");

void caption(QObject* target, const LanguageTexts& texts, int text) {
    const QString loaded = texts.text(text);
    setCaptionOf(target, loaded.isEmpty() ? designCaptionOf(target) : loaded);
}

} // namespace

CaptionLoader::CaptionLoader(HMenue& window)
    : window_(window), languageFile_(window.dataFolder().file(QLatin1String(kLanguageFile))),
      generalFile_(window.dataFolder().file(QLatin1String(kGeneralFile))) {}

QString CaptionLoader::ptySection(const QString& language, const QString& mode) {
    if (language == kGerman)
        return QStringLiteral("PTY-Liste_D");
    return mode == QLatin1String("RBDS") ? QStringLiteral("PTY-Liste_US")
                                         : QStringLiteral("PTY-Liste_E");
}

void CaptionLoader::run() {
    useMessageLanguage(window_.language());
    const LanguageTexts texts(languageFile_, window_.language());
    windowCaptions(texts);
    textTable(texts);
    for (TabPage* page : window_.pages())
        page->loadCaptions(texts);
    const QString section = ptySection(texts.language(), window_.rdsMode());
    const QStringList names = programmeTypes(section);
    for (TabPage* page : window_.pages())
        page->showProgrammeTypes(names);
    report(problems(texts, section, names));
}

void CaptionLoader::windowCaptions(const LanguageTexts& texts) {
    caption(window_.Mnu_Info(), texts, 0);
    caption(window_.Mnu_Info_Ueber(), texts, 1);
    caption(window_.Mnu_Info_Sprache(), texts, 2);
    caption(window_.Mnu_Info_Sprache_D(), texts, 3);
    caption(window_.Mnu_Info_Sprache_E(), texts, 4);
    window_.Mnu_Info_RDS_RBDS()->setEnabled(texts.language() != kGerman);
    QTabWidget* tabs = window_.SSTab1();
    for (int i = 0; i < tabs->count(); ++i) {
        const QString loaded = texts.text(kFirstTabText + i);
        tabs->setTabText(i, loaded.isEmpty() ? designCaptionOf(tabs->widget(i)) : loaded);
    }
    tabs->setCurrentIndex(0);
    caption(window_.Ende_Taste(), texts, 6);
    const StatusStrip* status = window_.statusStrip();
    caption(status->Status(StatusField::RfFrequencyHeading), texts, 220);
    caption(status->Status(StatusField::RfLevelHeading), texts, 221);
    caption(status->Status(StatusField::AudioFrequencyHeading), texts, 222);
}

void CaptionLoader::textTable(const LanguageTexts& texts) {
    Captions& table = window_.texts();
    for (const int entry : textTableEntries())
        table.setText(entry, texts.text(entry));
}

QStringList CaptionLoader::programmeTypes(const QString& section) const {
    QStringList names;
    for (int code = 0; code < kProgrammeTypes; ++code)
        names.append(Ini_Lesen(section, QString::number(code), generalFile_));
    return names;
}

// A general settings file the program cannot use is the start-up's to
// report; an empty language and empty programme types follow from it.
QList<CaptionLoader::Problem> CaptionLoader::problems(const LanguageTexts& texts,
                                                      const QString& ptySection,
                                                      const QStringList& ptyNames) const {
    const SettingsFileState general = iniFileState(generalFile_);
    const bool generalUsable =
        general == SettingsFileState::Usable || general == SettingsFileState::Missing;
    const QString languageFile = fileIgnoringCase(languageFile_);
    const SettingsFileState languageState = iniFileState(languageFile);
    QList<Problem> found;
    if (texts.language().isEmpty()) {
        if (generalUsable)
            found.append({kGeneralFile, QStringLiteral("no language"),
                          spoken(QStringLiteral("In \"%1\" ist keine Sprache eingestellt "
                                                "(Abschnitt [Sprache], Schlüssel \"Sprache\")."),
                                 QStringLiteral("No language is set in \"%1\" (section "
                                                "[Sprache], key \"Sprache\")."))
                              .arg(generalFile_)});
    } else if (languageState == SettingsFileState::Missing ||
               languageState == SettingsFileState::Unreadable) {
        found.append(
            {kLanguageFile, QStringLiteral("missing"),
             spoken(QStringLiteral("Die Sprachdatei \"%1\" fehlt oder ist nicht lesbar."),
                    QStringLiteral("The language file \"%1\" is missing or cannot be read."))
                 .arg(languageFile_)});
    } else if (languageState == SettingsFileState::Unparseable) {
        found.append({kLanguageFile, QStringLiteral("binary"),
                      spoken(QStringLiteral("Die Sprachdatei \"%1\" ist keine Textdatei (sie "
                                            "enthält Nullzeichen oder eine Zeile von mehr als %2 "
                                            "Bytes) und wird weder gelesen noch verändert."),
                             QStringLiteral("The language file \"%1\" is not a text file (it "
                                            "holds NUL characters or a line longer than %2 bytes); "
                                            "it is neither read nor changed."))
                          .arg(languageFile)
                          .arg(kLongestSettingsLine)});
    } else if (texts.noneFound()) {
        found.append({kLanguageFile, QStringLiteral("no texts in ") + texts.language(),
                      spoken(QStringLiteral("Die Sprachdatei \"%1\" enthält keine Texte im "
                                            "Abschnitt [%2]."),
                             QStringLiteral("The language file \"%1\" holds no texts in section "
                                            "[%2]."))
                          .arg(languageFile, texts.language())});
    }
    if (generalUsable && std::all_of(ptyNames.cbegin(), ptyNames.cend(),
                                     [](const QString& name) { return name.isEmpty(); }))
        found.append(
            {kGeneralFile, QStringLiteral("no programme types in ") + ptySection,
             spoken(QStringLiteral("\"%1\" enthält keine Programmtypen im Abschnitt [%2]."),
                    QStringLiteral("\"%1\" holds no programme types in section [%2]."))
                 .arg(generalFile_, ptySection)});
    return found;
}

// Each problem is told once per run; one about a file the start-up has
// already told of follows from that and is never told.
void CaptionLoader::report(const QList<Problem>& found) {
    const SettingsStore& settings = window_.settings();
    QStringList unreported;
    for (const Problem& problem : found) {
        if (reported_.contains(problem.what))
            continue;
        reported_.insert(problem.what);
        if (!settings.toldAtStartUp(problem.file))
            unreported << problem.text;
    }
    if (unreported.isEmpty())
        return;
    unreported << spoken(QStringLiteral("Das Fenster zeigt seine eingebauten Texte."),
                         QStringLiteral("The window shows its built-in captions."));
    window_.messages().warn(spoken(QStringLiteral("Sprachdatei"), QStringLiteral("Language file")),
                            unreported.join(QStringLiteral("\n\n")));
}

} // namespace zor
