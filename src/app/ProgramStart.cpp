#include "app/ProgramStart.h"

#include "app/BusAddresses.h"
#include "link/OperatorMessages.h"
#include "panel/DisplayLabel.h"
#include "panel/StereoPage.h"
#include "rds/AfListPage.h"
#include "rds/EonPage.h"
#include "rds/GroupsPage.h"
#include "rds/RdsPage.h"
#include "settings/IniFile.h"
#include "tmc/TmcPage.h"
#include "translate/InstrumentLink.h"
#include "ui/HMenue.h"
#include "ui/Initialisation.h"

#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>
#include <QTabWidget>

namespace zor {

ProgramStart::ProgramStart(const DataFolder& data, OperatorMessages& messages)
    : data_(data), messages_(messages),
      instrument_(std::make_unique<InstrumentLink>(data_, link_, captions_, messages_)),
      window_(std::make_unique<HMenue>(data_, captions_, link_, messages_, *instrument_)),
      initialisation_(new Initialisation(*window_)) {
    wireWindow();
}

ProgramStart::~ProgramStart() = default;

QString ProgramStart::general(const char* section, const char* key) const {
    return Ini_Lesen(QLatin1String(section), QLatin1String(key),
                     data_.file(QLatin1String(kGeneralFile)));
}

// The translator asks the window for the other network's PI, the clock
// display and the time at every command; the end button leaves at once,
// touching neither the instrument nor any file.
void ProgramStart::wireWindow() {
    HMenue* window = window_.get();
    instrument_->setTranslatorInputs([window] { return window->rdsPage()->translatorInputs(); });
    QObject::connect(window->Ende_Taste(), &QPushButton::clicked, window,
                     [this] { messages_.quitProgram(); });
}

void ProgramStart::run() {
    window_->sizeAndCentre();
    chooseStoredInterface();
    link_.demoFlag = QStringLiteral("demo");
    applyBusAddresses();
    // The log flag was read with the link: the log is the link's.
    window_->showNotConnected();
    window_->setRdsMode(general("Sprache", "RDS_RBDS"));
    window_->Beschrifter();
    window_->tmcPage()->prepare();
    // Data set 1 is the only one the program ever uses.
    window_->currentValues().afEditorMode = QStringLiteral("AF");
    restorePanels();
    instrument_->log().empty();
    selectFirstTestPattern();
    window_->selectFirstPage();
    if (automaticInitialisation()) {
        initialisation_->INIT_Taste_Click();
        window_->selectFirstPage();
    }
    finishTabControl();
}

// With the serial interface the switch also loads "Rs232.ini" onto the port
// (the Initialisation hears the window's choice).
void ProgramStart::chooseStoredInterface() {
    link_.interfaceName = general("BUS", "INTERFACE");
    window_->Schnittstellen_Toggle();
}

void ProgramStart::applyBusAddresses() {
    const BusAddresses addresses = storedBusAddresses(data_);
    link_.secondAddress = addresses.second;
    window_->setBusAddress(addresses.generator);
}

// Every handler run by the restore stores and shows, but sends nothing: the
// demo flag holds until the initialisation.
void ProgramStart::restorePanels() {
    window_->tmcPage()->TMCBL3_D()->setText(QStringLiteral("0"));
    window_->stereoPage()->restore();
    window_->rdsPage()->restoreTrafficAnnouncements();
    window_->rdsPage()->restoreContent();
    window_->eonPage()->restore();
    window_->afListPage()->restore();
    window_->groupsPage()->restore();
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
