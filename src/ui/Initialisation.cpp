#include "ui/Initialisation.h"

#include "panel/GeneratorPage.h"
#include "panel/StereoPage.h"
#include "rds/AfListPage.h"
#include "rds/EonPage.h"
#include "rds/GroupsPage.h"
#include "rds/RdsPage.h"
#include "settings/Captions.h"
#include "settings/IniFile.h"
#include "settings/OperatorMessages.h"
#include "translate/Instrument.h"
#include "ui/HMenue.h"
#include "ui/QueryPage.h"

#include <QPushButton>

namespace zor {

Initialisation::Initialisation(HMenue& window)
    : QObject(&window), window_(window), instrument_(window.instrument()) {
    connect(window.INIT_Taste(), &QPushButton::clicked, this, &Initialisation::INIT_Taste_Click);
    connect(window.Command2(), &QPushButton::clicked, this, &Initialisation::Command2_Click);
    connect(window.GTL_Taste(), &QPushButton::clicked, this, &Initialisation::GTL_Taste_Click);
    instrument_.setLineLostHandler([this] { lineLost(); });
}

// The instrument outlives the window and this object.
Initialisation::~Initialisation() {
    instrument_.setLineLostHandler({});
}

// The second address belongs to another device on the same bus; with both
// at one address neither could be told apart.
bool Initialisation::addressesClash() {
    if (!instrument_.addressesClash())
        return false;
    window_.messages().warn(QStringLiteral("Fehler!"), QStringLiteral("gleiche Adressen!"));
    return true;
}

void Initialisation::INIT_Taste_Click() {
    if (addressesClash())
        return;
    if (!instrument_.connect())
        return;
    window_.queryPage()->Fragen_Schalter();
    window_.showConnected();

    sendStereoSettings();
    sendRdsSettings();
    sendEonSettings();
    window_.generatorPage()->showStoredValues(true);
}

void Initialisation::sendStereoSettings() {
    const CurrentValues& current = window_.currentValues();
    send(QStringLiteral("AM_AUS"));
    send(QStringLiteral("FM_AUS"));
    send(QStringLiteral("STEREO_EIN"));
    send(QStringLiteral("MPX_HUB"), current.mpxDeviation);
    send(QStringLiteral("MPX_SOURCE"), current.modulationSource);
    send(QStringLiteral("PREEMPHASIS"), current.preEmphasis);
    send(QStringLiteral("PILOT"), current.pilot);
    send(QStringLiteral("PILOT_HUB"), current.pilotDeviation);
    send(QStringLiteral("PILOT_PHASE"), current.pilotPhase);
    send(QStringLiteral("ARI"), current.ari);
    send(QStringLiteral("ARI-HUB"), current.ariDeviation);
    send(QStringLiteral("ARI-ID"), current.ariIdentification);
    send(QStringLiteral("RDS"), current.rds);
    send(QStringLiteral("RDS_HUB"), current.rdsDeviation);
    send(QStringLiteral("RDS_PHASE"), current.rdsPhase);
}

void Initialisation::sendRdsSettings() {
    const CurrentValues& current = window_.currentValues();
    RdsPage* rds = window_.rdsPage();
    send(QStringLiteral("PI"), current.pi);
    rds->switchTpOn();
    rds->switchTaOff();
    send(QStringLiteral("PS"), current.ps);
    window_.stereoPage()->Taste_DATA_MODE_Click();
    send(QStringLiteral("MS"), current.musicSpeech);
    send(QStringLiteral("RT"), current.radioText);
    window_.afListPage()->Taste_AF_Senden_Click();
    send(QStringLiteral("PTY"), rds->ptyValue());
}

void Initialisation::sendEonSettings() {
    const CurrentValues& current = window_.currentValues();
    send(QStringLiteral("EON_PI"), current.eonPi);
    send(QStringLiteral("EON_TA"), current.eonTa);
    send(QStringLiteral("EON_TP"), current.eonTp);
    send(QStringLiteral("EON_PS"), current.eonPs);
    window_.eonPage()->EON_AFB_Senden_Click();
    window_.groupsPage()->Gruppenfolge();
}

void Initialisation::send(const QString& key, const QString& value) {
    instrument_.send(key, value);
}

void Initialisation::Command2_Click() {
    if (addressesClash())
        return;
    window_.showDemo();
    window_.queryPage()->showAnswer(languageText(Text::DemoAnswer));
    instrument_.enterDemo();
    window_.rdsPage()->MS_opt_Click(0);
    window_.generatorPage()->showStoredValues(false);
}

void Initialisation::GTL_Taste_Click() {
    window_.showNotConnected();
    const bool bus = instrument_.interfaceInUse() == Interface::Bus;
    instrument_.goToLocal();
    if (bus)
        window_.rdsPage()->stopDynamicPs();
}

// A line that is gone is no connection: the window goes back to where
// INIT_Taste can be pressed again, as after "Local". The port is closed
// already, so releasing it sends nothing; whatever handler or query is
// still running finds the program in demo mode or the port closed.
void Initialisation::lineLost() {
    window_.showNotConnected();
    instrument_.goToLocal();
}

// Read from the language file itself: the caption text table holds only
// the entries the caption loader copies.
QString Initialisation::languageText(Text text) const {
    return Ini_Lesen(window_.language(), QString::number(textNumber(text)),
                     window_.dataFolder().file(QLatin1String(kLanguageFile)));
}

} // namespace zor
