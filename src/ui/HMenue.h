#pragma once

#include "panel/PageContext.h"
#include "settings/DataFolder.h"
#include "settings/SettingsStore.h"
#include "translate/Instrument.h"

#include <QList>
#include <QMainWindow>
#include <QString>
#include <memory>

class QAction;
class QGroupBox;
class QLabel;
class QMenu;
class QPushButton;
class QScrollBar;
class QTabWidget;

namespace zor {

class AfListPage;
class CaptionLoader;
class Captions;
class DisplayLabel;
class EonPage;
class GeneratorPage;
class GroupsPage;
class Instrument;
class OperatorMessages;
class QueryPage;
class RdsPage;
class StatusStrip;
class StereoPage;
class StorePage;
class TabPage;
class TmcPage;

// The main window: the status strip, the tab control with its nine pages,
// the bottom bar with the start-up buttons and the bus address, the hidden
// serial port control and the "Info" menu. It holds the language and the
// RDS/RBDS mode for the whole run and loads the captions of the language.
//
// Handlers of the instrument link, the initialisation and the pages are
// connected by their owners through the accessors below; the window itself
// handles only its menu, the bus address display and the About box. Every
// setting of the window and its pages is stored through the window's one
// settings store.
class HMenue : public QMainWindow {
    Q_OBJECT

public:
    // The settings files and pictures come from `data`; `texts` is the caption
    // text table the caption loader fills; `messages` reaches the operator;
    // `instrument` carries settings and queries to the instrument; `current`
    // holds the value texts the pages keep for the initialisation.
    HMenue(const DataFolder& data, Captions& texts, OperatorMessages& messages,
           Instrument& instrument, CurrentValues& current, QWidget* parent = nullptr);
    ~HMenue() override;

    // Sizes the window to its client area and centres it on the screen.
    void sizeAndCentre();

    // Loads the captions, the text table and the programme-type lists of the
    // language stored under "Sprache" in the general settings file.
    void Beschrifter();
    // Adapts the window to the instrument's interface: bus address control,
    // menu entries and the caption of INIT_Taste.
    void Schnittstellen_Toggle();

    // Not connected (start-up and "Local"): only the bottom bar is usable.
    void showNotConnected();
    // Demo: the pages are usable, nothing is sent; "Local" is disabled.
    void showDemo();
    // Connected: the pages and "Local" are usable, the bottom bar and the
    // interface and serial menu entries are not.
    void showConnected();

    // Sets the bus address control (held within 0 to 30) and its display.
    void setBusAddress(int address);
    // Takes the stored RDS/RBDS mode: anything but "RBDS" counts as "RDS".
    // The menu entry names the mode a click switches to.
    void setRdsMode(const QString& mode);
    // Selects tab 0.
    void selectFirstPage();
    // The About box.
    void showAbout();
    // The serial settings dialog, modal; the window waits until it closes.
    void openSerialSettings();

    const QString& language() const { return language_; }
    const QString& rdsMode() const { return rdsMode_; }
    const DataFolder& dataFolder() const { return context_.data; }
    SettingsStore& settings() { return settings_; }
    Captions& texts() { return context_.texts; }
    OperatorMessages& messages() { return context_.messages; }
    Instrument& instrument() { return context_.instrument; }
    CurrentValues& currentValues() { return context_.current; }

    StatusStrip* statusStrip() const { return status_; }
    // The nine tab pages in the order of their tabs.
    const QList<TabPage*>& pages() const { return pages_; }
    StereoPage* stereoPage() const { return stereo_; }
    RdsPage* rdsPage() const { return rds_; }
    AfListPage* afListPage() const { return afList_; }
    GroupsPage* groupsPage() const { return groups_; }
    EonPage* eonPage() const { return eon_; }
    QueryPage* queryPage() const { return query_; }
    StorePage* storePage() const { return store_; }
    TmcPage* tmcPage() const { return tmc_; }
    GeneratorPage* generatorPage() const { return generator_; }

