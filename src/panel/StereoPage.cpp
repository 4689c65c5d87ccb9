#include "panel/StereoPage.h"

#include "panel/CaptionText.h"
#include "panel/DisplayLabel.h"
#include "panel/Fonts.h"
#include "panel/PageKit.h"
#include "panel/PictureSwitch.h"
#include "translate/Instrument.h"
#include "panel/SettingNotSaved.h"
#include "settings/IniFile.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScopedValueRollback>
#include <QScrollBar>
#include <QSignalBlocker>

namespace zor {

namespace {

// The step controls show only their two arrows: as wide as they are high.
constexpr int kArrowPair = 495;
// A deviation or phase display left of its step control.
constexpr int kDisplayWidth = 1190;
constexpr int kDisplayHeight = 255;

// Caption text of the word for deviation in front of a deviation display.
constexpr int kDeviationWord = 21;

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

StereoPage::StereoPage(PageContext& context, QWidget* parent) : QWidget(parent), context_(context) {
    setObjectName(QStringLiteral("StereoPage"));
    PageKit kit(this, context.data.path(), PageKit::kTabStripTwips);
    buildMpx(kit);
    buildStereo(kit);
    buildAri(kit);
    buildRds(kit);
    buildTestMode(kit);
    connectHandlers();
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
    return deviationLabel(currentCaption(context_, kDeviationWord), position, pattern);
}

// The switch's state lives in its current value text, never in the picture:
// anything but "1" (also nothing stored yet) counts as off.
void StereoPage::switchClicked(PictureSwitch& picture, const SwitchSetting& setting) {
    const bool on = context_.current.*setting.entry != kOn;
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
    context_.current.*entry = stored;
    context_.instrument.send(QLatin1String(parameterKey), sent);
    store(iniKey, stored);
}

void StereoPage::restore() {
    // The restore stores back what it read, at most brought into range; a
    // file that cannot take it loses nothing, so it is not reported here.
    const QScopedValueRollback quiet(restoring_, true);
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
    context_.current.*setting.entry = text;
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
    context_.current.*setting.entry = text == kOn ? kOff : kOn;
    (this->*handler)();
}

// As with the step controls, the option is chosen quietly and its handler
// run by hand, once.
void StereoPage::restoreOption(QButtonGroup& group, const OptionSetting& setting,
                               void (StereoPage::*handler)(int)) {
    const QString text = storedText(setting.iniKey);
    context_.current.*setting.entry = text;
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
    return Ini_Lesen(QLatin1String(kStereoSection), QLatin1String(iniKey),
                     context_.data.file(QLatin1String(kGeneralFile)));
}

void StereoPage::store(const char* iniKey, const QString& value) {
    const QString file = context_.data.file(QLatin1String(kGeneralFile));
    if (Ini_Schreiben(QLatin1String(kStereoSection), QLatin1String(iniKey), value, file)) {
        storeFailureReported_ = false;
        return;
    }
    if (storeFailureReported_ || restoring_)
        return;
    storeFailureReported_ = true;
    tellSettingNotSaved(context_.messages, QLatin1String(iniKey), file);
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
