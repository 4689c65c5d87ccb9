#pragma once

#include "tmc/TmcMessage.h"

#include <QStringList>
#include <array>

namespace zor {

// What the "T M C" page does at start-up, step by step. Each step chooses an
// entry, an option or a box by program, which runs that control's handler
// just as a click does.
enum class TmcStartAction {
    ChooseExtent,        // fill TMC_Var_Combo with tmcExtentEntries(), choose entry `value`
    ChooseFirstEvent,    // fill TMC_Event_Combo from Event.txt, choose entry `value` if any
    ChooseFirstLocation, // fill TMC_Loc_Combo from Location.txt, choose entry `value` if any
    ChooseDirection,     // choose option `value` of Tmc_richtung
    TakeT,               // T from TMC_T_Check as it stands
    TickF,               // tick TMC_F_Check (`value` 1)
    TakeDuration,        // DP from the three duration weights as they stand
    ClearDiversion,      // D := "0"
};

struct TmcStartStep {
    TmcStartAction action;
    int value;
};

inline constexpr std::array<TmcStartStep, 8> kTmcStartSteps{{
    {TmcStartAction::ChooseExtent, 0},
    {TmcStartAction::ChooseFirstEvent, 0},
    {TmcStartAction::ChooseFirstLocation, 0},
    {TmcStartAction::ChooseDirection, 0},
    {TmcStartAction::TakeT, 0},
    {TmcStartAction::TickF, 1},
    {TmcStartAction::TakeDuration, 0},
    {TmcStartAction::ClearDiversion, 0},
}};

// The entries of the extent list: "0" to "7".
QStringList tmcExtentEntries();

// Runs kTmcStartSteps on `message` with the loaded catalogue entries and the
// T box's state. An empty catalogue leaves its field at "-".
void applyTmcStart(TmcMessage& message, const QStringList& eventEntries,
                   const QStringList& locationEntries, bool tTicked);

} // namespace zor