    QTabWidget* SSTab1() const { return SSTab1_; }
    QGroupBox* Frame8() const { return Frame8_; }
    QGroupBox* Frame7() const { return Frame7_; }
    QPushButton* Ende_Taste() const { return Ende_Taste_; }
    QPushButton* Command2() const { return Command2_; }
    QPushButton* INIT_Taste() const { return INIT_Taste_; }
    QLabel* Label6() const { return Label6_; }
    DisplayLabel* Adr1_Label() const { return Adr1_Label_; }
    QScrollBar* Adr1_VScroll() const { return Adr1_VScroll_; }
    QLabel* Image2() const { return Image2_; }
    QPushButton* GTL_Taste() const { return GTL_Taste_; }
    // The serial port control: an invisible object the serial port belongs to.
    QObject* RSCOM1() const { return RSCOM1_; }

    QMenu* Mnu_Info() const { return Mnu_Info_; }
    QMenu* Mnu_Info_Interface() const { return Mnu_Info_Interface_; }
    QAction* Mnu_Info_Interface_COM() const { return Mnu_Info_Interface_COM_; }
    QAction* Mnu_Info_Interface_IEC() const { return Mnu_Info_Interface_IEC_; }
    QAction* Mnu_Info_Ueber() const { return Mnu_Info_Ueber_; }
    QMenu* Mnu_Info_Sprache() const { return Mnu_Info_Sprache_; }
    QAction* Mnu_Info_Sprache_D() const { return Mnu_Info_Sprache_D_; }
    QAction* Mnu_Info_Sprache_E() const { return Mnu_Info_Sprache_E_; }
    QAction* Mnu_Info_RDS_RBDS() const { return Mnu_Info_RDS_RBDS_; }
    QAction* Mnu_Info_RS232() const { return Mnu_Info_RS232_; }

private:
    static constexpr int kClientWidth = 9930;
    static constexpr int kClientHeight = 6225;

    QWidget* prepareClient(const DataFolder& data);
    void buildPages();
    void buildBottomBar();
    void buildMenu();
    void connectHandlers();
    void refreshWindowNames();

    void chooseInterface(Interface chosen);
    void chooseLanguage(const QString& language);
    void switchRdsMode();
    void showBusAddress(int address);
    bool storeGeneral(const QString& section, const QString& key, const QString& value);
    void runCaptionLoader();

    QWidget* client_;
    StatusStrip* status_;
    SettingsStore settings_;
    PageContext context_;
    std::unique_ptr<CaptionLoader> loader_;
    QString language_;
    QString rdsMode_ = QStringLiteral("RDS");

    StereoPage* stereo_ = nullptr;
    RdsPage* rds_ = nullptr;
    AfListPage* afList_ = nullptr;
    GroupsPage* groups_ = nullptr;
    EonPage* eon_ = nullptr;
    QueryPage* query_ = nullptr;
    StorePage* store_ = nullptr;
    TmcPage* tmc_ = nullptr;
    GeneratorPage* generator_ = nullptr;
    QList<TabPage*> pages_;

    QTabWidget* SSTab1_ = nullptr;
    QGroupBox* Frame8_ = nullptr;
    QGroupBox* Frame7_ = nullptr;
    QPushButton* Ende_Taste_ = nullptr;
    QPushButton* Command2_ = nullptr;
    QPushButton* INIT_Taste_ = nullptr;
    QLabel* Label6_ = nullptr;
    DisplayLabel* Adr1_Label_ = nullptr;
    QScrollBar* Adr1_VScroll_ = nullptr;
    QLabel* Image2_ = nullptr;
    QPushButton* GTL_Taste_ = nullptr;
    QObject* RSCOM1_ = nullptr;

    QMenu* Mnu_Info_ = nullptr;
    QMenu* Mnu_Info_Interface_ = nullptr;
    QAction* Mnu_Info_Interface_COM_ = nullptr;
    QAction* Mnu_Info_Interface_IEC_ = nullptr;
    QAction* Mnu_Info_Ueber_ = nullptr;
    QMenu* Mnu_Info_Sprache_ = nullptr;
    QAction* Mnu_Info_Sprache_D_ = nullptr;
    QAction* Mnu_Info_Sprache_E_ = nullptr;
    QAction* Mnu_Info_RDS_RBDS_ = nullptr;
    QAction* Mnu_Info_RS232_ = nullptr;
};

} // namespace zor
