#include "app/ProgramStart.h"

#include "panel/TabPage.h"
#include "settings/IniFile.h"
#include "settings/MessageLanguage.h"
#include "settings/OperatorMessages.h"
#include "settings/SettingsStore.h"
#include "tmc/TmcPage.h"
#include "translate/Clock.h"
#include "translate/InstrumentLink.h"
#include "ui/HMenue.h"
#include "ui/Initialisation.h"

#include <QFileInfo>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>

namespace zor {

namespace {

// The start-up's messages, the link's among them, speak the stored language
// from the start.
const DataFolder& speakingItsLanguage(const DataFolder& data) {
    useMessageLanguage(Ini_Lesen(QStringLiteral("Sprache"), QStringLiteral("Sprache"),
                                 data.file(QLatin1String(kGeneralFile))));
    return data;
}

} // namespace

ProgramStart::ProgramStart(const DataFolder& data, OperatorMessages& messages)
    : data_(speakingItsLanguage(data)), messages_(messages), instrument_(std::make_unique<InstrumentLink>(
                                            data_, captions_, messages_, current_, systemClock())),
      window_(std::make_unique<HMenue>(data_, captions_, messages_, *instrument_, current_)),
      initialisation_(new Initialisation(*window_)) {
    wireWindow();
}

ProgramStart::~ProgramStart() = default;

QString ProgramStart::general(const char* section, const char* key) const {
    return Ini_Lesen(QLatin1String(section), QLatin1String(key),
                     data_.file(QLatin1String(kGeneralFile)));
}

// The end button leaves at once, touching neither the instrument nor any
// file.
void ProgramStart::wireWindow() {
    HMenue* window = window_.get();
    QObject::connect(window->Ende_Taste(), &QPushButton::clicked, window,
                     [this] { messages_.quitProgram(); });
}

void ProgramStart::run() {
    reportBrokenDataFolder();
    window_->sizeAndCentre();
    chooseStoredInterface();
    instrument_->enterDemo();
    window_->setBusAddress(instrument_->generatorAddress());
    // The log flag was read with the link: the log is the link's.
    window_->showNotConnected();
    window_->setRdsMode(general("Sprache", "RDS_RBDS"));
    window_->Beschrifter();
    window_->tmcPage()->prepare();
    // Data set 1 is the only one the program ever uses.
    window_->currentValues().afEditorMode = QStringLiteral("AF");
    restorePages();
    instrument_->emptyLog();
    if (const QString problem = instrument_->logProblem(); !problem.isEmpty())
        messages_.warn(spoken(QStringLiteral("Befehlsprotokoll"), QStringLiteral("Command log")),
                       problem);
    window_->selectFirstPage();
    if (automaticInitialisation()) {
        initialisation_->INIT_Taste_Click();
        window_->selectFirstPage();
    }
    finishTabControl();
    window_->settings().startUpDone();
    messages_.startUpDone();
}

// Told before anything reads the folder. The settings store keeps what was
// told, so that nothing of the start-up that follows from it is told again:
// a setting that cannot be stored in a missing folder or an unusable file,
// the catalogues and the language of a missing folder. A read-only folder is
// not marked: what the restore stores back is never told anyway, and
// anything else that cannot be stored is. The language file is the caption
// loader's to report.
void ProgramStart::reportBrokenDataFolder() {
    const QFileInfo folder(data_.path());
    const QString title = spoken(QStringLiteral("Datenordner"), QStringLiteral("Data folder"));
    if (!folder.isDir()) {
        messages_.warn(title,
                       spoken(QStringLiteral("Den Datenordner \"%1\" gibt es nicht. Das Programm "
                                             "zeigt seine eingebauten Texte und Werte; geänderte "
                                             "Einstellungen werden nicht gespeichert."),
                              QStringLiteral("The data folder \"%1\" does not exist. The program "
                                             "shows its built-in texts and values; changed "
                                             "settings are not saved."))
                           .arg(data_.path()));
        window_->settings().startUpToldMissingFolder();
        return;
    }
    if (!folder.isWritable())
        messages_.warn(title,
                       spoken(QStringLiteral("Der Datenordner \"%1\" ist schreibgeschützt: "
                                             "geänderte Einstellungen werden nicht gespeichert."),
                              QStringLiteral("The data folder \"%1\" is read-only: changed "
                                             "settings are not saved."))
                           .arg(data_.path()));
    for (const char* name : {kGeneralFile, kDataSetFile, kSerialFile})
        reportBrokenSettingsFile(name);
}

void ProgramStart::reportBrokenSettingsFile(const char* name) {
    const QString file = fileIgnoringCase(data_.file(QLatin1String(name)));
    const QString title =
        spoken(QStringLiteral("Einstellungsdatei"), QStringLiteral("Settings file"));
    switch (iniFileState(file)) {
    case SettingsFileState::Missing:
    case SettingsFileState::Usable:
        return;
    case SettingsFileState::Unreadable:
        messages_.warn(title,
                       spoken(QStringLiteral("Die Datei \"%1\" lässt sich nicht lesen. Ihre "
                                             "Einstellungen gelten als leer und werden nicht "
                                             "gespeichert."),
                              QStringLiteral("The file \"%1\" cannot be read. Its settings count "
                                             "as empty and are not saved."))
                           .arg(file));
        break;
    case SettingsFileState::Unparseable:
        messages_.warn(
            title,
            spoken(QStringLiteral("Die Datei \"%1\" ist keine Einstellungsdatei: Sie enthält "
                                  "Nullzeichen oder eine Zeile von mehr als %2 Bytes. Das "
                                  "Programm liest sie nicht und verändert sie nicht; ihre "
                                  "Einstellungen gelten als leer und werden nicht gespeichert."),
                   QStringLiteral("The file \"%1\" is not a settings file: it holds NUL "
                                  "characters or a line longer than %2 bytes. The program neither "
                                  "reads nor changes it; its settings count as empty and are not "
                                  "saved."))
                .arg(file)
                .arg(kLongestSettingsLine));
        break;
    }
    if (QLatin1String(name) != QLatin1String(kSerialFile))
        unreadableSettings_ = file;
    window_->settings().startUpToldFile(name);
}

// The link read the stored interface when it was built; with the serial
// interface, choosing it loads "Rs232.ini" onto the port.
void ProgramStart::chooseStoredInterface() {
    instrument_->useInterface(instrument_->interfaceInUse());
    window_->Schnittstellen_Toggle();
}

// Every handler run by the restore stores and shows, but sends nothing: the
// demo flag holds until the initialisation.
void ProgramStart::restorePages() {
    for (TabPage* page : window_->pages())
        page->restore();
}

// The initialisation would send the settings the window shows; over a file
// it cannot read those are empty, and the instrument keeps its own instead.
bool ProgramStart::automaticInitialisation() {
    if (general("BUS", "IECBUS").toUpper() != QLatin1String("AUTO"))
        return false;
    if (unreadableSettings_.isEmpty())
        return true;
    messages_.warn(
        spoken(QStringLiteral("Initialisierung"), QStringLiteral("Initialisation")),
        spoken(QStringLiteral("Die Initialisierung beim Start ist unterblieben: \"%1\" lässt "
                              "sich nicht lesen, und sie hätte leere Werte an das Gerät gesandt. "
                              "\"Init\" verbindet, sobald die Datei in Ordnung ist."),
               QStringLiteral("The initialisation at start did not run: \"%1\" cannot be read, "
                              "and it would have sent empty values to the instrument. \"Init\" "
                              "connects once the file is in order."))
            .arg(unreadableSettings_));
    return false;
}

// The tab widths follow the captions, which are final only now.
void ProgramStart::finishTabControl() {
    window_->SSTab1()->tabBar()->updateGeometry();
    window_->SSTab1()->updateGeometry();
}

} // namespace zor
