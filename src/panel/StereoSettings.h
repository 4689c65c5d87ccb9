#pragma once

#include "translate/CurrentValues.h"
#include "panel/StereoTexts.h"

namespace zor {

// What each control of the stereo page sets: the value text it builds, the
// entry of the current values it keeps, the parameter key it sends and the
// key of section "FM" of the general settings file it stores under (read
// back under the same key, letter case aside).

enum class StepDisplay { MpxDeviation, Deviation, Phase };

struct StepSetting {
    StepDisplay display;
    QString (*valueText)(int position);
    QString CurrentValues::*entry;
    const char* parameterKey;
    const char* iniKey;
};

// Pilot, ARI and RDS switches: "1" on, "0" off; sent and stored under one key.
struct SwitchSetting {
    QString CurrentValues::*entry;
    const char* key;
};

// The stereo mode is sent counted from one but stored as the option number;
// the current value keeps the stored form, as the restore reads it.
struct OptionSetting {
    QString (*sentText)(int option);
    QString (*storedText)(int option);
    QString CurrentValues::*entry;
    const char* parameterKey;
    const char* iniKey;
    int options;
};

inline constexpr auto kStereoSection = "FM";

inline constexpr StepSetting kMpxDeviationStep{StepDisplay::MpxDeviation, &mpxDeviationText,
                                               &CurrentValues::mpxDeviation, "MPX_HUB", "MPX_DEV"};
inline constexpr StepSetting kPilotDeviationStep{StepDisplay::Deviation, &deviationText,
                                                 &CurrentValues::pilotDeviation, "PILOT_HUB",
                                                 "PILOT_HUB"};
inline constexpr StepSetting kPilotPhaseStep{
    StepDisplay::Phase, &pilotPhaseText, &CurrentValues::pilotPhase, "PILOT_PHASE", "PILOT_PHASE"};
inline constexpr StepSetting kAriDeviationStep{StepDisplay::Deviation, &deviationText,
                                               &CurrentValues::ariDeviation, "ARI-HUB", "ARI_HUB"};
inline constexpr StepSetting kRdsDeviationStep{StepDisplay::Deviation, &deviationText,
                                               &CurrentValues::rdsDeviation, "RDS_HUB", "RDS_HUB"};
inline constexpr StepSetting kRdsPhaseStep{StepDisplay::Phase, &rdsPhaseText,
                                           &CurrentValues::rdsPhase, "RDS_PHASE", "RDS_PHASE"};

inline constexpr SwitchSetting kPilotSwitch{&CurrentValues::pilot, "PILOT"};
inline constexpr SwitchSetting kAriSwitch{&CurrentValues::ari, "ARI"};
inline constexpr SwitchSetting kRdsSwitch{&CurrentValues::rds, "RDS"};

inline constexpr OptionSetting kStereoModeOption{.sentText = &optionFromOneText,
                                                 .storedText = &optionNumberText,
                                                 .entry = &CurrentValues::stereoMode,
                                                 .parameterKey = "STEREO_MODE",
                                                 .iniKey = "Stereo_Mode",
                                                 .options = 5};
inline constexpr OptionSetting kSourceOption{.sentText = &optionNumberText,
                                             .storedText = &optionNumberText,
                                             .entry = &CurrentValues::modulationSource,
                                             .parameterKey = "MPX_SOURCE",
                                             .iniKey = "MPX_SOURCE",
                                             .options = 4};
inline constexpr OptionSetting kImpedanceOption{.sentText = &optionFromOneText,
                                                .storedText = &optionFromOneText,
                                                .entry = &CurrentValues::inputImpedance,
                                                .parameterKey = "MPX_IMPEDANZ",
                                                .iniKey = "MPX_IMPEDANZ",
                                                .options = 2};
inline constexpr OptionSetting kPreEmphasisOption{.sentText = &optionNumberText,
                                                  .storedText = &optionNumberText,
                                                  .entry = &CurrentValues::preEmphasis,
                                                  .parameterKey = "PREEMPHASIS",
                                                  .iniKey = "PREEMPHASIS",
                                                  .options = 3};
inline constexpr OptionSetting kAriIdentificationOption{.sentText = &optionNumberText,
                                                        .storedText = &optionNumberText,
                                                        .entry = &CurrentValues::ariIdentification,
                                                        .parameterKey = "ARI-ID",
                                                        .iniKey = "ARI_ID",
                                                        .options = 4};
inline constexpr OptionSetting kAreaCodeOption{.sentText = &areaCodeText,
                                               .storedText = &areaCodeText,
                                               .entry = &CurrentValues::ariAreaCode,
                                               .parameterKey = "ARI-BK",
                                               .iniKey = "ARI-BK",
                                               .options = 6};

} // namespace zor
