#pragma once

#include "panel/GeneratorSettings.h"
#include "panel/TabPage.h"

class QGroupBox;

namespace zor {

class DisplayLabel;
class PageKit;
class PictureSwitch;

// Tab 8 "* * *": the generator's RF frequency, RF level with the RF output
// switch, and audio frequency. Each value display is clicked to enter a value
// in an input dialog; a value strictly inside its limits is shown, copied to
// the status strip and sent at once. The values entered are not stored: the
// dialogs always propose the values of section "ZOR" of the data set file.
class GeneratorPage : public TabPage {
    Q_OBJECT

public:
    // The RF output as the window last switched it.
    enum class RfOutput { NotSet, On, Off };

    explicit GeneratorPage(PageContext& context, QWidget* parent = nullptr);

    QGroupBox* RF_Freq_Frame() const { return RF_Freq_Frame_; }
    DisplayLabel* Input_HF_Freq_Label() const { return Input_HF_Freq_Label_; }
    QGroupBox* RF_Level_Frame() const { return RF_Level_Frame_; }
    DisplayLabel* Input_HF_Pegel_Label() const { return Input_HF_Pegel_Label_; }
    PictureSwitch* HfOnOffState() const { return HfOnOffState_; }
    QGroupBox* AF_Freq_Frame() const { return AF_Freq_Frame_; }
    DisplayLabel* Input_AF_Freq_Label() const { return Input_AF_Freq_Label_; }

    // The dialog the value displays open; an empty one brings back the
    // window's own input dialog.
    void setInputDialog(InputDialog dialog);

    // The stored RF frequency, RF level and audio frequency shown in their
    // displays and status fields. With `send` (the instrument initialisation)
    // each is sent before it is shown, and between level and audio frequency
    // the RF output is switched on; without (demo mode) nothing is sent.
    void showStoredValues(bool send);

    RfOutput rfOutput() const { return rfOutput_; }

    // The handlers of the value displays and of the RF output switch.
    void Input_HF_Freq_Label_Click();
    void Input_HF_Pegel_Label_Click();
    void Input_AF_Freq_Label_Click();
    void HfOnOffState_Click();

protected:
    std::span<const CaptionKey> captionTable() const override;

private:
    void build(PageKit& kit);
    void enterValue(DisplayLabel& display, const GeneratorValue& value);
    void showStored(DisplayLabel& display, const GeneratorValue& value, bool send);
    void showValue(DisplayLabel& display, const GeneratorValue& value, const QString& text);
    void sendValue(const char* parameterKey, const QString& text);
    EntryLimits limitsOf(const GeneratorValue& value) const;
    QString storedText(const char* key) const;
    QString askInWindow(const QString& title, const QString& prompt, const QString& proposal);

    InputDialog ask_;
    RfOutput rfOutput_ = RfOutput::NotSet;

    QGroupBox* RF_Freq_Frame_ = nullptr;
    DisplayLabel* Input_HF_Freq_Label_ = nullptr;
    QGroupBox* RF_Level_Frame_ = nullptr;
    DisplayLabel* Input_HF_Pegel_Label_ = nullptr;
    PictureSwitch* HfOnOffState_ = nullptr;
    QGroupBox* AF_Freq_Frame_ = nullptr;
    DisplayLabel* Input_AF_Freq_Label_ = nullptr;
};

} // namespace zor
