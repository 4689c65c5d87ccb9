#include "ui/HMenue.h"

#include "settings/OperatorMessages.h"
#include "settings/ProgramTitle.h"
#include "panel/AccessibleNames.h"
#include "panel/ControlText.h"
#include "panel/DisplayLabel.h"
#include "panel/Fonts.h"
#include "panel/GeneratorPage.h"
#include "panel/PageKit.h"
#include "panel/Pictures.h"
#include "panel/SettingNotSaved.h"
#include "panel/StereoPage.h"
#include "panel/StereoTexts.h"
#include "rds/AfListPage.h"
#include "rds/EonPage.h"
#include "rds/GroupsPage.h"
#include "rds/RdsPage.h"
#include "settings/IniFile.h"
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
#include <QFileInfo>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QTimer>

namespace zor {

namespace {

constexpr int kClientWidth = 9930;
constexpr int kClientHeight = 6225;
// Room for the title bar, the menu bar and the border at 96 dpi.
constexpr int kDecorationWidth = 20;
constexpr int kDecorationHeight = 70;
constexpr int kHighestAddress = 30;
const QColor kWindowGrey(192, 192, 192);

// Fixes the twip scale for the screen before any control is placed, and
// gives the window its face and colour.
QWidget* prepareClient(QMainWindow* window, const DataFolder& data) {
    const QScreen* screen = QGuiApplication::primaryScreen();
    const QSize needed((kClientWidth + 14) / 15 + kDecorationWidth,
                       (kClientHeight + 14) / 15 + kDecorationHeight);
    if (screen)
        setTwipScale(fittingTwipScale(screen->logicalDotsPerInch(),
                                      screen->availableGeometry().size(), needed));

    window->setObjectName(QStringLiteral("HMenue"));
    window->setWindowTitle(QLatin1String(kProgramTitle));
    const QString icon = fileIgnoringCase(data.file(QLatin1String(kWindowIconPicture)));
    if (QFileInfo(icon).isFile())
        window->setWindowIcon(QIcon(icon));
    window->setFont(windowFont());
    QPalette grey = window->palette();
    grey.setColor(QPalette::Window, kWindowGrey);
    grey.setColor(QPalette::Button, kWindowGrey);
    window->setPalette(grey);

    auto* client = new QWidget(window);
    client->setObjectName(QStringLiteral("HMenue_Client"));
    client->setFixedSize(twipsToPixels(kClientWidth, kClientHeight));
    window->setCentralWidget(client);
    return client;
}

} // namespace

HMenue::HMenue(const DataFolder& data, Captions& texts, OperatorMessages& messages,
               Instrument& instrument, CurrentValues& current, QWidget* parent)
    : QMainWindow(parent), client_(prepareClient(this, data)),
      status_(new StatusStrip(data.path(), client_)),
      context_{data, *status_, texts, messages, instrument, current},
      loader_(std::make_unique<CaptionLoader>(*this)) {
    status_->setGeometry(twipsToPixels(TwipRect{0, 0, kClientWidth, 585}));
    buildPages();
    buildBottomBar();
    buildMenu();
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

    const std::pair<QWidget*, const char*> pages[] = {
        {stereo_, "FM / Stereo"}, {rds_, "R D S"}, {afList_, "AF Liste"},
        {groups_, "Gruppen"},     {eon_, "E O N"}, {query_, "Fragen"},
        {store_, "Speichern"},    {tmc_, "T M C"}, {generator_, "* * *"},
    };
    for (const auto& [page, caption] : pages) {
        SSTab1_->addTab(page, QString::fromUtf8(caption));
        setDesignCaption(page, QString::fromUtf8(caption));
    }
    // The data mode button and the test patterns sit on the stereo page but
    // belong to the RDS data; the EON TA pulse depends on the own TP and TA.
    rds_->attachTestMode(*stereo_);
    eon_->followOwnTraffic(*rds_);
}

void HMenue::buildBottomBar() {
    PageKit kit(client_, context_.data.path());
    Frame8_ = kit.frame(client_, QStringLiteral("Frame8"), {120, 5280, 6735, 855}, QString(),
                        {"Start und Verbindung", "start and connection"});
    Frame7_ = kit.frame(client_, QStringLiteral("Frame7"), {6840, 5280, 1935, 855}, QString(),
                        {"Fernsteuerung", "remote control"});

    Ende_Taste_ = kit.button(Frame8_, QStringLiteral("Ende_Taste"), {120, 240, 975, 495},
                             QStringLiteral("&Ende"), {"Programm", "program"});
    Command2_ = kit.button(Frame8_, QStringLiteral("Command2"), {1200, 240, 1095, 495},
                           QStringLiteral("&Demo"), {"Demo-Modus", "demo mode"});
    INIT_Taste_ =
        kit.button(Frame8_, QStringLiteral("INIT_Taste"), {2400, 240, 1095, 495},
                   QStringLiteral("IEC &Bus INIT"), {"Initialisierung", "initialisation"});
    Label6_ = kit.label(Frame8_, QStringLiteral("Label6"), {3720, 120, 975, 255},
                        QStringLiteral("IEC Addr."), {"IEC-Adresse", "IEC address"});
    Adr1_Label_ = kit.display(Frame8_, QStringLiteral("Adr1_Label"), {3960, 360, 615, 375},
                              {"Geräteadresse", "device address"}, true, QStringLiteral("0"));
    Adr1_Label_->setFont(designFont(FontFace::Sans, 12, true));
    Adr1_VScroll_ =
        kit.stepControl(Frame8_, QStringLiteral("Adr1_VScroll"), {3720, 360, 255, 375}, 0,
                        kHighestAddress, 1, {"Geräteadresse einstellen", "set device address"});
    raiseTowardsTop(Adr1_VScroll_);
    Adr1_VScroll_->setValue(kHighestAddress);
    connect(Adr1_VScroll_, &QScrollBar::valueChanged, this, &HMenue::showBusAddress);
    Image2_ = kit.picture(Frame8_, QStringLiteral("Image2"), {4800, 150, 1845, 630},
                          QLatin1String(kLogoPicture), {"Logo", "logo"}, true);

    GTL_Taste_ =
        kit.button(Frame7_, QStringLiteral("GTL_Taste"), {600, 240, 1000, 495},
                   QStringLiteral("Local"), {"Gerät lokal bedienen", "instrument to local"});
}

void HMenue::buildMenu() {
    const auto named = [](QObject* item, const char* name) {
        item->setObjectName(QLatin1String(name));
        rememberDesignCaption(item);
    };
    const auto submenu = [&named](QMenu* menu, const char* name) {
        named(menu, name);
        menu->menuAction()->setObjectName(QLatin1String(name));
        rememberDesignCaption(menu->menuAction());
        return menu;
    };

    Mnu_Info_ = submenu(menuBar()->addMenu(QStringLiteral("Info")), "Mnu_Info");
    Mnu_Info_Interface_ =
        submenu(Mnu_Info_->addMenu(QStringLiteral("Interface")), "Mnu_Info_Interface");
    Mnu_Info_Interface_COM_ = Mnu_Info_Interface_->addAction(QStringLiteral("COM"));
    named(Mnu_Info_Interface_COM_, "Mnu_Info_Interface_COM");
    Mnu_Info_Interface_IEC_ = Mnu_Info_Interface_->addAction(QStringLiteral("IEEE488"));
    named(Mnu_Info_Interface_IEC_, "Mnu_Info_Interface_IEC");
    Mnu_Info_Ueber_ = Mnu_Info_->addAction(QStringLiteral("Über"));
    named(Mnu_Info_Ueber_, "Mnu_Info_Ueber");
    Mnu_Info_Sprache_ = submenu(Mnu_Info_->addMenu(QStringLiteral("Sprache")), "Mnu_Info_Sprache");
    Mnu_Info_Sprache_D_ = Mnu_Info_Sprache_->addAction(QStringLiteral("deutsch"));
    named(Mnu_Info_Sprache_D_, "Mnu_Info_Sprache_D");
    Mnu_Info_Sprache_E_ = Mnu_Info_Sprache_->addAction(QStringLiteral("english"));
    named(Mnu_Info_Sprache_E_, "Mnu_Info_Sprache_E");
    Mnu_Info_RDS_RBDS_ = Mnu_Info_->addAction(QStringLiteral("RDS /RBDS"));
    named(Mnu_Info_RDS_RBDS_, "Mnu_Info_RDS_RBDS");
    Mnu_Info_RS232_ = Mnu_Info_->addAction(QStringLiteral("RS232_Set"));
    named(Mnu_Info_RS232_, "Mnu_Info_RS232");

    connect(Mnu_Info_Interface_COM_, &QAction::triggered, this,
            [this] { chooseInterface(Interface::Serial); });
    connect(Mnu_Info_Interface_IEC_, &QAction::triggered, this,
            [this] { chooseInterface(Interface::Bus); });
    connect(Mnu_Info_Ueber_, &QAction::triggered, this, &HMenue::showAbout);
    connect(Mnu_Info_Sprache_, &QMenu::aboutToShow, this, &HMenue::storePilotPhase);
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
    language_ = Ini_Lesen(QStringLiteral("Sprache"), QStringLiteral("Sprache"),
                          context_.data.file(QLatin1String(kGeneralFile)));
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
    eon_->EON_TA_Zeit()->stop();
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
    const QString file = context_.data.file(QLatin1String(kGeneralFile));
    if (Ini_Schreiben(section, key, value, file))
        return true;
    tellSettingNotSaved(context_.messages, key, file);
    return false;
}

void HMenue::chooseInterface(Interface chosen) {
    context_.instrument.useInterface(chosen);
    storeGeneral(QStringLiteral("BUS"), QStringLiteral("Interface"),
                 chosen == Interface::Serial ? QStringLiteral("COM") : QStringLiteral("IEC"));
    Schnittstellen_Toggle();
}

void HMenue::chooseLanguage(const QString& language) {
    language_ = language;
    if (storeGeneral(QStringLiteral("Sprache"), QStringLiteral("Sprache"), language))
        Beschrifter();
    else
        runCaptionLoader();
}

// The entry names the mode a click selects: the one not in force.
void HMenue::switchRdsMode() {
    setRdsMode(rdsMode_ == QLatin1String("RDS") ? QStringLiteral("RBDS") : QStringLiteral("RDS"));
    storeGeneral(QStringLiteral("Sprache"), QStringLiteral("RDS_RBDS"), rdsMode_);
    Beschrifter();
    loader_->chooseStoredPty();
}

// The language menu keeps the pilot phase on file, as the stereo page stores
// it.
void HMenue::storePilotPhase() {
    storeGeneral(QStringLiteral("FM"), QStringLiteral("PILOT_PHASE"),
                 pilotPhaseText(stereo_->HScroll1()->value()));
}

} // namespace zor
