#pragma once

#include <QString>

namespace zor {

// What the EON TA switch does next, from the own programme's TP and TA
// states and the other network's current TP and TA texts ("1" or "0").
enum class EonTaStep {
    RefuseOwnTp,  // the own programme has TP set: text 168
    RefuseOwnTa,  // the own programme has no TA: text 169
    StayOff,      // the other network has no TP: nothing happens
    SwitchOn,     // the pulse starts
    SwitchOff,    // the pulse ends
};

EonTaStep nextEonTaStep(bool ownTpOn, bool ownTaOn, const QString& eonTp, const QString& eonTa);

} // namespace zor
