#include "panel/DisplayLabel.h"
#include "panel/Fonts.h"
#include "panel/LimitedTextEdit.h"
#include "panel/PageKit.h"
#include "panel/PictureSwitch.h"
#include "panel/Pictures.h"
#include "rds/RdsPage.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTimer>

namespace zor {

namespace {

constexpr int kPiLength = 4;
constexpr int kRadioTextLength = 63;
constexpr int kClockStartMs = 999;

QLabel* headingLabel(PageKit& kit, QWidget* parent, const QString& name, TwipRect at,
                     const QString& caption, const Spoken& about) {
    QLabel* label = kit.label(parent, name, at, caption, about);
    label->setFont(designFont(FontFace::Sans, 9.75, true));
    return label;
}

} // namespace

void RdsPage::buildProgrammeData(PageKit& kit) {
    PI_Label_ = headingLabel(kit, this, QStringLiteral("PI_Label"), {240, 480, 1200, 300},
                             QStringLiteral("P I  : "),
                             {"Programmkennung PI", "programme identification PI"});
    PI_T_ = kit.textField(this, QStringLiteral("PI_T"), {1560, 480, 1455, 300},
                          {"PI-Eingabe", "PI entry"}, kPiLength);
    Command3_ = kit.button(this, QStringLiteral("Command3"), {3120, 480, 975, 300},
                           QStringLiteral("senden"), {"PI", "PI"});

    PS_Label_ =
        headingLabel(kit, this, QStringLiteral("PS_Label"), {240, 840, 1200, 300},
                     QStringLiteral("P S  :"), {"Programmname PS", "programme service name PS"});
    PS_T_ = kit.textField(this, QStringLiteral("PS_T"), {1560, 840, 1455, 300},
                          {"PS-Eingabe", "PS entry"});
    PS_Taste_ = kit.button(this, QStringLiteral("PS_Taste"), {3120, 840, 975, 300},
                           QStringLiteral("senden"), {"PS", "PS"});

    PS_A_Label_ = headingLabel(kit, this, QStringLiteral("PS_A_Label"), {240, 1320, 1215, 300},
                               QStringLiteral("dyn.PS:"), {"Dynamisches PS", "dynamic PS"});
    Taste_PS_Auto_ = kit.pictureSwitch(this, QStringLiteral("Taste_PS_Auto"), {1560, 1200},
                                       {"Dynamisches PS ein/aus", "dynamic PS on/off"});
    Taste_PS_Auto_->setToolTip(QStringLiteral("Verändert PS zyklisch"));
    PS_Timer_ = kit.timer(QStringLiteral("PS_Timer"), 2500, true);

    Label1_ = headingLabel(kit, this, QStringLiteral("Label1"), {240, 1800, 1200, 300},
                           QStringLiteral("P T Y  :"), {"Programmtyp PTY", "programme type PTY"});
    PTY_Combo1_ = kit.dropDown(this, QStringLiteral("PTY_Combo1"), {1560, 1800, 2055, 315},
                               {"Programmtyp", "programme type"});
}

void RdsPage::buildTrafficAnnouncement(PageKit& kit) {
    Frame1_ =
        kit.frame(this, QStringLiteral("Frame1"), {240, 2400, 3975, 2175},
                  QStringLiteral("TA Funktion"), {"Verkehrsdurchsage", "traffic announcement"});
    TA_Option_ = kit.optionGroup(QStringLiteral("TA_Option"));
    kit.option(TA_Option_, 0, Frame1_, {240, 300, 1700, 255}, QStringLiteral("&Manual"),
               {"TA-Betrieb", "TA mode"})
        ->setToolTip(QStringLiteral("TA einzeln"));
    kit.option(TA_Option_, 1, Frame1_, {240, 600, 1700, 255}, QStringLiteral("&Automatisch"),
               {"TA-Betrieb", "TA mode"})
        ->setToolTip(QStringLiteral("TA wiederkehrend"));

    TA_Taste_ = kit.pictureSwitch(Frame1_, QStringLiteral("TA_Taste"), {2040, 240},
                                  {"TA ein/aus", "TA on/off"});
    TA_Taste_->setToolTip(QStringLiteral("TA on/off"));
    TA_EON_Hilfe_ = kit.button(Frame1_, QStringLiteral("TA_EON_Hilfe"), {3120, 240, 615, 495},
                               QStringLiteral("EON ?"), {"Hilfe zu EON TA", "EON TA help"});

    TA_HScroll_ = kit.stepControl(Frame1_, QStringLiteral("TA_HScroll"), {960, 1200, 1215, 230}, 0,
                                  300, 1, {"TA-Dauer", "TA duration"});
    TA_Zeit_Label_ = kit.display(Frame1_, QStringLiteral("TA_Zeit_Label"), {2280, 1200, 1635, 230},
                                 {"TA-Dauer-Anzeige", "TA duration display"});
    TA_Rep_HScroll_ =
        kit.stepControl(Frame1_, QStringLiteral("TA_Rep_HScroll"), {960, 1485, 1215, 230}, 0, 60, 1,
                        {"TA-Wiederholung", "TA repetition"});
    TA_Rep_Label_ = kit.display(Frame1_, QStringLiteral("TA_Rep_Label"), {2280, 1485, 1635, 230},
                                {"TA-Wiederholung-Anzeige", "TA repetition display"});

    Check1_ = kit.checkBox(Frame1_, QStringLiteral("Check1"), {240, 1440, 735, 300},
                           QStringLiteral("TP"), {"Verkehrsfunk", "traffic programme"});
    Check1_->setFont(designFont(FontFace::Sans, 12));
    Check1_->setToolTip(QStringLiteral("TP on/off"));

    TA_Timer_ = kit.timer(QStringLiteral("TA_Timer"), 333, true);
    TA_Rep_Timer_ = kit.timer(QStringLiteral("TA_Rep_Timer"), 500, true);
}

void RdsPage::buildRadioText(PageKit& kit) {
    RT_Frame_ = kit.frame(this, QStringLiteral("RT_Frame"), {4200, 480, 4215, 1935},
                          QStringLiteral("Radiotext"), {"Radiotext", "RadioText"});
    RT_Text1_ = kit.multiLineText(RT_Frame_, QStringLiteral("RT_Text1"), {240, 240, 3735, 1095},
                                  kRadioTextLength, {"Radiotext-Eingabe", "RadioText entry"});
    RT_Text1_->setFont(designFont(FontFace::Sans, 12));
    RT_clear1_ = kit.button(RT_Frame_, QStringLiteral("RT_clear1"), {240, 1440, 1215, 375},
                            QStringLiteral("RT1 l&öschen"), {"Radiotext", "RadioText"});
    RT_Taste1_ = kit.button(RT_Frame_, QStringLiteral("RT_Taste1"), {2760, 1440, 1215, 375},
                            QStringLiteral("senden"), {"Radiotext", "RadioText"});
}

void RdsPage::buildMusicSpeech(PageKit& kit) {
    // Ends where the clock frame begins.
    MS_Frame_ = kit.frame(this, QStringLiteral("MS_Frame"), {4200, 2400, 1335, 840},
                          QStringLiteral("MS-Schalter"), {"Musik/Sprache", "music/speech"});
    MS_opt_ = kit.optionGroup(QStringLiteral("MS_opt"));
    kit.option(MS_opt_, 0, MS_Frame_, {120, 270, 1150, 240}, QStringLiteral("Musik"),
               {"Musik/Sprache", "music/speech"});
    kit.option(MS_opt_, 1, MS_Frame_, {120, 540, 1150, 240}, QStringLiteral("Spra&che"),
               {"Musik/Sprache", "music/speech"});
}

void RdsPage::buildClock(PageKit& kit) {
    Time_Frame_ = kit.frame(this, QStringLiteral("Time_Frame"), {4200, 3240, 1335, 1335},
                            QStringLiteral("CT"), {"Uhrzeit CT", "clock time CT"});
    Zeit_Taste_ = kit.pictureSwitch(Time_Frame_, QStringLiteral("Zeit_Taste"), {120, 240},
                                    {"Uhrzeit senden ein/aus", "send clock time on/off"});
    Image1_ = kit.picture(Time_Frame_, QStringLiteral("Image1"), {840, 270, 420, 420},
                          QLatin1String(kClockPicture), {"Uhr-Symbol", "clock symbol"});
    Uhr_Zeit_ = kit.display(Time_Frame_, QStringLiteral("Uhr_Zeit"), {60, 880, 1215, 375},
                            {"Uhrzeit", "clock"}, true);
    Uhr_Zeit_->setFont(designFont(FontFace::Sans, 11.25));
    Uhr_Zeit_->setAction(DisplayLabel::Action::DoubleClick);
    Timer1_ = kit.timer(QStringLiteral("Timer1"), kClockStartMs, true);
}

void RdsPage::buildDecoderInfo(PageKit& kit) {
    DI_Frame_ =
        kit.frame(this, QStringLiteral("DI_Frame"), {5520, 2400, 2895, 2175},
                  QStringLiteral("Decoder Info"), {"Decoder-Information", "decoder information"});
    DI_Opt_ = kit.optionGroup(QStringLiteral("DI_Opt"));
    const QStringList named{QStringLiteral("Mono"),
                            QStringLiteral("Stereo"),
                            QStringLiteral("NN"),
                            QStringLiteral("St Kunstkopf"),
                            QStringLiteral("Mono compr."),
                            QStringLiteral("Stereo compr."),
                            QStringLiteral("Stereo comp. Kunstkopf"),
                            QStringLiteral("Stereo comp. Kunstkopf")};
    const QFont narrow = designFont(FontFace::Narrow, 8.25);
    // The named options fill the wide left column, the numbered ones the
    // narrow right column.
    for (int i = 0; i < 16; ++i) {
        const int row = i % 8;
        const bool left = i < 8;
        const TwipRect at{left ? 120 : 2295, 250 + row * 235, left ? 2160 : 585, 225};
        QRadioButton* option =
            kit.option(DI_Opt_, i, DI_Frame_, at, left ? named[i] : QString::number(i),
                       {"Decoder-Information", "decoder information"});
        if (left)
            option->setFont(narrow);
    }
}

} // namespace zor
