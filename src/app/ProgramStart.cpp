#include "app/ProgramStart.h"

#include "panel/TabPage.h"
#include "settings/IniFile.h"
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

ProgramStart::ProgramStart(const DataFolder& data, OperatorMessages& messages)
    : data_(data), messages_(messages), instrument_(std::make_unique<InstrumentLink>(
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
        messages_.warn(QStringLiteral("Befehlsprotokoll / command log"), problem);
    window_->selectFirstPage();
    if (automaticInitialisation()) {
        initialisation_->INIT_Taste_Click();
        window_->selectFirstPage();
    }
    finishTabControl();
    window_->settings().startUpDone();
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
    const QString title = QStringLiteral("Datenordner / data folder");
    if (!folder.isDir()) {
        messages_.warn(
            title,
            QStringLiteral("Den Datenordner \"%1\" gibt es nicht. Das Programm zeigt seine "
                           "eingebauten Texte und Werte; geänderte Einstellungen werden nicht "
                           "gespeichert.\nThe data folder \"%1\" does not exist. The program "
                           "shows its built-in texts and values; changed settings are not saved.")
                .arg(data_.path()));
        window_->settings().startUpToldMissingFolder();
        return;
    }
    if (!folder.isWritable())
        messages_.warn(title,
                       QStringLiteral("Der Datenordner \"%1\" ist schreibgeschützt: geänderte "
                                      "Einstellungen werden nicht gespeichert.\nThe data folder "
                                      "\"%1\" is read-only: changed settings are not saved.")
                           .arg(data_.path()));
    for (const char* name : {kGeneralFile, kDataSetFile, kSerialFile})
        reportBrokenSettingsFile(name);
}

void ProgramStart::reportBrokenSettingsFile(const char* name) {
    const QString file = fileIgnoringCase(data_.file(QLatin1String(name)));
    const QString title = QStringLiteral("Einstellungsdatei / settings file");
    switch (iniFileState(file)) {
    case SettingsFileState::Missing:
    case SettingsFileState::Usable:
        return;
    case SettingsFileState::Unreadable:
        messages_.warn(title, QStringLiteral("Die Datei \"%1\" lässt sich nicht lesen. Ihre "
                                             "Einstellungen gelten als leer und werden nicht "
                                             "gespeichert.\nThe file \"%1\" cannot be read. Its "
                                             "settings count as empty and are not saved.")
                                  .arg(file));
        break;
    case SettingsFileState::Unparseable:
        messages_.warn(
            title,
            QStringLiteral("Die Datei \"%1\" ist keine Einstellungsdatei: Sie enthält "
                           "Nullzeichen oder eine Zeile von mehr als %2 Bytes. Das Programm liest "
                           "sie nicht und verändert sie nicht; ihre Einstellungen gelten als leer "
                           "und werden nicht gespeichert.\nThe file \"%1\" is not a settings "
                           "file: it holds NUL characters or a line longer than %2 bytes. The "
                           "program neither reads nor changes it; its settings count as empty "
                           "and are not saved.")
                .arg(file)
                .arg(kLongestSettingsLine));
        break;
    }
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

bool ProgramStart::automaticInitialisation() const {
    return general("BUS", "IECBUS").toUpper() == QLatin1String("AUTO");
}

// The tab widths follow the captions, which are final only now.
void ProgramStart::finishTabControl() {
    window_->SSTab1()->tabBar()->updateGeometry();
    window_->SSTab1()->updateGeometry();
}

} // namespace zor
