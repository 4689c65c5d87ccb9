#include "panel/GeneratorPage.h"

#include "panel/CaptionText.h"
#include "panel/DisplayLabel.h"
#include "panel/PageKit.h"
#include "panel/PictureSwitch.h"
#include "translate/Instrument.h"
#include "panel/StatusLine.h"
#include "settings/IniFile.h"

#include <QGroupBox>
#include <QInputDialog>

namespace zor {

namespace {

// The three frames stand one below the other; each is as high as the gap to
// the next, so none covers its neighbour.
constexpr int kFrameHeight = 840;
constexpr TwipRect kEntryDisplay{720, 360, 1125, 255};

} // namespace

GeneratorPage::GeneratorPage(PageContext& context, QWidget* parent)
    : QWidget(parent), context_(context) {
    setObjectName(QStringLiteral("GeneratorPage"));
    PageKit kit(this, context.data.path(), PageKit::kTabStripTwips);

    RF_Freq_Frame_ =
        kit.frame(this, QStringLiteral("RF_Freq_Frame"), {2640, 1080, 3000, kFrameHeight},
                  QStringLiteral("RF-Frequency [MHz]"), {"HF-Frequenz", "RF frequency"});
    Input_HF_Freq_Label_ =
        kit.display(RF_Freq_Frame_, QStringLiteral("Input_HF_Freq_Label"), kEntryDisplay,
                    {"HF-Frequenz in MHz", "RF frequency in MHz"}, true, QStringLiteral("-"));

    RF_Level_Frame_ =
        kit.frame(this, QStringLiteral("RF_Level_Frame"), {2640, 1920, 3000, kFrameHeight},
                  QStringLiteral("HF Pegel [dBµV]"), {"HF-Pegel", "RF level"});
    Input_HF_Pegel_Label_ =
        kit.display(RF_Level_Frame_, QStringLiteral("Input_HF_Pegel_Label"), kEntryDisplay,
                    {"HF-Pegel in dBµV", "RF level in dBµV"}, true, QStringLiteral("-"));
    HfOnOffState_ =
        kit.pictureSwitch(RF_Level_Frame_, QStringLiteral("HfOnOffState"), {2040, 200, 615, 615},
                          {"HF-Ausgang ein/aus", "RF output on/off"});

    AF_Freq_Frame_ =
        kit.frame(this, QStringLiteral("AF_Freq_Frame"), {2640, 2760, 3015, kFrameHeight},
                  QStringLiteral("AF Frequency [kHz]"), {"NF-Frequenz", "AF frequency"});
    Input_AF_Freq_Label_ =
        kit.display(AF_Freq_Frame_, QStringLiteral("Input_AF_Freq_Label"), kEntryDisplay,
                    {"NF-Frequenz in kHz", "AF frequency in kHz"}, true, QStringLiteral("-"));

    for (DisplayLabel* entry : {Input_HF_Freq_Label_, Input_HF_Pegel_Label_, Input_AF_Freq_Label_})
        entry->setAction(DisplayLabel::Action::Click);

    setInputDialog({});
    connect(Input_HF_Freq_Label_, &DisplayLabel::clicked, this,
            &GeneratorPage::Input_HF_Freq_Label_Click);
    connect(Input_HF_Pegel_Label_, &DisplayLabel::clicked, this,
            &GeneratorPage::Input_HF_Pegel_Label_Click);
    connect(Input_AF_Freq_Label_, &DisplayLabel::clicked, this,
            &GeneratorPage::Input_AF_Freq_Label_Click);
    connect(HfOnOffState_, &QAbstractButton::clicked, this, &GeneratorPage::HfOnOffState_Click);
}

void GeneratorPage::setInputDialog(InputDialog dialog) {
    if (dialog) {
        ask_ = std::move(dialog);
        return;
    }
    ask_ = [this](const QString& title, const QString& prompt, const QString& proposal) {
        return askInWindow(title, prompt, proposal);
    };
}

QString GeneratorPage::askInWindow(const QString& title, const QString& prompt,
                                   const QString& proposal) {
    bool accepted = false;
    const QString entry =
        QInputDialog::getText(this, title, prompt, QLineEdit::Normal, proposal, &accepted);
    return accepted ? entry : QString();
}

void GeneratorPage::Input_HF_Freq_Label_Click() {
    enterValue(*Input_HF_Freq_Label_, kRfFrequency);
}
void GeneratorPage::Input_HF_Pegel_Label_Click() {
    enterValue(*Input_HF_Pegel_Label_, kRfLevel);
}
void GeneratorPage::Input_AF_Freq_Label_Click() {
    enterValue(*Input_AF_Freq_Label_, kAudioFrequency);
}

// Anything but on (also not yet switched after the start) switches on.
void GeneratorPage::HfOnOffState_Click() {
    const bool on = rfOutput_ != RfOutput::On;
    rfOutput_ = on ? RfOutput::On : RfOutput::Off;
    HfOnOffState_->showOn(on);
    sendValue("HF:PEGEL:STATE", on ? QStringLiteral("ON") : QStringLiteral("OFF"));
}

// Limits and proposal are read anew at each opening; an entry outside the
// limits opens the dialog again, without a message, until the operator
// enters a fitting value or cancels. The entry is shown and sent as typed.
void GeneratorPage::enterValue(DisplayLabel& display, const GeneratorValue& value) {
    const EntryLimits limits = limitsOf(value);
    const QString proposal = storedText(value.storedKey);
    const QString title = currentCaption(context_, value.titleText);
    const QString prompt = currentCaption(context_, value.promptText);
    const QString entry = askWithinLimits(ask_, title, prompt, proposal, limits);
    if (entry.isEmpty())
        return;
    showValue(display, value, entry);
    sendValue(value.parameterKey, entry);
}

void GeneratorPage::showStoredValues(bool send) {
    showStored(*Input_HF_Freq_Label_, kRfFrequency, send);
    showStored(*Input_HF_Pegel_Label_, kRfLevel, send);
    if (send) {
        rfOutput_ = RfOutput::Off;
        HfOnOffState_Click();
    }
    showStored(*Input_AF_Freq_Label_, kAudioFrequency, send);
}

void GeneratorPage::showStored(DisplayLabel& display, const GeneratorValue& value, bool send) {
    const QString text = storedText(value.storedKey);
    if (send)
        sendValue(value.parameterKey, text);
    showValue(display, value, text);
}

void GeneratorPage::showValue(DisplayLabel& display, const GeneratorValue& value,
                              const QString& text) {
    display.setText(text);
    context_.status.showStatus(value.statusIndex, text);
}

void GeneratorPage::sendValue(const char* parameterKey, const QString& text) {
    context_.instrument.send(QLatin1String(parameterKey), text);
}

EntryLimits GeneratorPage::limitsOf(const GeneratorValue& value) const {
    if (!value.lowerKey)
        return value.fixedLimits;
    return limitsFromStored(storedText(value.lowerKey), storedText(value.upperKey));
}

QString GeneratorPage::storedText(const char* key) const {
    return Ini_Lesen(QLatin1String(kGeneratorSection), QLatin1String(key),
                     context_.data.file(QLatin1String(kDataSetFile)));
}

} // namespace zor
