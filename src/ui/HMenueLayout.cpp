#include "panel/ControlText.h"
#include "panel/DisplayLabel.h"
#include "panel/Fonts.h"
#include "panel/PageKit.h"
#include "panel/Pictures.h"
#include "settings/ProgramTitle.h"
#include "ui/HMenue.h"

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

namespace zor {

namespace {

// Room for the title bar, the menu bar and the border at 96 dpi.
constexpr int kDecorationWidth = 20;
constexpr int kDecorationHeight = 70;
constexpr int kHighestAddress = 30;
const QColor kWindowGrey(192, 192, 192);

} // namespace

// Fixes the twip scale for the screen before any control is placed, and
// gives the window its face and colour.
QWidget* HMenue::prepareClient(const DataFolder& data) {
    const QScreen* screen = QGuiApplication::primaryScreen();
    const QSize needed((kClientWidth + 14) / 15 + kDecorationWidth,
                       (kClientHeight + 14) / 15 + kDecorationHeight);
    if (screen)
        setTwipScale(fittingTwipScale(screen->logicalDotsPerInch(),
                                      screen->availableGeometry().size(), needed));

    setObjectName(QStringLiteral("HMenue"));
    setWindowTitle(QLatin1String(kProgramTitle));
    const QString icon = fileIgnoringCase(data.file(QLatin1String(kWindowIconPicture)));
    if (QFileInfo(icon).isFile())
        setWindowIcon(QIcon(icon));
    setFont(windowFont());
    QPalette grey = palette();
    grey.setColor(QPalette::Window, kWindowGrey);
    grey.setColor(QPalette::Button, kWindowGrey);
    setPalette(grey);

    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("HMenue_Client"));
    client->setFixedSize(twipsToPixels(kClientWidth, kClientHeight));
    setCentralWidget(client);
    return client;
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
}

} // namespace zor
