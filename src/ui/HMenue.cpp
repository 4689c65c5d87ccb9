#include "ui/HMenue.h"

#include "panel/AccessibleNames.h"
#include "panel/ControlText.h"
#include "panel/DisplayLabel.h"
#include "panel/GeneratorPage.h"
#include "panel/StereoPage.h"
#include "rds/AfListPage.h"
#include "rds/EonPage.h"
#include "rds/GroupsPage.h"
#include "rds/RdsPage.h"
#include "settings/MessageLanguage.h"
#include "settings/OperatorMessages.h"
#include "tmc/TmcPage.h"
#include "translate/Instrument.h"
#include "ui/AboutBox.h"
#include "ui/CaptionLoader.h"
#include "ui/QueryPage.h"
#include "ui/RS232Set.h"
#include "ui/StatusStrip.h"
#include "ui/StorePage.h"
#include "ui/TabControl.h"

#include <QAction>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>

namespace zor {

HMenue::HMenue(const DataFolder& data, Captions& texts, OperatorMessages& messages,
               Instrument& instrument, CurrentValues& current, QWidget* parent)
    : QMainWindow(parent), client_(prepareClient(data)),
      status_(new StatusStrip(data.path(), client_)),
      settings_(data, messages), context_{data,     settings_,  *status_, texts,
                                          messages, instrument, current},
      loader_(std::make_unique<CaptionLoader>(*this)) {
    status_->setGeometry(twipsToPixels(TwipRect{0, 0, kClientWidth, 585}));
    buildPages();
    buildBottomBar();
    buildMenu();
    connectHandlers();
    RSCOM1_ = new QObject(this);
    RSCOM1_->setObjectName(QStringLiteral("RSCOM1"));
    refreshWindowNames();
    sizeAndCentre();
}

HMenue::~HMenue() = default;

void HMenue::buildPages() {
    auto* tabs = new TabControl(client_);
    tabs->setObjectName(QStringLiteral("SSTab1"));
    tabs->setGeometry(twipsToPixels(TwipRect{120, 600, 8655, 4695}));
    SSTab1_ = tabs;

    stereo_ = new StereoPage(context_);
    rds_ = new RdsPage(context_);
    afList_ = new AfListPage(context_);
    groups_ = new GroupsPage(context_);
    eon_ = new EonPage(context_);
    query_ = new QueryPage(context_);
    store_ = new StorePage(context_);
    tmc_ = new TmcPage(context_);
    generator_ = new GeneratorPage(context_);

    const std::pair<TabPage*, const char*> pages[] = {
        {stereo_, "FM / Stereo"}, {rds_, "R D S"}, {afList_, "AF Liste"},
        {groups_, "Gruppen"},     {eon_, "E O N"}, {query_, "Fragen"},
        {store_, "Speichern"},    {tmc_, "T M C"}, {generator_, "* * *"},
    };
    for (const auto& [page, caption] : pages) {
        SSTab1_->addTab(page, QString::fromUtf8(caption));
        setDesignCaption(page, QString::fromUtf8(caption));
        pages_.append(page);
    }
    // The EON TA pulse depends on the own programme's TP and TA.
    eon_->followOwnTraffic(*rds_);
}

void HMenue::connectHandlers() {
    connect(Adr1_VScroll_, &QScrollBar::valueChanged, this, &HMenue::showBusAddress);
    connect(Mnu_Info_Interface_COM_, &QAction::triggered, this,
            [this] { chooseInterface(Interface::Serial); });
    connect(Mnu_Info_Interface_IEC_, &QAction::triggered, this,
            [this] { chooseInterface(Interface::Bus); });
    connect(Mnu_Info_Ueber_, &QAction::triggered, this, &HMenue::showAbout);
    // Opening the language menu keeps the pilot phase on file.
    connect(Mnu_Info_Sprache_, &QMenu::aboutToShow, stereo_, &StereoPage::storePilotPhase);
    connect(Mnu_Info_Sprache_D_, &QAction::triggered, this,
            [this] { chooseLanguage(QStringLiteral("deutsch")); });
    connect(Mnu_Info_Sprache_E_, &QAction::triggered, this,
            [this] { chooseLanguage(QStringLiteral("english")); });
    connect(Mnu_Info_RDS_RBDS_, &QAction::triggered, this, &HMenue::switchRdsMode);
    connect(Mnu_Info_RS232_, &QAction::triggered, this, &HMenue::openSerialSettings);
}

void HMenue::refreshWindowNames() {
    const bool german = language_ == QLatin1String("deutsch");
    refreshAccessibleNames(client_, german);
    refreshAccessibleNames(status_, german);
    for (int i = 0; i < SSTab1_->count(); ++i)
        refreshAccessibleNames(SSTab1_->widget(i), german);
}

void HMenue::sizeAndCentre() {
    const QSize client = twipsToPixels(kClientWidth, kClientHeight);
    resize(client.width(), client.height() + menuBar()->sizeHint().height());
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect free = screen->availableGeometry();
        move(free.center() - QPoint(frameGeometry().width() / 2, frameGeometry().height() / 2));
    }
}

