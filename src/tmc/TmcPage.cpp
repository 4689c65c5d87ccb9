#include "tmc/TmcPage.h"

#include "panel/DisplayLabel.h"
#include "panel/PageKit.h"
#include "settings/MessageLanguage.h"
#include "settings/OperatorMessages.h"
#include "settings/SettingsStore.h"
#include "tmc/TmcCatalogue.h"
#include "tmc/TmcListField.h"
#include "tmc/TmcSend.h"
#include "tmc/TmcStartUp.h"
#include "translate/Instrument.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <utility>

namespace zor {

namespace {

const CaptionKey kCaptions[] = {
    captionOfOne("TMC_Senden_Taste", 53), captionOfOne("TMC_Frame1", 201),
    captionOfOne("Tmc_richtung(1)", 202), captionOfOne("Tmc_richtung(0)", 203),
    captionOfOne("TMC_Var_Label", 204),   captionOfOne("Label3", 205),
    captionOfOne("Label4", 206),
};

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

TmcPage::TmcPage(PageContext& context, QWidget* parent)
    : TabPage(context, QStringLiteral("TmcPage"), parent) {
    PageKit kit(this, context.data.path(), PageKit::kTabStripTwips);
    buildCatalogues(kit);
    buildMessageFields(kit);
    buildHiddenRow(kit);
    connectHandlers();
}

std::span<const CaptionKey> TmcPage::captionTable() const {
    return kCaptions;
}

// The diversion field shows 0 from the start.
void TmcPage::restoreSettings() {
    TMCBL3_D()->setText(QStringLiteral("0"));
}

QRadioButton* TmcPage::Tmc_richtung(int index) const {
    return optionAt(Tmc_richtung_, index);
}

DisplayLabel* TmcPage::fieldLabel(const QString& name) const {
    return findChild<DisplayLabel*>(name);
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
        readTmcEntryTable(TmcCatalogueKind::Events, context().data.file(QLatin1String(kEventFile)));
    TmcEntryTable locations = readTmcEntryTable(TmcCatalogueKind::Locations,
                                                context().data.file(QLatin1String(kLocationFile)));
    // The lists take over the tables; what is to be told stays here.
    const std::pair<const char*, std::optional<QString>> problems[] = {
        {kEventFile, events.problem()}, {kLocationFile, locations.problem()}};
    for (const TmcStartStep& step : kTmcStartSteps)
        runStartStep(step, events, locations);
    // Told after the presets, so the page is complete while the box is open;
    // a catalogue of a data folder the start-up has told missing is not told
    // again.
    for (const auto& [file, problem] : problems) {
        if (problem && !context().settings.toldAtStartUp(file))
            context().messages.warn(spoken(QStringLiteral("TMC-Liste"), QStringLiteral("TMC list")),
                                    *problem);
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
    for (const auto& [label, shows] : hiddenFields_)
        label->setText(fields.*shows);
    TMC_Event_Hex_->setText(hexOf(fields.event, kEventHexDigits));
    TMC_Loc_Hex_->setText(hexOf(fields.local, kLocationHexDigits));
}

void TmcPage::TMC_Senden_Taste_Click() {
    for (const TmcSendStep& step : tmcSendSteps(TMC_Gr8_Label_->text())) {
        context().instrument.send(step.key, step.value);
        context().settings.write(kDataSetFile, kTmcStoreSection, kTmcStoreKey, step.value);
    }
}

} // namespace zor
