#pragma once

#include "panel/StatusLine.h"
#include "panel/ValueEntry.h"
#include "settings/Captions.h"

namespace zor {

// One value of the generator page: its status-strip field, the caption texts
// of its dialog's title and prompt, its limits (keys of section "ZOR" of the
// data set file, or fixed ones), the key of its stored value there and the
// parameter key it is sent with.
struct GeneratorValue {
    StatusField status;
    Text titleText;
    Text promptText;
    const char* lowerKey; // null: the fixed limits hold
    const char* upperKey;
    EntryLimits fixedLimits;
    const char* storedKey;
    const char* parameterKey;
};

inline constexpr auto kGeneratorSection = "ZOR";

inline constexpr GeneratorValue kRfFrequency{.status = StatusField::RfFrequency,
                                             .titleText = Text::RfFrequencyTitle,
                                             .promptText = Text::RfFrequencyPrompt,
                                             .lowerKey = "FM_Ulim",
                                             .upperKey = "FM_Olim",
                                             .fixedLimits = {},
                                             .storedKey = "HF_Frequenz",
                                             .parameterKey = "HF-Frequenz"};
// The generator's RF level lies above 0 and below 120 dBµV.
inline constexpr GeneratorValue kRfLevel{.status = StatusField::RfLevel,
                                         .titleText = Text::RfLevelTitle,
                                         .promptText = Text::RfLevelPrompt,
                                         .lowerKey = nullptr,
                                         .upperKey = nullptr,
                                         .fixedLimits = {0.0F, 120.0F},
                                         .storedKey = "HF_Pegel",
                                         .parameterKey = "HF-Pegel"};
inline constexpr GeneratorValue kAudioFrequency{.status = StatusField::AudioFrequency,
                                                .titleText = Text::AudioFrequencyTitle,
                                                .promptText = Text::AudioFrequencyPrompt,
                                                .lowerKey = "NF_Ulim",
                                                .upperKey = "NF_Olim",
                                                .fixedLimits = {},
                                                .storedKey = "NF_Frequenz",
                                                .parameterKey = "NF-Frequenz"};

} // namespace zor
