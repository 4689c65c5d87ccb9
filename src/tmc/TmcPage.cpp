#include "tmc/TmcPage.h"

#include "settings/OperatorMessages.h"
#include "panel/DisplayLabel.h"
#include "panel/Fonts.h"
#include "panel/PageKit.h"
#include "translate/Instrument.h"
#include "panel/SettingNotSaved.h"
#include "settings/IniFile.h"
#include "tmc/TmcCatalogue.h"
#include "tmc/TmcListField.h"
#include "tmc/TmcSend.h"
#include "tmc/TmcStartUp.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <utility>

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

// Hex digits of the codes in the hidden row: eleven and sixteen bits.
constexpr int kEventHexDigits = 3;
constexpr int kLocationHexDigits = 4;

// Chooses entry `index` of `field`; when it is chosen already, its handling
// runs all the same, as it does for a choice by program.
template <typename Handler> void chooseEntry(QComboBox* field, int index, Handler handle) {
    if (index < 0 || index >= field->count())
        return;
    if (field->currentIndex() == index)
        handle(index);
    else
        field->setCurrentIndex(index);
}

// The code a field holds in upper-case hexadecimal; nothing while it is unset.
QString hexOf(const QString& bits, int digits) {
    if (bits == QLatin1String("-"))
        return {};
    return QStringLiteral("%1").arg(tmcBitTextNumber(bits), digits, 16, QLatin1Char('0')).toUpper();
}

} // namespace

TmcPage::TmcPage(PageContext& context, QWidget* parent) : QWidget(parent), context_(context) {
    setObjectName(QStringLiteral("TmcPage"));
    PageKit kit(this, context.data.path(), PageKit::kTabStripTwips);
    buildCatalogues(kit);
    buildMessageFields(kit);
    buildHiddenRow(kit);
    connectHandlers();
}

QRadioButton* TmcPage::Tmc_richtung(int index) const {
    return optionAt(Tmc_richtung_, index);
}

