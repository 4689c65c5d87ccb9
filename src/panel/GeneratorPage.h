#pragma once

#include "panel/PageContext.h"

#include <QWidget>

class QGroupBox;

namespace zor {

class DisplayLabel;
class PictureSwitch;

// Tab 8 "* * *": the generator's RF frequency, RF level with the RF output
// switch, and audio frequency. Each value display is clicked to enter a value.
class GeneratorPage : public QWidget {
    Q_OBJECT

  public:
    explicit GeneratorPage(PageContext& context, QWidget* parent = nullptr);

    PageContext& context() const { return context_; }

    QGroupBox* RF_Freq_Frame() const { return RF_Freq_Frame_; }
    DisplayLabel* Input_HF_Freq_Label() const { return Input_HF_Freq_Label_; }
    QGroupBox* RF_Level_Frame() const { return RF_Level_Frame_; }
    DisplayLabel* Input_HF_Pegel_Label() const { return Input_HF_Pegel_Label_; }
    PictureSwitch* HfOnOffState() const { return HfOnOffState_; }
    QGroupBox* AF_Freq_Frame() const { return AF_Freq_Frame_; }
    DisplayLabel* Input_AF_Freq_Label() const { return Input_AF_Freq_Label_; }

  private:
    PageContext& context_;

    QGroupBox* RF_Freq_Frame_ = nullptr;
    DisplayLabel* Input_HF_Freq_Label_ = nullptr;
    QGroupBox* RF_Level_Frame_ = nullptr;
    DisplayLabel* Input_HF_Pegel_Label_ = nullptr;
    PictureSwitch* HfOnOffState_ = nullptr;
    QGroupBox* AF_Freq_Frame_ = nullptr;
    DisplayLabel* Input_AF_Freq_Label_ = nullptr;
};

} // namespace zor
