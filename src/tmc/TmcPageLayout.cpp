#include "panel/DisplayLabel.h"
#include "panel/Fonts.h"
#include "panel/PageKit.h"
#include "tmc/TmcCatalogue.h"
#include "tmc/TmcListField.h"
#include "tmc/TmcPage.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

namespace zor {

namespace {

struct HiddenField {
    const char* name;
    int digits;
    Spoken about;
    QString TmcFields::*shows;
};

// One label per message field, as wide as the field has digits.
const HiddenField kHiddenFields[] = {
    {"TMCBL2_T", 1, {"TMC-Feld T", "TMC field T"}, &TmcFields::t},
    {"TMCBL2_F", 1, {"TMC-Feld F", "TMC field F"}, &TmcFields::f},
    {"TMCBL2_DP", 3, {"TMC-Feld DP", "TMC field DP"}, &TmcFields::dp},
    {"TMCBL3_D", 1, {"TMC-Feld D", "TMC field D"}, &TmcFields::d},
    {"TMCBL3_U", 1, {"TMC-Feld Richtung", "TMC field direction"}, &TmcFields::u},
    {"TMCBL3_Extent", 3, {"TMC-Feld Ausdehnung", "TMC field extent"}, &TmcFields::extent},
    {"TMCBL3_Event", 11, {"TMC-Feld Ereignis", "TMC field event"}, &TmcFields::event},
    {"TMCBL4_Local", 16, {"TMC-Feld Ort", "TMC field location"}, &TmcFields::local},
};
constexpr int kHiddenRowTop = 4000;
constexpr int kDigitTwips = 150;
constexpr int kFieldGap = 45;

} // namespace

void TmcPage::buildCatalogues(PageKit& kit) {
    const QFont courier = designFont(FontFace::Courier, 9.75);
    Label3_ = kit.label(this, QStringLiteral("Label3"), {120, 600, 3975, 255},
                        QStringLiteral("Auszug aus Eventliste"), {"Ereignisliste", "event list"});
    TMC_Event_Combo_ = kit.dropDown(this, QStringLiteral("TMC_Event_Combo"), {120, 840, 4000, 315},
                                    {"TMC-Ereignis", "TMC event"});
    TMC_Event_Combo_->setFont(courier);
    makeCatalogueField(TMC_Event_Combo_, kTmcEventNameWidth + kTmcCodeWidth);
    TMC_Event_Combo_->setToolTip(QStringLiteral("Eventauswahl"));

    Label4_ = kit.label(this, QStringLiteral("Label4"), {4320, 600, 3975, 255},
                        QStringLiteral("Auszug aus Locationliste"), {"Ortsliste", "location list"});
    TMC_Loc_Combo_ = kit.dropDown(this, QStringLiteral("TMC_Loc_Combo"), {4320, 840, 4005, 315},
                                  {"TMC-Ort", "TMC location"});
    TMC_Loc_Combo_->setFont(courier);
    makeCatalogueField(TMC_Loc_Combo_, kTmcLocationNameWidth + kTmcCodeWidth);
    TMC_Loc_Combo_->setToolTip(QStringLiteral("Locationauswahl"));
}

void TmcPage::buildMessageFields(PageKit& kit) {
    TMC_Frame1_ = kit.frame(this, QStringLiteral("TMC_Frame1"), {4320, 1320, 3975, 735},
                            QStringLiteral("Richtung"), {"TMC-Richtung", "TMC direction"});
    Tmc_richtung_ = kit.optionGroup(QStringLiteral("Tmc_richtung"));
    kit.option(Tmc_richtung_, 0, TMC_Frame1_, {240, 330, 1700, 255}, QStringLiteral("Vorwärts"),
               {"Richtung", "direction"})
        ->setToolTip(QStringLiteral("bezogen auf die Locationliste"));
    kit.option(Tmc_richtung_, 1, TMC_Frame1_, {2040, 330, 1700, 255}, QStringLiteral("Rückwärts"),
               {"Richtung", "direction"})
        ->setToolTip(QStringLiteral("beogen auf die Locationliste"));

    // Ends where the extent field begins.
    TMC_Var_Label_ = kit.label(this, QStringLiteral("TMC_Var_Label"), {120, 1560, 2985, 255},
                               QStringLiteral("Anzahl der Positionen vor der Location"),
                               {"Ausdehnung", "extent"});
    TMC_Var_Label_->setFrameStyle(QFrame::Box | QFrame::Plain);
    TMC_Var_Combo_ = kit.dropDown(this, QStringLiteral("TMC_Var_Combo"), {3120, 1560, 975, 315},
                                  {"Ausdehnung wählen", "choose extent"});
    TMC_Var_Combo_->setToolTip(QStringLiteral("0 bis 15"));

    TMC_Frame2_ = kit.frame(this, QStringLiteral("TMC_Frame2"), {120, 1920, 1455, 1815},
                            QStringLiteral("Extras"), {"TMC-Zusatzfelder", "TMC extra fields"});
    TMC_T_Check_ = kit.checkBox(TMC_Frame2_, QStringLiteral("TMC_T_Check"), {120, 240, 1215, 255},
                                QStringLiteral("T - Feld"), {"TMC", "TMC"});
    TMC_F_Check_ = kit.checkBox(TMC_Frame2_, QStringLiteral("TMC_F_Check"), {120, 600, 1215, 255},
                                QStringLiteral("F - Feld"), {"TMC", "TMC"});
    TMC_DP3Check_ = kit.checkBox(TMC_Frame2_, QStringLiteral("TMC_DP3Check"), {120, 960, 1215, 240},
                                 QStringLiteral("DP 3"), {"TMC", "TMC"});
    TMC_DP2_Check_ = kit.checkBox(TMC_Frame2_, QStringLiteral("TMC_DP2_Check"),
                                  {120, 1200, 1215, 240}, QStringLiteral("DP 2"), {"TMC", "TMC"});
    TMC_DP1_Check_ = kit.checkBox(TMC_Frame2_, QStringLiteral("TMC_DP1_Check"),
                                  {120, 1440, 1215, 240}, QStringLiteral("DP 1"), {"TMC", "TMC"});

    TMC_Gr8_Label_ = kit.display(this, QStringLiteral("TMC_Gr8_Label"), {3720, 2800, 3135, 300},
                                 {"TMC-Gruppe 8A", "TMC group 8A"}, true);
    TMC_Gr8_Label_->setFont(designFont(FontFace::Sans, 9.75));
    TMC_Senden_Taste_ =
        kit.button(this, QStringLiteral("TMC_Senden_Taste"), {7080, 2760, 1095, 375},
                   QStringLiteral("senden3"), {"TMC-Meldung", "TMC message"});
}

void TmcPage::buildHiddenRow(PageKit& kit) {
    int left = 120;
    for (std::size_t i = 0; i < hiddenFields_.size(); ++i) {
        const HiddenField& field = kHiddenFields[i];
        const int width = field.digits * kDigitTwips + 60;
        DisplayLabel* label = kit.display(this, QLatin1String(field.name),
                                          {left, kHiddenRowTop, width, 255}, field.about, true);
        label->hide();
        hiddenFields_[i] = {label, field.shows};
        left += width + kFieldGap;
    }
    TMC_Event_Hex_ =
        kit.display(this, QStringLiteral("TMC_Event_Hex"), {left, kHiddenRowTop, 600, 255},
                    {"Ereigniscode hexadezimal", "event code hexadecimal"});
    TMC_Loc_Hex_ =
        kit.display(this, QStringLiteral("TMC_Loc_Hex"), {left + 645, kHiddenRowTop, 600, 255},
                    {"Ortscode hexadezimal", "location code hexadecimal"});
    for (DisplayLabel* code : {TMC_Event_Hex_, TMC_Loc_Hex_}) {
        QPalette red = code->palette();
        red.setColor(QPalette::WindowText, Qt::red);
        code->setPalette(red);
        code->hide();
    }
}

} // namespace zor
