#include "app/ProgramStart.h"

#include "settings/OperatorMessages.h"
#include "panel/DisplayLabel.h"
#include "panel/StereoPage.h"
#include "rds/AfListPage.h"
#include "rds/EonPage.h"
#include "rds/GroupsPage.h"
#include "rds/RdsPage.h"
#include "settings/IniFile.h"
#include "tmc/TmcPage.h"
#include "translate/Clock.h"
#include "translate/InstrumentLink.h"
#include "ui/HMenue.h"
#include "ui/Initialisation.h"

#include <QFileInfo>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>
#include <QTabWidget>
#include <algorithm>

namespace zor {

// Between the program and the operator. Once the start-up has told of a
// missing data folder or a settings file it cannot use, a warning during the
// start-up that names it, or a file in the missing folder, follows from that
// problem and is not told again: the restore's writes into a file that is no
// settings file, the catalogues of a missing folder. Of a read-only folder
// only the restore's writes follow, so only warnings during the restore are
// held back for it. After the start-up every warning reaches the operator,
// so a setting changed by hand that cannot be stored is told as always.
// Every message names its files in double quotes.
class ProgramStart::ToldProblems final : public OperatorMessages {
public:
    explicit ToldProblems(OperatorMessages& operatorMessages) : operator_(operatorMessages) {}

    // Tells `text` about the file `path`, or about the folder `path` and its
    // files when it ends with "/".
    void tell(const QString& title, const QString& text, const QString& path) {
        operator_.warn(title, text);
        told_ << u'"' + path;
    }

    // Tells `text` about the read-only folder `path` (ending with "/").
    void tellReadOnly(const QString& title, const QString& text, const QString& path) {
        operator_.warn(title, text);
        readOnly_ = u'"' + path;
    }

    void restoring(bool running) { restoring_ = running; }

    // The start-up is over: warnings pass unfiltered from now on.
    void startUpDone() {
        told_.clear();
        readOnly_.clear();
    }

    void warn(const QString& title, const QString& text) override {
        if (!followsFromTold(text))
            operator_.warn(title, text);
    }
    void critical(const QString& title, const QString& text) override {
        operator_.critical(title, text);
    }
    bool askCritical(const QString& title, const QString& text) override {
        return operator_.askCritical(title, text);
    }
    void quitProgram() override { operator_.quitProgram(); }
    void processPendingEvents() override { operator_.processPendingEvents(); }

private:
    // File names match without regard to case, as everywhere in the folder.
    bool followsFromTold(const QString& text) const {
        if (restoring_ && !readOnly_.isEmpty() && text.contains(readOnly_, Qt::CaseInsensitive))
            return true;
        return std::any_of(told_.cbegin(), told_.cend(), [&text](const QString& quoted) {
            return text.contains(quoted, Qt::CaseInsensitive);
        });
    }

    OperatorMessages& operator_;
    QStringList told_;
    QString readOnly_;
    bool restoring_ = false;
};

ProgramStart::ProgramStart(const DataFolder& data, OperatorMessages& messages)
    : data_(data), messages_(std::make_unique<ToldProblems>(messages)),
      instrument_(std::make_unique<InstrumentLink>(data_, captions_, *messages_, current_,
                                                   systemClock())),
      window_(std::make_unique<HMenue>(data_, captions_, *messages_, *instrument_, current_)),
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
                     [this] { messages_->quitProgram(); });
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
    restorePanels();
    instrument_->emptyLog();
    if (const QString problem = instrument_->logProblem(); !problem.isEmpty())
        messages_->warn(QStringLiteral("Befehlsprotokoll / command log"), problem);
    selectFirstTestPattern();
    window_->selectFirstPage();
    if (automaticInitialisation()) {
        initialisation_->INIT_Taste_Click();
        window_->selectFirstPage();
    }
    finishTabControl();
    messages_->startUpDone();
}

// Told before anything reads the folder; what follows from these problems
// is not told again (ToldProblems). The language file is the caption
// loader's to report.
void ProgramStart::reportBrokenDataFolder() {
    const QFileInfo folder(data_.path());
    const QString title = QStringLiteral("Datenordner / data folder");
    const QString files = data_.file(QString());
    if (!folder.isDir()) {
        messages_->tell(
            title,
            QStringLiteral("Den Datenordner \"%1\" gibt es nicht. Das Programm zeigt seine "
                           "eingebauten Texte und Werte; geänderte Einstellungen werden nicht "
                           "gespeichert.\nThe data folder \"%1\" does not exist. The program "
                           "shows its built-in texts and values; changed settings are not saved.")
                .arg(data_.path()),
            files);
        return;
    }
    if (!folder.isWritable())
        messages_->tellReadOnly(
            title,
            QStringLiteral("Der Datenordner \"%1\" ist schreibgeschützt: geänderte "
                           "Einstellungen werden nicht gespeichert.\nThe data folder "
                           "\"%1\" is read-only: changed settings are not saved.")
                .arg(data_.path()),
            files);
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
        messages_->tell(title,
                        QStringLiteral("Die Datei \"%1\" lässt sich nicht lesen. Ihre "
                                       "Einstellungen gelten als leer und werden nicht "
                                       "gespeichert.\nThe file \"%1\" cannot be read. Its "
                                       "settings count as empty and are not saved.")
                            .arg(file),
                        file + u'"');
        return;
    case SettingsFileState::Unparseable:
        messages_->tell(
            title,
            QStringLiteral("Die Datei \"%1\" ist keine Einstellungsdatei: Sie enthält "
                           "Nullzeichen oder eine Zeile von mehr als %2 Bytes. Das Programm liest "
                           "sie nicht und verändert sie nicht; ihre Einstellungen gelten als leer "
                           "und werden nicht gespeichert.\nThe file \"%1\" is not a settings "
                           "file: it holds NUL characters or a line longer than %2 bytes. The "
                           "program neither reads nor changes it; its settings count as empty "
                           "and are not saved.")
                .arg(file)
                .arg(kLongestSettingsLine),
            file + u'"');
        return;
    }
}

// The link read the stored interface when it was built; with the serial
// interface, choosing it loads "Rs232.ini" onto the port.
void ProgramStart::chooseStoredInterface() {
    instrument_->useInterface(instrument_->interfaceInUse());
    window_->Schnittstellen_Toggle();
}

// Every handler run by the restore stores and shows, but sends nothing: the
// demo flag holds until the initialisation.
void ProgramStart::restorePanels() {
    messages_->restoring(true);
    window_->tmcPage()->TMCBL3_D()->setText(QStringLiteral("0"));
    window_->stereoPage()->restore();
    window_->rdsPage()->restoreTrafficAnnouncements();
    window_->rdsPage()->restoreContent();
    window_->eonPage()->restore();
    window_->afListPage()->restore();
    window_->groupsPage()->restore();
    messages_->restoring(false);
}

void ProgramStart::selectFirstTestPattern() {
    if (QRadioButton* first = window_->stereoPage()->TestDat_Opt(0))
        first->setChecked(true);
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
