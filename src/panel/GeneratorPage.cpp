#include "panel/GeneratorPage.h"

#include "panel/CaptionText.h"
#include "panel/DisplayLabel.h"
#include "panel/PageKit.h"
#include "panel/PictureSwitch.h"
#include "panel/StatusLine.h"
#include "settings/SettingsStore.h"
#include "translate/Instrument.h"

#include <QInputDialog>

namespace zor {

namespace {

const CaptionKey kCaptions[] = {
    captionOfOne("RF_Freq_Frame", 212),
    captionOfOne("AF_Freq_Frame", 215),
    captionOfOne("RF_Level_Frame", 218),
};

} // namespace

GeneratorPage::GeneratorPage(PageContext& context, QWidget* parent)
    : TabPage(context, QStringLiteral("GeneratorPage"), parent) {
    PageKit kit(this, context.data.path(), PageKit::kTabStripTwips);
    build(kit);
    setInputDialog({});
    connect(Input_HF_Freq_Label_, &DisplayLabel::clicked, this,
            &GeneratorPage::Input_HF_Freq_Label_Click);
    connect(Input_HF_Pegel_Label_, &DisplayLabel::clicked, this,
            &GeneratorPage::Input_HF_Pegel_Label_Click);
    connect(Input_AF_Freq_Label_, &DisplayLabel::clicked, this,
            &GeneratorPage::Input_AF_Freq_Label_Click);
    connect(HfOnOffState_, &QAbstractButton::clicked, this, &GeneratorPage::HfOnOffState_Click);
}

std::span<const CaptionKey> GeneratorPage::captionTable() const {
    return kCaptions;
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
    const QString title = currentCaption(context(), value.titleText);
    const QString prompt = currentCaption(context(), value.promptText);
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
    context().status.showStatus(value.status, text);
}

void GeneratorPage::sendValue(const char* parameterKey, const QString& text) {
    context().instrument.send(QLatin1String(parameterKey), text);
}

EntryLimits GeneratorPage::limitsOf(const GeneratorValue& value) const {
    if (!value.lowerKey)
        return value.fixedLimits;
    return limitsFromStored(storedText(value.lowerKey), storedText(value.upperKey));
}

QString GeneratorPage::storedText(const char* key) const {
    return context().settings.read(kDataSetFile, kGeneratorSection, key);
}

} // namespace zor
