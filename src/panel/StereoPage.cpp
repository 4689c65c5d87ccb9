#include "panel/StereoPage.h"

#include "panel/CaptionText.h"
#include "panel/DataMode.h"
#include "panel/DisplayLabel.h"
#include "panel/LanguageTexts.h"
#include "panel/PageKit.h"
#include "panel/PictureSwitch.h"
#include "settings/SettingsStore.h"
#include "translate/Instrument.h"

#include <QButtonGroup>
#include <QRadioButton>
#include <QScrollBar>
#include <QSignalBlocker>

namespace zor {

namespace {

const CaptionKey kCaptions[] = {
    captionOfOne("FM_Sorce_Frame", 20),  captionsInTurn("FM_Source_Opt", 22, 4),
    captionOfOne("FM_Imp_Frame", 26),    captionOfOne("Pre_Frame", 27),
    captionOfOne("Pre_opt(0)", 28),      captionOfOne("Frame_stereo", 29),
    captionsInTurn("Stereo_Opt", 31, 5), captionOfOne("ARI_Mode_Opt(0)", 193),
};

const QString kOn = QStringLiteral("1");
const QString kOff = QStringLiteral("0");

// The texts a group's options are stored as, in option order.
QStringList storedTexts(const OptionSetting& setting) {
    QStringList texts;
    for (int option = 0; option < setting.options; ++option)
        texts << setting.storedText(option);
    return texts;
}

} // namespace

StereoPage::StereoPage(PageContext& context, QWidget* parent)
    : TabPage(context, QStringLiteral("StereoPage"), parent) {
    PageKit kit(this, context.data.path(), PageKit::kTabStripTwips);
    buildMpx(kit);
    buildStereo(kit);
    buildAri(kit);
    buildRds(kit);
    buildTestMode(kit);
    dataMode_ = new DataMode(context, Taste_DATA_MODE_, TestDat_Opt_, this);
    connectHandlers();
}

std::span<const CaptionKey> StereoPage::captionTable() const {
    return kCaptions;
}

void StereoPage::showLanguage(const LanguageTexts& texts) {
    const QString word = texts.text(textNumber(Text::DeviationWord));
    const std::pair<DisplayLabel*, const QScrollBar*> deviations[] = {
        {Pilot_hub_Label_, Pilot_Hub_Scroll_},
        {Ari_Label_, Ari_hub_Scroll_},
        {RDS_Hub_Label_, RDS_Hub_Scroll_},
    };
    for (const auto& [display, step] : deviations)
        display->setText(deviationLabel(word, step->value(), DeviationPattern::TwoDecimals));
    FM_Hub_Label2_->setText(
        deviationLabel(word, FM_Hub_Scroll_->value(), DeviationPattern::OneDecimal));
}

void StereoPage::Taste_DATA_MODE_Click() {
    dataMode_->Taste_DATA_MODE_Click();
}

void StereoPage::storePilotPhase() {
    context().settings.write(kGeneralFile, kStereoSection, kPilotPhaseStep.iniKey,
                             kPilotPhaseStep.valueText(HScroll1_->value()));
}

void StereoPage::connectHandlers() {
    connect(FM_Hub_Scroll_, &QScrollBar::valueChanged, this, &StereoPage::FM_Hub_Scroll_Change);
    connect(Pilot_Hub_Scroll_, &QScrollBar::valueChanged, this,
            &StereoPage::Pilot_Hub_Scroll_Change);
    connect(HScroll1_, &QScrollBar::valueChanged, this, &StereoPage::HScroll1_Change);
    connect(Ari_hub_Scroll_, &QScrollBar::valueChanged, this, &StereoPage::Ari_hub_Scroll_Change);
    connect(RDS_Hub_Scroll_, &QScrollBar::valueChanged, this, &StereoPage::RDS_Hub_Scroll_Change);
    connect(RDS_Phase_Scroll_, &QScrollBar::valueChanged, this,
            &StereoPage::RDS_Phase_Scroll_Change);

    connect(Pilot_OnOff_, &QAbstractButton::clicked, this, &StereoPage::Pilot_OnOff_Click);
    connect(Ari_OnOff_, &QAbstractButton::clicked, this, &StereoPage::Ari_OnOff_Click);
    connect(RDS_OnOff_, &QAbstractButton::clicked, this, &StereoPage::RDS_OnOff_Click);

    // An option acts when it becomes the chosen one, by a click or by being
    // set; choosing the option already chosen changes nothing and sends
    // nothing.
    const std::pair<QButtonGroup*, void (StereoPage::*)(int)> groups[] = {
        {Stereo_Opt_, &StereoPage::Stereo_Opt_Click},
        {FM_Source_Opt_, &StereoPage::FM_Source_Opt_Click},
        {FM_Imp_Opt_, &StereoPage::FM_Imp_Opt_Click},
        {Pre_opt_, &StereoPage::Pre_opt_Click},
        {ARI_Mode_Opt_, &StereoPage::ARI_Mode_Opt_Click},
        {BK_Opt_, &StereoPage::BK_Opt_Click},
    };
    for (const auto& entry : groups) {
        const auto handler = entry.second;
        connect(entry.first, &QButtonGroup::idToggled, this, [this, handler](int id, bool chosen) {
            if (chosen)
                (this->*handler)(id);
        });
    }
}

void StereoPage::FM_Hub_Scroll_Change() {
    stepChanged(*FM_Hub_Scroll_, *FM_Hub_Label2_, kMpxDeviationStep);
}
void StereoPage::Pilot_Hub_Scroll_Change() {
    stepChanged(*Pilot_Hub_Scroll_, *Pilot_hub_Label_, kPilotDeviationStep);
}
void StereoPage::HScroll1_Change() {
    stepChanged(*HScroll1_, *Pilot_Phase_Label_, kPilotPhaseStep);
}
void StereoPage::Ari_hub_Scroll_Change() {
    stepChanged(*Ari_hub_Scroll_, *Ari_Label_, kAriDeviationStep);
}
void StereoPage::RDS_Hub_Scroll_Change() {
    stepChanged(*RDS_Hub_Scroll_, *RDS_Hub_Label_, kRdsDeviationStep);
}
void StereoPage::RDS_Phase_Scroll_Change() {
    stepChanged(*RDS_Phase_Scroll_, *RDS_Phase_Label_, kRdsPhaseStep);
}

void StereoPage::Pilot_OnOff_Click() {
    switchClicked(*Pilot_OnOff_, kPilotSwitch);
}
void StereoPage::Ari_OnOff_Click() {
    switchClicked(*Ari_OnOff_, kAriSwitch);
}
void StereoPage::RDS_OnOff_Click() {
    switchClicked(*RDS_OnOff_, kRdsSwitch);
}

void StereoPage::Stereo_Opt_Click(int index) {
    optionChosen(index, kStereoModeOption);
}
void StereoPage::FM_Source_Opt_Click(int index) {
    optionChosen(index, kSourceOption);
}
void StereoPage::FM_Imp_Opt_Click(int index) {
    optionChosen(index, kImpedanceOption);
}
void StereoPage::Pre_opt_Click(int index) {
    optionChosen(index, kPreEmphasisOption);
}
void StereoPage::ARI_Mode_Opt_Click(int index) {
    optionChosen(index, kAriIdentificationOption);
}
void StereoPage::BK_Opt_Click(int index) {
    optionChosen(index, kAreaCodeOption);
}

void StereoPage::stepChanged(const QScrollBar& step, DisplayLabel& label,
                             const StepSetting& setting) {
    const int position = step.value();
    label.setText(stepLabel(setting.display, position));
    const QString value = setting.valueText(position);
    keepSendAndStore(setting.entry, setting.parameterKey, value, setting.iniKey, value);
}

QString StereoPage::stepLabel(StepDisplay display, int position) const {
    if (display == StepDisplay::Phase)
        return phaseLabel(position);
    const DeviationPattern pattern = display == StepDisplay::MpxDeviation
                                         ? DeviationPattern::OneDecimal
                                         : DeviationPattern::TwoDecimals;
    return deviationLabel(currentCaption(context(), Text::DeviationWord), position, pattern);
}

// The switch's state lives in its current value text, never in the picture:
// anything but "1" (also nothing stored yet) counts as off.
void StereoPage::switchClicked(PictureSwitch& picture, const SwitchSetting& setting) {
    const bool on = context().current.*setting.entry != kOn;
    picture.showOn(on);
    const QString value = on ? kOn : kOff;
    keepSendAndStore(setting.entry, setting.key, value, setting.key, value);
}

void StereoPage::optionChosen(int index, const OptionSetting& setting) {
    if (index < 0 || index >= setting.options)
        return;
    keepSendAndStore(setting.entry, setting.parameterKey, setting.sentText(index), setting.iniKey,
                     setting.storedText(index));
}

void StereoPage::keepSendAndStore(QString CurrentValues::*entry, const char* parameterKey,
                                  const QString& sent, const char* iniKey, const QString& stored) {
    context().current.*entry = stored;
    context().instrument.send(QLatin1String(parameterKey), sent);
    context().settings.write(kGeneralFile, kStereoSection, iniKey, stored);
}

void StereoPage::restoreSettings() {
    restoreStep(*FM_Hub_Scroll_, kMpxDeviationStep, &StereoPage::FM_Hub_Scroll_Change);
    restoreOption(*FM_Source_Opt_, kSourceOption, &StereoPage::FM_Source_Opt_Click);
    restoreOption(*FM_Imp_Opt_, kImpedanceOption, &StereoPage::FM_Imp_Opt_Click);
    restoreOption(*Stereo_Opt_, kStereoModeOption, &StereoPage::Stereo_Opt_Click);
    restoreOption(*Pre_opt_, kPreEmphasisOption, &StereoPage::Pre_opt_Click);
    restoreSwitch(kPilotSwitch, &StereoPage::Pilot_OnOff_Click);
    restoreStep(*Pilot_Hub_Scroll_, kPilotDeviationStep, &StereoPage::Pilot_Hub_Scroll_Change);
    restoreStep(*HScroll1_, kPilotPhaseStep, &StereoPage::HScroll1_Change);
    restoreSwitch(kAriSwitch, &StereoPage::Ari_OnOff_Click);
    restoreStep(*Ari_hub_Scroll_, kAriDeviationStep, &StereoPage::Ari_hub_Scroll_Change);
    restoreOption(*ARI_Mode_Opt_, kAriIdentificationOption, &StereoPage::ARI_Mode_Opt_Click);
    restoreOption(*BK_Opt_, kAreaCodeOption, &StereoPage::BK_Opt_Click);
    restoreSwitch(kRdsSwitch, &StereoPage::RDS_OnOff_Click);
    restoreStep(*RDS_Hub_Scroll_, kRdsDeviationStep, &StereoPage::RDS_Hub_Scroll_Change);
    restoreStep(*RDS_Phase_Scroll_, kRdsPhaseStep, &StereoPage::RDS_Phase_Scroll_Change);
}

// The position is set quietly and the handler run by hand, so that it runs
// exactly once, also when the stored position is the one already shown.
void StereoPage::restoreStep(QScrollBar& step, const StepSetting& setting,
                             void (StereoPage::*handler)()) {
    const QString text = storedText(setting.iniKey);
    context().current.*setting.entry = text;
    {
        const QSignalBlocker quiet(step);
        step.setValue(positionFromStored(text, step.minimum(), step.maximum()));
    }
    (this->*handler)();
}

// The toggle brings the switch to its stored state: it starts from the
// opposite one. Any stored text but "1" restores the switch as off.
void StereoPage::restoreSwitch(const SwitchSetting& setting, void (StereoPage::*handler)()) {
    const QString text = storedText(setting.key);
    context().current.*setting.entry = text == kOn ? kOff : kOn;
    (this->*handler)();
}

// As with the step controls, the option is chosen quietly and its handler
// run by hand, once.
void StereoPage::restoreOption(QButtonGroup& group, const OptionSetting& setting,
                               void (StereoPage::*handler)(int)) {
    const QString text = storedText(setting.iniKey);
    context().current.*setting.entry = text;
    const int option = optionFromStored(text, storedTexts(setting));
    QAbstractButton* chosen = group.button(option);
    if (!chosen)
        return;
    {
        // The group itself reports the change; quieting the button is not enough.
        const QSignalBlocker quiet(group);
        chosen->setChecked(true);
    }
    (this->*handler)(option);
}

QString StereoPage::storedText(const char* iniKey) const {
    return context().settings.read(kGeneralFile, kStereoSection, iniKey);
}

QRadioButton* StereoPage::FM_Source_Opt(int index) const {
    return optionAt(FM_Source_Opt_, index);
}
QRadioButton* StereoPage::FM_Imp_Opt(int index) const {
    return optionAt(FM_Imp_Opt_, index);
}
QRadioButton* StereoPage::Pre_opt(int index) const {
    return optionAt(Pre_opt_, index);
}
QRadioButton* StereoPage::Stereo_Opt(int index) const {
    return optionAt(Stereo_Opt_, index);
}
QRadioButton* StereoPage::ARI_Mode_Opt(int index) const {
    return optionAt(ARI_Mode_Opt_, index);
}
QRadioButton* StereoPage::BK_Opt(int index) const {
    return optionAt(BK_Opt_, index);
}
QRadioButton* StereoPage::TestDat_Opt(int index) const {
    return optionAt(TestDat_Opt_, index);
}

} // namespace zor