DisplayLabel* TmcPage::fieldLabel(const QString& name) const {
    return findChild<DisplayLabel*>(name);
}

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
    for (const HiddenField& field : kHiddenFields) {
        const int width = field.digits * kDigitTwips + 60;
        DisplayLabel* label = kit.display(this, QLatin1String(field.name),
                                          {left, kHiddenRowTop, width, 255}, field.about, true);
        label->hide();
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

void TmcPage::connectHandlers() {
    connect(TMC_T_Check_, &QCheckBox::toggled, this, &TmcPage::TMC_T_Check_Click);
    connect(TMC_F_Check_, &QCheckBox::toggled, this, &TmcPage::TMC_F_Check_Click);
    const std::pair<QCheckBox*, TmcDurationBox> durationBoxes[] = {
        {TMC_DP1_Check_, TmcDurationBox::Dp1},
        {TMC_DP2_Check_, TmcDurationBox::Dp2},
        {TMC_DP3Check_, TmcDurationBox::Dp3},
    };
    for (const auto& duration : durationBoxes) {
        const TmcDurationBox weight = duration.second;
        connect(duration.first, &QCheckBox::toggled, this,
                [this, weight](bool ticked) { TMC_DP_Check_Click(weight, ticked); });
    }
    connect(Tmc_richtung_, &QButtonGroup::idToggled, this, [this](int index, bool chosen) {
        if (chosen)
            Tmc_richtung_Click(index);
    });
    // A list reacts when its chosen entry changes, by a pick or by program;
    // typing into the field chooses nothing.
    connect(TMC_Var_Combo_, &QComboBox::currentIndexChanged, this, &TmcPage::TMC_Var_Combo_Click);
    connect(TMC_Event_Combo_, &QComboBox::currentIndexChanged, this,
            &TmcPage::TMC_Event_Combo_Click);
    connect(TMC_Loc_Combo_, &QComboBox::currentIndexChanged, this, &TmcPage::TMC_Loc_Combo_Click);
    connect(TMC_Senden_Taste_, &QPushButton::clicked, this, &TmcPage::TMC_Senden_Taste_Click);
}

void TmcPage::prepare() {
    TmcEntryTable events =
        readTmcEntryTable(TmcCatalogueKind::Events, context_.data.file(QLatin1String(kEventFile)));
    TmcEntryTable locations = readTmcEntryTable(TmcCatalogueKind::Locations,
                                                context_.data.file(QLatin1String(kLocationFile)));
    // The lists take over the tables; what is to be told stays here.
    const std::optional<QString> problems[] = {events.problem(), locations.problem()};
    for (const TmcStartStep& step : kTmcStartSteps)
        runStartStep(step, events, locations);
    // Told after the presets, so the page is complete while the box is open.
    for (const std::optional<QString>& problem : problems) {
        if (problem)
            context_.messages.warn(QStringLiteral("TMC-Liste"), *problem);
    }
}

void TmcPage::runStartStep(const TmcStartStep& step, TmcEntryTable& events,
                           TmcEntryTable& locations) {
    switch (step.action) {
    case TmcStartAction::ChooseExtent:
        fillExtentList();
        chooseExtent(step.value);
        break;
    case TmcStartAction::ChooseFirstEvent:
        fillCatalogueField(TMC_Event_Combo_, std::move(events));
        chooseEvent(step.value);
        break;
    case TmcStartAction::ChooseFirstLocation:
        fillCatalogueField(TMC_Loc_Combo_, std::move(locations));
        chooseLocation(step.value);
        break;
    case TmcStartAction::ChooseDirection:
        chooseDirection(step.value);
        break;
    case TmcStartAction::TakeT:
        TMC_T_Check_Click();
        break;
    case TmcStartAction::TickF:
        tickF();
        break;
    case TmcStartAction::TakeDuration:
        message_.takeDuration();
        TMCGruppe8Maker();
        break;
    case TmcStartAction::ClearDiversion:
        message_.clearDiversion();
        TMCGruppe8Maker();
        break;
    }
}

void TmcPage::fillExtentList() {
    const QSignalBlocker quiet(TMC_Var_Combo_);
    TMC_Var_Combo_->clear();
    TMC_Var_Combo_->addItems(tmcExtentEntries());
}

void TmcPage::chooseExtent(int index) {
    chooseEntry(TMC_Var_Combo_, index, [this](int chosen) { TMC_Var_Combo_Click(chosen); });
}

void TmcPage::chooseEvent(int index) {
    chooseEntry(TMC_Event_Combo_, index, [this](int chosen) { TMC_Event_Combo_Click(chosen); });
}

void TmcPage::chooseLocation(int index) {
    chooseEntry(TMC_Loc_Combo_, index, [this](int chosen) { TMC_Loc_Combo_Click(chosen); });
}

void TmcPage::chooseDirection(int index) {
    QRadioButton* option = Tmc_richtung(index);
    if (!option)
        return;
    if (option->isChecked())
        Tmc_richtung_Click(index);
    else
        option->setChecked(true);
}

void TmcPage::tickF() {
    if (TMC_F_Check_->isChecked())
        TMC_F_Check_Click();
    else
        TMC_F_Check_->setChecked(true);
}

void TmcPage::TMC_T_Check_Click() {
    message_.setT(TMC_T_Check_->isChecked());
    TMCGruppe8Maker();
}

void TmcPage::TMC_F_Check_Click() {
    message_.setF(TMC_F_Check_->isChecked());
    TMCGruppe8Maker();
}

void TmcPage::TMC_DP_Check_Click(TmcDurationBox box, bool ticked) {
    message_.setDurationBox(box, ticked);
    TMCGruppe8Maker();
}

void TmcPage::Tmc_richtung_Click(int index) {
    message_.setDirection(index);
    TMCGruppe8Maker();
}

void TmcPage::TMC_Var_Combo_Click(int index) {
    if (index < 0)
        return;
    message_.setExtent(TMC_Var_Combo_->itemText(index));
    TMCGruppe8Maker();
}

void TmcPage::TMC_Event_Combo_Click(int index) {
    if (index < 0)
        return;
    message_.setEvent(TMC_Event_Combo_->itemText(index));
    TMCGruppe8Maker();
}

void TmcPage::TMC_Loc_Combo_Click(int index) {
    if (index < 0)
        return;
    message_.setLocation(TMC_Loc_Combo_->itemText(index));
    TMCGruppe8Maker();
}

void TmcPage::TMCGruppe8Maker() {
    TMC_Gr8_Label_->setText(message_.display());
    const TmcFields& fields = message_.fields();
    for (const HiddenField& field : kHiddenFields)
        fieldLabel(QLatin1String(field.name))->setText(fields.*field.shows);
    TMC_Event_Hex_->setText(hexOf(fields.event, kEventHexDigits));
    TMC_Loc_Hex_->setText(hexOf(fields.local, kLocationHexDigits));
}

void TmcPage::TMC_Senden_Taste_Click() {
    const QString dataSet = context_.data.file(QLatin1String(kDataSetFile));
    bool stored = true;
    for (const TmcSendStep& step : tmcSendSteps(TMC_Gr8_Label_->text())) {
        context_.instrument.send(step.key, step.value);
        stored = Ini_Schreiben(QLatin1String(kTmcStoreSection), QLatin1String(kTmcStoreKey),
                               step.value, dataSet) &&
                 stored;
    }
    if (!stored)
        reportStoreFailure(dataSet);
}

void TmcPage::reportStoreFailure(const QString& file) {
    tellSettingNotSaved(context_.messages, QLatin1String(kTmcStoreKey), file);
}

} // namespace zor
