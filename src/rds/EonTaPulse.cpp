#include "rds/EonTaPulse.h"

namespace zor {

// The other network's TA may only be given while the own programme carries
// TA without TP, and the other network carries TP.
EonTaStep nextEonTaStep(bool ownTpOn, bool ownTaOn, const QString& eonTp, const QString& eonTa) {
    if (ownTpOn)
        return EonTaStep::RefuseOwnTp;
    if (!ownTaOn)
        return EonTaStep::RefuseOwnTa;
    if (eonTp != QLatin1String("1"))
        return EonTaStep::StayOff;
    return eonTa == QLatin1String("1") ? EonTaStep::SwitchOff : EonTaStep::SwitchOn;
}

} // namespace zor
