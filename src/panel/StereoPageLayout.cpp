#include "panel/DisplayLabel.h"
#include "panel/Fonts.h"
#include "panel/PageKit.h"
#include "panel/PictureSwitch.h"
#include "panel/StereoPage.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>

namespace zor {

namespace {

// The step controls show only their two arrows: as wide as they are high.
constexpr int kArrowPair = 495;
// A deviation or phase display left of its step control.
constexpr int kDisplayWidth = 1190;
constexpr int kDisplayHeight = 255;

} // namespace

void StereoPage::buildMpx(PageKit& kit) {
    FM_Frame_ = kit.frame(this, QStringLiteral("FM_Frame"), {120, 480, 2295, 3975},
                          QStringLiteral("MPX"), {"MPX", "MPX"});
    FM_Hub_Label2_ =
        kit.display(FM_Frame_, QStringLiteral("FM_Hub_Label2"), {120, 360, 1300, kDisplayHeight},
                    {"MPX-Hub-Anzeige", "MPX deviation display"});
    FM_Hub_Scroll_ = kit.stepControl(FM_Frame_, QStringLiteral("FM_Hub_Scroll"),
                                     {1440, 240, kArrowPair, kArrowPair}, 0, 8000, 10,
                                     {"MPX-Hub", "MPX deviation"});

    FM_Sorce_Frame_ =
        kit.frame(FM_Frame_, QStringLiteral("FM_Sorce_Frame"), {60, 1320, 2175, 1365},
                  QStringLiteral("Source"), {"Modulationsquelle", "modulation source"});
    FM_Source_Opt_ = kit.optionGroup(QStringLiteral("FM_Source_Opt"));
    const QStringList sources{QStringLiteral("Off"), QStringLiteral("Ext. L, R"),
                              QStringLiteral("Ext S/P Dif"), QStringLiteral("LF Gen")};
    for (int i = 0; i < sources.size(); ++i)
        kit.option(FM_Source_Opt_, i, FM_Sorce_Frame_, {120, 270 + i * 260, 1980, 240}, sources[i],
                   {"Quelle", "source"});

    // The impedance and pre-emphasis frames share the width of the MPX frame
    // side by side, the longer caption taking the wider one.
    FM_Imp_Frame_ = kit.frame(FM_Frame_, QStringLiteral("FM_Imp_Frame"), {30, 2760, 1005, 1095},
                              QStringLiteral("Impedanz"), {"Eingangsimpedanz", "input impedance"});
    FM_Imp_Opt_ = kit.optionGroup(QStringLiteral("FM_Imp_Opt"));
    kit.option(FM_Imp_Opt_, 0, FM_Imp_Frame_, {120, 330, 840, 240}, QStringLiteral("600"),
               {"Impedanz", "impedance"});
    kit.option(FM_Imp_Opt_, 1, FM_Imp_Frame_, {120, 660, 840, 240}, QStringLiteral("100k"),
               {"Impedanz", "impedance"});

    Pre_Frame_ = kit.frame(FM_Frame_, QStringLiteral("Pre_Frame"), {1050, 2760, 1215, 1095},
                           QStringLiteral("Preemphasis"), {"Preemphasis", "pre-emphasis"});
    Pre_opt_ = kit.optionGroup(QStringLiteral("Pre_opt"));
    const QStringList emphases{QStringLiteral("ohne"), QStringLiteral("50 µs"),
                               QStringLiteral("75 µs")};
    for (int i = 0; i < emphases.size(); ++i)
        kit.option(Pre_opt_, i, Pre_Frame_, {120, 270 + i * 260, 1035, 240}, emphases[i],
                   {"Preemphasis", "pre-emphasis"});
}

void StereoPage::buildStereo(PageKit& kit) {
    Frame_stereo_ = kit.frame(this, QStringLiteral("Frame_stereo"), {2400, 480, 2055, 3975},
                              QStringLiteral("Stereo"), {"Stereo", "stereo"});
    Pilto_Label_ = kit.label(Frame_stereo_, QStringLiteral("Pilto_Label"),
                             {120, 360, kDisplayWidth, kDisplayHeight}, QStringLiteral("Pilot"),
                             {"Pilotton", "pilot tone"});
    Pilot_OnOff_ = kit.pictureSwitch(Frame_stereo_, QStringLiteral("Pilot_OnOff"), {1320, 240},
                                     {"Pilot ein/aus", "pilot on/off"});
    Pilot_hub_Label_ = kit.display(Frame_stereo_, QStringLiteral("Pilot_hub_Label"),
                                   {120, 960, kDisplayWidth, kDisplayHeight},
                                   {"Pilot-Hub-Anzeige", "pilot deviation display"});
    Pilot_Hub_Scroll_ = kit.stepControl(Frame_stereo_, QStringLiteral("Pilot_Hub_Scroll"),
                                        {1320, 840, kArrowPair, kArrowPair}, 0, 1500, 5,
                                        {"Pilot-Hub", "pilot deviation"});
    Pilot_Phase_Label_ = kit.display(Frame_stereo_, QStringLiteral("Pilot_Phase_Label"),
                                     {120, 1560, kDisplayWidth, kDisplayHeight},
                                     {"Pilot-Phase-Anzeige", "pilot phase display"});
    HScroll1_ = kit.stepControl(Frame_stereo_, QStringLiteral("HScroll1"),
                                {1320, 1440, kArrowPair, kArrowPair}, -50, 50, 1,
                                {"Pilot-Phase", "pilot phase"});
    HScroll1_->setValue(2);

    Stereo_Opt_ = kit.optionGroup(QStringLiteral("Stereo_Opt"));
    const QStringList modes{QStringLiteral("links"), QStringLiteral("rechts"),
                            QStringLiteral("links = rechts"), QStringLiteral("links = -rechts"),
                            QStringLiteral("links =/ rechts")};
    for (int i = 0; i < modes.size(); ++i)
        kit.option(Stereo_Opt_, i, Frame_stereo_, {120, 2400 + i * 300, 1860, 255}, modes[i],
                   {"Stereo-Modus", "stereo mode"});
}

void StereoPage::buildAri(PageKit& kit) {
    Ari_Frame_ = kit.frame(this, QStringLiteral("Ari_Frame"), {4440, 480, 1935, 3975},
                           QStringLiteral("A R I"), {"ARI", "ARI"});
    Ari_OnOff_ = kit.pictureSwitch(Ari_Frame_, QStringLiteral("Ari_OnOff"), {1320, 240},
                                   {"ARI ein/aus", "ARI on/off"});
    Ari_Label_ = kit.display(
        Ari_Frame_, QStringLiteral("Ari_Label"), {120, 960, kDisplayWidth, kDisplayHeight},
        {"ARI-Hub-Anzeige", "ARI deviation display"}, false, QStringLiteral("A R I"));
    Ari_hub_Scroll_ = kit.stepControl(Ari_Frame_, QStringLiteral("Ari_hub_Scroll"),
                                      {1320, 840, kArrowPair, kArrowPair}, 0, 800, 5,
                                      {"ARI-Hub", "ARI deviation"});

    Ari_Mode_Frame_ =
        kit.frame(Ari_Frame_, QStringLiteral("Ari_Mode_Frame"), {120, 1440, 1695, 1335},
                  QStringLiteral("Mode"), {"ARI-Kennung", "ARI identification"});
    ARI_Mode_Opt_ = kit.optionGroup(QStringLiteral("ARI_Mode_Opt"));
    const QStringList idents{QStringLiteral("nix"), QStringLiteral("DK"), QStringLiteral("BK"),
                             QStringLiteral("DK + BK")};
    for (int i = 0; i < idents.size(); ++i)
        kit.option(ARI_Mode_Opt_, i, Ari_Mode_Frame_, {120, 270 + i * 250, 1500, 240}, idents[i],
                   {"ARI-Kennung", "ARI identification"});

    BK_Frame_ = kit.frame(Ari_Frame_, QStringLiteral("BK_Frame"), {120, 2760, 1695, 1095},
                          QStringLiteral("B K"), {"Bereichskennung", "area code"});
    BK_Opt_ = kit.optionGroup(QStringLiteral("BK_Opt"));
    for (int i = 0; i < 6; ++i) {
        const int column = i / 3;
        const int row = i % 3;
        kit.option(BK_Opt_, i, BK_Frame_, {240 + column * 720, 270 + row * 240, 600, 240},
                   QString(QChar(u'A' + i)), {"Bereich", "area"});
    }
}

void StereoPage::buildRds(PageKit& kit) {
    RDS_Frame_ = kit.frame(this, QStringLiteral("RDS_Frame"), {6360, 480, 1935, 2175},
                           QStringLiteral("R D S"), {"RDS", "RDS"});
    RDS_OnOff_ = kit.pictureSwitch(RDS_Frame_, QStringLiteral("RDS_OnOff"), {1320, 240},
                                   {"RDS ein/aus", "RDS on/off"});
    RDS_Hub_Label_ = kit.display(
        RDS_Frame_, QStringLiteral("RDS_Hub_Label"), {120, 960, kDisplayWidth, kDisplayHeight},
        {"RDS-Hub-Anzeige", "RDS deviation display"}, false, QStringLiteral("RDS Hub"));
    RDS_Hub_Scroll_ = kit.stepControl(RDS_Frame_, QStringLiteral("RDS_Hub_Scroll"),
                                      {1320, 840, kArrowPair, kArrowPair}, 0, 400, 5,
                                      {"RDS-Hub", "RDS deviation"});
    RDS_Phase_Label_ = kit.display(
        RDS_Frame_, QStringLiteral("RDS_Phase_Label"), {120, 1560, kDisplayWidth, kDisplayHeight},
        {"RDS-Phase-Anzeige", "RDS phase display"}, false, QStringLiteral("RDS Phase"));
    RDS_Phase_Scroll_ = kit.stepControl(RDS_Frame_, QStringLiteral("RDS_Phase_Scroll"),
                                        {1320, 1440, kArrowPair, kArrowPair}, 0, 359, 1,
                                        {"RDS-Phase", "RDS phase"});
}

void StereoPage::buildTestMode(PageKit& kit) {
    Frame11_ = kit.frame(this, QStringLiteral("Frame11"), {6360, 2640, 1935, 1815},
                         QStringLiteral("Test Mode"), {"Testmodus", "test mode"});
    Taste_DATA_MODE_ =
        kit.button(Frame11_, QStringLiteral("Taste_DATA_MODE"), {240, 240, 1575, 375},
                   QStringLiteral("RDS_Mode"), {"Daten- oder Testmodus", "data or test mode"});
    TestDat_Opt_ = kit.optionGroup(QStringLiteral("TestDat_Opt"));
    const QStringList patterns{QStringLiteral("0 0 0 0 0 0 0 0"), QStringLiteral("1 1 1 1 1 1 1 1"),
                               QStringLiteral("0 1 0 1 0 1 0 1"),
                               QStringLiteral("1 1 0 0 1 1 0 0")};
    const QFont terminal = designFont(FontFace::Terminal, 6, true);
    for (int i = 0; i < patterns.size(); ++i)
        kit.option(TestDat_Opt_, i, Frame11_, {120, 720 + i * 255, 1740, 240}, patterns[i],
                   {"Testmuster", "test pattern"})
            ->setFont(terminal);
}

} // namespace zor