void HMenue::Beschrifter() {
    language_ = settings_.read(kGeneralFile, "Sprache", "Sprache");
    runCaptionLoader();
}

void HMenue::runCaptionLoader() {
    loader_->run();
    refreshWindowNames();
}

void HMenue::Schnittstellen_Toggle() {
    const bool serial = context_.instrument.interfaceInUse() == Interface::Serial;
    for (QWidget* address : {static_cast<QWidget*>(Adr1_VScroll_),
                             static_cast<QWidget*>(Adr1_Label_), static_cast<QWidget*>(Label6_)})
        address->setVisible(!serial);
    Mnu_Info_RS232_->setEnabled(serial);
    Mnu_Info_Interface_COM_->setEnabled(!serial);
    Mnu_Info_Interface_IEC_->setEnabled(serial);
    INIT_Taste_->setText(serial ? QStringLiteral("Init COM") : QStringLiteral("Init IEEE"));
    refreshAccessibleNames(client_, language_ == QLatin1String("deutsch"));
}

void HMenue::showNotConnected() {
    SSTab1_->setEnabled(false);
    Frame7_->setEnabled(false);
    Frame8_->setEnabled(true);
    Command2_->setEnabled(true);
    INIT_Taste_->setEnabled(true);
    Ende_Taste_->setEnabled(true);
    Mnu_Info_Interface_->menuAction()->setEnabled(true);
    Mnu_Info_RS232_->setEnabled(context_.instrument.interfaceInUse() == Interface::Serial);
    for (TabPage* page : pages_)
        page->disconnected();
}

void HMenue::showDemo() {
    SSTab1_->setEnabled(true);
    Frame7_->setEnabled(true);
    Frame8_->setEnabled(true);
    GTL_Taste_->setEnabled(false);
    Command2_->setEnabled(false);
    INIT_Taste_->setEnabled(false);
    Ende_Taste_->setEnabled(true);
}

void HMenue::showConnected() {
    SSTab1_->setEnabled(true);
    Frame7_->setEnabled(true);
    GTL_Taste_->setEnabled(true);
    Frame8_->setEnabled(false);
    Command2_->setEnabled(false);
    INIT_Taste_->setEnabled(false);
    Ende_Taste_->setEnabled(false);
    Mnu_Info_RS232_->setEnabled(false);
    Mnu_Info_Interface_->menuAction()->setEnabled(false);
}

void HMenue::setBusAddress(int address) {
    Adr1_VScroll_->setValue(address);
    showBusAddress(Adr1_VScroll_->value());
}

void HMenue::showBusAddress(int address) {
    Adr1_Label_->setText(QString::number(address));
    context_.instrument.setGeneratorAddress(address);
}

void HMenue::setRdsMode(const QString& mode) {
    rdsMode_ = mode == QLatin1String("RBDS") ? QStringLiteral("RBDS") : QStringLiteral("RDS");
    Mnu_Info_RDS_RBDS_->setText(rdsMode_ == QLatin1String("RDS") ? QStringLiteral("RBDS")
                                                                 : QStringLiteral("RDS"));
}

void HMenue::selectFirstPage() {
    SSTab1_->setCurrentIndex(0);
}

void HMenue::showAbout() {
    context_.messages.warn(QString(), aboutText());
}

// The dialog lives only while it is shown; each opening reads the settings
// file afresh.
void HMenue::openSerialSettings() {
    RS232Set dialog(context_.instrument, context_.messages, this);
    refreshAccessibleNames(&dialog, language_ == QLatin1String("deutsch"));
    dialog.exec();
}

bool HMenue::storeGeneral(const QString& section, const QString& key, const QString& value) {
    return settings_.write(kGeneralFile, section, key, value);
}

void HMenue::chooseInterface(Interface chosen) {
    context_.instrument.useInterface(chosen);
    storeGeneral(QStringLiteral("BUS"), QStringLiteral("Interface"),
                 chosen == Interface::Serial ? QStringLiteral("COM") : QStringLiteral("IEC"));
    Schnittstellen_Toggle();
}

void HMenue::chooseLanguage(const QString& language) {
    language_ = language;
    useMessageLanguage(language);
    if (storeGeneral(QStringLiteral("Sprache"), QStringLiteral("Sprache"), language))
        Beschrifter();
    else
        runCaptionLoader();
}

// The entry names the mode a click selects: the one not in force. The
// caption loader chooses the stored programme type in the new list.
void HMenue::switchRdsMode() {
    setRdsMode(rdsMode_ == QLatin1String("RDS") ? QStringLiteral("RBDS") : QStringLiteral("RDS"));
    storeGeneral(QStringLiteral("Sprache"), QStringLiteral("RDS_RBDS"), rdsMode_);
    Beschrifter();
}

} // namespace zor
