#include "panel/DisplayLabel.h"
#include "panel/LimitedTextEdit.h"
#include "panel/PictureSwitch.h"
#include "panel/Twips.h"
#include "ui/WindowFixture.h"

#include <QAction>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTabWidget>
#include <QTimer>
#include <vector>

namespace zor {
namespace {

enum class Kind {
    Frame,
    Label,
    Display,
    Button,
    Switch,
    Step,
    Option,
    Check,
    DropDown,
    Text,
    MultiLine,
    List,
    Picture
};

struct Expected {
    QString name;
    Kind kind;
    QString caption;
    bool enabled = true;
    bool visible = true;
};

bool isKind(QObject* control, Kind kind) {
    switch (kind) {
    case Kind::Frame:
        return qobject_cast<QGroupBox*>(control);
    case Kind::Label:
        return qobject_cast<QLabel*>(control) && !qobject_cast<DisplayLabel*>(control);
    case Kind::Display:
        return qobject_cast<DisplayLabel*>(control);
    case Kind::Button:
        return qobject_cast<QPushButton*>(control) && !qobject_cast<PictureSwitch*>(control);
    case Kind::Switch:
        return qobject_cast<PictureSwitch*>(control);
    case Kind::Step:
        return qobject_cast<QScrollBar*>(control);
    case Kind::Option:
        return qobject_cast<QRadioButton*>(control);
    case Kind::Check:
        return qobject_cast<QCheckBox*>(control);
    case Kind::DropDown: {
        auto* combo = qobject_cast<QComboBox*>(control);
        return combo && combo->isEditable() && combo->insertPolicy() == QComboBox::NoInsert;
    }
    case Kind::Text:
        return qobject_cast<QLineEdit*>(control);
    case Kind::MultiLine:
        return qobject_cast<LimitedTextEdit*>(control);
    case Kind::List:
        return qobject_cast<QListWidget*>(control);
    case Kind::Picture:
        return qobject_cast<QLabel*>(control);
    }
    return false;
}

QString shownCaption(QObject* control) {
    if (auto* button = qobject_cast<QAbstractButton*>(control))
        return qobject_cast<PictureSwitch*>(control) ? QString() : button->text();
    if (auto* frame = qobject_cast<QGroupBox*>(control))
        return frame->title();
    if (auto* label = qobject_cast<QLabel*>(control))
        return label->text();
    return {};
}

QString indexed(const char* array, int index) {
    return QLatin1String(array) + u'(' + QString::number(index) + u')';
}

void addArray(std::vector<Expected>& controls, const char* array, Kind kind,
              const QStringList& captions) {
    for (int i = 0; i < captions.size(); ++i)
        controls.push_back({indexed(array, i), kind, captions[i]});
}

std::vector<Expected> designControls() {
    std::vector<Expected> c{
        // Tab 0
        {"FM_Frame", Kind::Frame, "MPX"},
        {"FM_Hub_Label2", Kind::Display, ""},
        {"FM_Hub_Scroll", Kind::Step, ""},
        {"FM_Sorce_Frame", Kind::Frame, "Source"},
        {"FM_Imp_Frame", Kind::Frame, "Impedanz"},
        {"Pre_Frame", Kind::Frame, "Preemphasis"},
        {"Frame_stereo", Kind::Frame, "Stereo"},
        {"Pilto_Label", Kind::Label, "Pilot"},
        {"Pilot_OnOff", Kind::Switch, ""},
        {"Pilot_hub_Label", Kind::Display, ""},
        {"Pilot_Hub_Scroll", Kind::Step, ""},
        {"Pilot_Phase_Label", Kind::Display, ""},
        {"HScroll1", Kind::Step, ""},
        {"Ari_Frame", Kind::Frame, "A R I"},
        {"Ari_OnOff", Kind::Switch, ""},
        {"Ari_Label", Kind::Display, "A R I"},
        {"Ari_hub_Scroll", Kind::Step, ""},
        {"Ari_Mode_Frame", Kind::Frame, "Mode"},
        {"BK_Frame", Kind::Frame, "B K"},
        {"RDS_Frame", Kind::Frame, "R D S"},
        {"RDS_OnOff", Kind::Switch, ""},
        {"RDS_Hub_Label", Kind::Display, "RDS Hub"},
        {"RDS_Hub_Scroll", Kind::Step, ""},
        {"RDS_Phase_Label", Kind::Display, "RDS Phase"},
        {"RDS_Phase_Scroll", Kind::Step, ""},
        {"Frame11", Kind::Frame, "Test Mode"},
        {"Taste_DATA_MODE", Kind::Button, "RDS_Mode"},
        // Tab 1
        {"PI_Label", Kind::Label, "P I  : "},
        {"PI_T", Kind::Text, ""},
        {"Command3", Kind::Button, "senden"},
        {"PS_Label", Kind::Label, "P S  :"},
        {"PS_T", Kind::Text, ""},
        {"PS_Taste", Kind::Button, "senden"},
        {"PS_A_Label", Kind::Label, "dyn.PS:"},
        {"Taste_PS_Auto", Kind::Switch, ""},
        {"Label1", Kind::Label, "P T Y  :"},
        {"PTY_Combo1", Kind::DropDown, ""},
        {"Frame1", Kind::Frame, "TA Funktion"},
        {"TA_Taste", Kind::Switch, ""},
        {"TA_EON_Hilfe", Kind::Button, "EON ?"},
        {"TA_HScroll", Kind::Step, ""},
        {"TA_Zeit_Label", Kind::Display, ""},
        {"TA_Rep_HScroll", Kind::Step, ""},
        {"TA_Rep_Label", Kind::Display, ""},
        {"Check1", Kind::Check, "TP"},
        {"RT_Frame", Kind::Frame, "Radiotext"},
        {"RT_Text1", Kind::MultiLine, ""},
        {"RT_clear1", Kind::Button, "RT1 l&öschen"},
        {"RT_Taste1", Kind::Button, "senden"},
        {"MS_Frame", Kind::Frame, "MS-Schalter"},
        {"Time_Frame", Kind::Frame, "CT"},
        {"Zeit_Taste", Kind::Switch, ""},
        {"Image1", Kind::Picture, ""},
        {"Uhr_Zeit", Kind::Display, ""},
        {"DI_Frame", Kind::Frame, "Decoder Info"},
        // Tab 2
        {"Frame2", Kind::Frame, "alternative Frequenzen"},
        {"AF_TN", Kind::Display, ""},
        {"AF_List1", Kind::List, ""},
        {"AF_Bearbeiten", Kind::Button, "bearbeiten"},
        {"Taste_AF_Senden", Kind::Button, "senden"},
        // Tab 3
        {"GS_Senden", Kind::Button, "Senden"},
        {"Label10", Kind::Display, ""},
        // Tab 4
        {"EON_PI_Label", Kind::Label, "EON PI"},
        {"EON_PI_Text", Kind::Text, ""},
        {"EON_PI_Taste", Kind::Button, "senden"},
        {"EON_PS_LABEL", Kind::Label, "EON PS"},
        {"EON_PS_Text", Kind::Text, ""},
        {"EON_PS_Taste", Kind::Button, "senden"},
        {"EON_PTY_LAbel", Kind::Label, "EON PTY", false},
        {"EON_PTY_Combo", Kind::DropDown, "", false},
        {"EON_TA_Schalter", Kind::Switch, ""},
        {"EON_TA_Label", Kind::Label, "EON TA"},
        {"EON_TP_Check", Kind::Check, "    EON TP"},
        {"Frame3", Kind::Frame, "EON AF Listen"},
        {"Tuned_AFB", Kind::Display, ""},
        {"AFB_Liste", Kind::List, ""},
        {"EON_AF_Bearbeiten", Kind::Button, "bearbeiten"},
        {"EON_AFB_Senden", Kind::Button, "senden"},
        // Tab 5
        {"Command19", Kind::Button, "EON  ?"},
        {"Command17", Kind::Button, "Gruppen ?"},
        {"Command5", Kind::Button, "PS ?"},
        {"Command7", Kind::Button, "PTY ?"},
        {"Command8", Kind::Button, "RT ?"},
        {"Command4", Kind::Button, "AF ?"},
        {"Command6", Kind::Button, "PI ?"},
        {"Command21", Kind::Button, "D I ?"},
        {"Command20", Kind::Button, "M / S ?"},
        {"Command9", Kind::Button, "Zeit ?"},
        {"Command16", Kind::Button, "R D S ?"},
        {"Command10", Kind::Button, "Freq ?"},
        {"Command22", Kind::Button, "Pegel ?"},
        {"Command14", Kind::Button, "Pilot-Ton ?"},
        {"Command15", Kind::Button, "Ster.-Mode ?"},
        {"Command1", Kind::Button, "A R I ?"},
        {"Command11", Kind::Button, "FM Hub ?"},
        {"Command12", Kind::Button, "FM Source ?"},
        {"Command13", Kind::Button, "Pre.phase ?"},
        {"Command18", Kind::Button, "Impedanz ?"},
        {"gelesen", Kind::Display, "Drücken Sie eine Taste!"},
        // Tab 7
        {"Label3", Kind::Label, "Auszug aus Eventliste"},
        {"TMC_Event_Combo", Kind::DropDown, ""},
        {"Label4", Kind::Label, "Auszug aus Locationliste"},
        {"TMC_Loc_Combo", Kind::DropDown, ""},
        {"TMC_Frame1", Kind::Frame, "Richtung"},
        {"TMC_Var_Label", Kind::Label, "Anzahl der Positionen vor der Location"},
        {"TMC_Var_Combo", Kind::DropDown, ""},
        {"TMC_Frame2", Kind::Frame, "Extras"},
        {"TMC_T_Check", Kind::Check, "T - Feld"},
        {"TMC_F_Check", Kind::Check, "F - Feld"},
        {"TMC_DP3Check", Kind::Check, "DP 3"},
        {"TMC_DP2_Check", Kind::Check, "DP 2"},
        {"TMC_DP1_Check", Kind::Check, "DP 1"},
        {"TMC_Gr8_Label", Kind::Display, ""},
        {"TMC_Senden_Taste", Kind::Button, "senden3"},
        {"TMCBL3_D", Kind::Display, "", true, false},
        // Tab 8
        {"RF_Freq_Frame", Kind::Frame, "RF-Frequency [MHz]"},
        {"Input_HF_Freq_Label", Kind::Display, "-"},
        {"RF_Level_Frame", Kind::Frame, "HF Pegel [dBµV]"},
        {"Input_HF_Pegel_Label", Kind::Display, "-"},
        {"HfOnOffState", Kind::Switch, ""},
        {"AF_Freq_Frame", Kind::Frame, "AF Frequency [kHz]"},
        {"Input_AF_Freq_Label", Kind::Display, "-"},
        // Bottom bar
        {"Frame8", Kind::Frame, ""},
        {"Frame7", Kind::Frame, ""},
        {"Ende_Taste", Kind::Button, "&Ende"},
        {"Command2", Kind::Button, "&Demo"},
        {"INIT_Taste", Kind::Button, "IEC &Bus INIT"},
        {"Label6", Kind::Label, "IEC Addr."},
        {"Adr1_Label", Kind::Display, "0"},
        {"Adr1_VScroll", Kind::Step, ""},
        {"Image2", Kind::Picture, ""},
        {"GTL_Taste", Kind::Button, "Local"},
        // Status strip
        {"Gen1_Label", Kind::Label, "Status :"},
        {"Status(16)", Kind::Label, "RF [MHz]"},
        {"Status(17)", Kind::Display, "--"},
        {"Status(12)", Kind::Label, "RF [dBµV]"},
        {"Status(13)", Kind::Display, "--"},
        {"Status(15)", Kind::Label, "AF [kHz]"},
        {"Status(14)", Kind::Display, "--"},
        {"Status(7)", Kind::Label, "PI"},
        {"Status(2)", Kind::Display, ""},
        {"Status(6)", Kind::Label, "PS"},
        {"Status(3)", Kind::Display, ""},
        {"Status(11)", Kind::Label, "TP"},
        {"Status(10)", Kind::Display, ""},
        {"Status(9)", Kind::Label, "TA"},
        {"Status(0)", Kind::Display, "TA"},
        {"Status(8)", Kind::Label, "M / S"},
        {"Status(1)", Kind::Display, ""},
        {"Status(5)", Kind::Label, "PTY"},
        {"Status(4)", Kind::Display, ""},
    };
    addArray(c, "FM_Source_Opt", Kind::Option, {"Off", "Ext. L, R", "Ext S/P Dif", "LF Gen"});
    addArray(c, "FM_Imp_Opt", Kind::Option, {"600", "100k"});
    addArray(c, "Pre_opt", Kind::Option, {"ohne", "50 µs", "75 µs"});
    addArray(c, "Stereo_Opt", Kind::Option,
             {"links", "rechts", "links = rechts", "links = -rechts", "links =/ rechts"});
    addArray(c, "ARI_Mode_Opt", Kind::Option, {"nix", "DK", "BK", "DK + BK"});
    addArray(c, "BK_Opt", Kind::Option, {"A", "B", "C", "D", "E", "F"});
    addArray(c, "TestDat_Opt", Kind::Option,
             {"0 0 0 0 0 0 0 0", "1 1 1 1 1 1 1 1", "0 1 0 1 0 1 0 1", "1 1 0 0 1 1 0 0"});
    addArray(c, "TA_Option", Kind::Option, {"&Manual", "&Automatisch"});
    addArray(c, "MS_opt", Kind::Option, {"Musik", "Spra&che"});
    QStringList decoder{"Mono",
                        "Stereo",
                        "NN",
                        "St Kunstkopf",
                        "Mono compr.",
                        "Stereo compr.",
                        "Stereo comp. Kunstkopf",
                        "Stereo comp. Kunstkopf"};
    for (int i = 8; i < 16; ++i)
        decoder << QString::number(i);
    addArray(c, "DI_Opt", Kind::Option, decoder);
    const QStringList lists{"Liste 1", "Liste 2", "Liste 3", "Liste 4", "Liste 5"};
    addArray(c, "AFList_Opt", Kind::Option, lists);
    addArray(c, "EON_AFB_Opt", Kind::Option, lists);
    addArray(c, "Tmc_richtung", Kind::Option, {"Vorwärts", "Rückwärts"});
    for (int i = 0; i < 5; ++i)
        c.push_back({indexed("Store_Taste", i), Kind::Button,
                     QStringLiteral("Speichern --> Dataset ") + QString::number(i + 1)});
    for (int i = 0; i < 32; ++i)
        c.push_back({indexed("Gruppe", i), Kind::Check,
                     i < 16 ? QStringLiteral("Group ") + QString::number(i) : QString(),
                     i != 4 && i != 20, i < 16});
    return c;
}

using WindowControlsTest = test::WindowTest;

TEST_F(WindowControlsTest, EveryControlExistsWithItsKindCaptionAndDesignState) {
    HMenue& w = window();
    EXPECT_EQ(w.objectName(), QStringLiteral("HMenue"));
    EXPECT_EQ(w.windowTitle(), QStringLiteral("ZOR-RDS V 2.0  /  Mai. 2006"));
    for (const Expected& expected : designControls()) {
        SCOPED_TRACE(expected.name.toStdString());
        const QList<QWidget*> found = w.findChildren<QWidget*>(expected.name);
        ASSERT_EQ(found.size(), 1);
        QWidget* control = found.front();
        EXPECT_TRUE(isKind(control, expected.kind));
        EXPECT_EQ(shownCaption(control), expected.caption);
        EXPECT_EQ(control->isEnabled(), expected.enabled);
        EXPECT_EQ(!control->isHidden(), expected.visible);
    }
}

TEST_F(WindowControlsTest, NoBareControlNameShowsBeforeTheCaptionsAreLoaded) {
    const QRegularExpression bareName(
        QStringLiteral("^(Label|Combo|Text|Command|Frame|Check|Option|List|HScroll)\\d+$"));
    for (QWidget* control : window().findChildren<QWidget*>()) {
        EXPECT_FALSE(bareName.match(shownCaption(control)).hasMatch())
            << control->objectName().toStdString();
    }
}

TEST_F(WindowControlsTest, StepControlsHaveTheirRangesAndSteps) {
    struct Range {
        const char* name;
        int minimum, maximum, step, value;
    };
    const Range ranges[] = {
        {"FM_Hub_Scroll", 0, 8000, 10, 0}, {"Pilot_Hub_Scroll", 0, 1500, 5, 0},
        {"HScroll1", -50, 50, 1, 2},       {"Ari_hub_Scroll", 0, 800, 5, 0},
        {"RDS_Hub_Scroll", 0, 400, 5, 0},  {"RDS_Phase_Scroll", 0, 359, 1, 0},
        {"TA_HScroll", 0, 300, 1, 0},      {"TA_Rep_HScroll", 0, 60, 1, 0},
        {"Adr1_VScroll", 0, 30, 1, 30},
    };
    for (const Range& range : ranges) {
        SCOPED_TRACE(range.name);
        auto* step = control<QScrollBar>(QLatin1String(range.name));
        ASSERT_NE(step, nullptr);
        EXPECT_EQ(step->minimum(), range.minimum);
        EXPECT_EQ(step->maximum(), range.maximum);
        EXPECT_EQ(step->singleStep(), range.step);
        EXPECT_EQ(step->pageStep(), range.step);
        EXPECT_EQ(step->value(), range.value);
    }
    EXPECT_EQ(control<QScrollBar>("Adr1_VScroll")->orientation(), Qt::Vertical);
    EXPECT_EQ(control<QScrollBar>("TA_HScroll")->orientation(), Qt::Horizontal);
}

TEST_F(WindowControlsTest, TextFieldsKeepTheirLengthLimits) {
    EXPECT_EQ(control<QLineEdit>("PI_T")->maxLength(), 4);
    EXPECT_EQ(control<LimitedTextEdit>("RT_Text1")->maxLength(), 63);
    auto* pi = control<QLineEdit>("PI_T");
    pi->setText(QStringLiteral("12345"));
    EXPECT_EQ(pi->text(), QStringLiteral("1234"));
    auto* radioText = control<LimitedTextEdit>("RT_Text1");
    radioText->setPlainText(QString(64, u'r'));
    EXPECT_EQ(radioText->toPlainText().size(), 63);
}

TEST_F(WindowControlsTest, TimersRunAsDesigned) {
    struct Timer {
        const char* name;
        int interval;
        bool running;
    };
    const Timer timers[] = {{"Timer1", 999, true},
                            {"TA_Timer", 333, true},
                            {"TA_Rep_Timer", 500, true},
                            {"PS_Timer", 2500, true},
                            {"EON_TA_Zeit", 1000, false}};
    for (const Timer& expected : timers) {
        SCOPED_TRACE(expected.name);
        auto* timer = control<QTimer>(QLatin1String(expected.name));
        ASSERT_NE(timer, nullptr);
        EXPECT_EQ(timer->interval(), expected.interval);
        EXPECT_EQ(timer->isActive(), expected.running);
    }
}

TEST_F(WindowControlsTest, OptionGroupsAreNamedAfterTheirArrays) {
    const std::pair<const char*, int> arrays[] = {
        {"FM_Source_Opt", 4}, {"FM_Imp_Opt", 2}, {"Pre_opt", 3},     {"Stereo_Opt", 5},
        {"ARI_Mode_Opt", 4},  {"BK_Opt", 6},     {"TestDat_Opt", 4}, {"TA_Option", 2},
        {"MS_opt", 2},        {"DI_Opt", 16},    {"AFList_Opt", 5},  {"EON_AFB_Opt", 5},
        {"Tmc_richtung", 2},
    };
    for (const auto& [array, size] : arrays) {
        SCOPED_TRACE(array);
        auto* group = control<QButtonGroup>(QLatin1String(array));
        ASSERT_NE(group, nullptr);
        EXPECT_EQ(group->buttons().size(), size);
        for (int i = 0; i < size; ++i)
            EXPECT_EQ(group->button(i)->objectName(), indexed(array, i));
    }
}

TEST_F(WindowControlsTest, TooltipsAreKeptAsDescriptions) {
    const std::pair<const char*, const char*> tips[] = {
        {"Taste_PS_Auto", "Verändert PS zyklisch"},
        {"TA_Option(0)", "TA einzeln"},
        {"TA_Option(1)", "TA wiederkehrend"},
        {"TA_Taste", "TA on/off"},
        {"Check1", "TP on/off"},
        {"EON_TA_Schalter", "Gibt den Start EON"},
        {"EON_TP_Check", "TP OtherNet"},
        {"TMC_Event_Combo", "Eventauswahl"},
        {"TMC_Loc_Combo", "Locationauswahl"},
        {"Tmc_richtung(0)", "bezogen auf die Locationliste"},
        {"Tmc_richtung(1)", "beogen auf die Locationliste"},
        {"TMC_Var_Combo", "0 bis 15"},
    };
    for (const auto& [name, tip] : tips) {
        auto* widget = control<QWidget>(QLatin1String(name));
        ASSERT_NE(widget, nullptr) << name;
        EXPECT_EQ(widget->toolTip(), QString::fromUtf8(tip)) << name;
        EXPECT_EQ(widget->accessibleDescription(), QString::fromUtf8(tip)) << name;
    }
}

TEST_F(WindowControlsTest, MenuHasItsEntriesInOrder) {
    HMenue& w = window();
    EXPECT_EQ(w.menuBar()->actions().size(), 1);
    EXPECT_EQ(w.Mnu_Info()->title(), QStringLiteral("Info"));
    QStringList entries;
    for (QAction* action : w.Mnu_Info()->actions())
        entries << action->objectName();
    EXPECT_EQ(entries, (QStringList{"Mnu_Info_Interface", "Mnu_Info_Ueber", "Mnu_Info_Sprache",
                                    "Mnu_Info_RDS_RBDS", "Mnu_Info_RS232"}));
    EXPECT_EQ(w.Mnu_Info_Interface()->title(), QStringLiteral("Interface"));
    EXPECT_EQ(w.Mnu_Info_Interface_COM()->text(), QStringLiteral("COM"));
    EXPECT_EQ(w.Mnu_Info_Interface_IEC()->text(), QStringLiteral("IEEE488"));
    EXPECT_EQ(w.Mnu_Info_Ueber()->text(), QStringLiteral("Über"));
    EXPECT_EQ(w.Mnu_Info_Sprache()->title(), QStringLiteral("Sprache"));
    EXPECT_EQ(w.Mnu_Info_Sprache_D()->text(), QStringLiteral("deutsch"));
    EXPECT_EQ(w.Mnu_Info_Sprache_E()->text(), QStringLiteral("english"));
    EXPECT_EQ(w.Mnu_Info_RDS_RBDS()->text(), QStringLiteral("RDS /RBDS"));
    EXPECT_EQ(w.Mnu_Info_RS232()->text(), QStringLiteral("RS232_Set"));
    for (const char* name :
         {"Mnu_Info_Interface_COM", "Mnu_Info_Interface_IEC", "Mnu_Info_Ueber",
          "Mnu_Info_Sprache_D", "Mnu_Info_Sprache_E", "Mnu_Info_RDS_RBDS", "Mnu_Info_RS232"})
        EXPECT_NE(control<QAction>(QLatin1String(name)), nullptr) << name;
}

TEST_F(WindowControlsTest, TabControlHasNinePagesWithTheirDesignCaptions) {
    QTabWidget* tabs = window().SSTab1();
    EXPECT_EQ(tabs->objectName(), QStringLiteral("SSTab1"));
    const QStringList captions{"FM / Stereo", "R D S",     "AF Liste", "Gruppen", "E O N",
                               "Fragen",      "Speichern", "T M C",    "* * *"};
    ASSERT_EQ(tabs->count(), captions.size());
    for (int i = 0; i < tabs->count(); ++i)
        EXPECT_EQ(tabs->tabText(i), captions[i]);
}

TEST_F(WindowControlsTest, SerialPortControlIsAnInvisibleObject) {
    QObject* port = window().RSCOM1();
    ASSERT_NE(port, nullptr);
    EXPECT_EQ(port->objectName(), QStringLiteral("RSCOM1"));
    EXPECT_FALSE(port->isWidgetType());
    EXPECT_EQ(control<QObject>("RSCOM1"), port);
}

TEST_F(WindowControlsTest, WindowIsGreyAndKeepsItsClientArea) {
    HMenue& w = window();
    EXPECT_EQ(w.palette().color(QPalette::Window), QColor(192, 192, 192));
    EXPECT_EQ(w.centralWidget()->size(), twipsToPixels(9930, 6225));
    EXPECT_EQ(control<QWidget>("Status(16)")->palette().color(QPalette::Window), QColor(0, 192, 0));
    EXPECT_EQ(w.SSTab1()->geometry(), twipsToPixels(TwipRect{120, 600, 8655, 4695}));
    EXPECT_FALSE(w.windowIcon().isNull());
}

TEST_F(WindowControlsTest, PictureSwitchesShowTheBundledPictures) {
    for (PictureSwitch* picture : window().findChildren<PictureSwitch*>()) {
        EXPECT_FALSE(picture->icon().isNull()) << picture->objectName().toStdString();
        EXPECT_TRUE(picture->text().isEmpty()) << picture->objectName().toStdString();
    }
}

} // namespace
} // namespace zor
