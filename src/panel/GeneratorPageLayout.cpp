#include "panel/DisplayLabel.h"
#include "panel/GeneratorPage.h"
#include "panel/PageKit.h"
#include "panel/PictureSwitch.h"

#include <QGroupBox>

namespace zor {

namespace {

// The three frames stand one below the other; each is as high as the gap to
// the next, so none covers its neighbour.
constexpr int kFrameHeight = 840;
constexpr TwipRect kEntryDisplay{720, 360, 1125, 255};

} // namespace

void GeneratorPage::build(PageKit& kit) {
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
}

} // namespace zor
