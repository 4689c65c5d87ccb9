#pragma once

#include "tmc/TmcFields.h"

#include <QString>
#include <QStringView>
#include <array>

namespace zor {

// The three duration-and-persistence boxes, named by their weight: DP 1 adds
// 1, DP 2 adds 2, DP 3 adds 4.
enum class TmcDurationBox { Dp1, Dp2, Dp3 };

// The message the "T M C" page composes: its fields and the weights of the
// duration boxes, changed by one call per control event. The page shows
// display() after every call.
class TmcMessage {
public:
    void setT(bool ticked);
    void setF(bool ticked);
    // Sets the box's weight (its value when ticked, 0 when cleared) and DP.
    void setDurationBox(TmcDurationBox box, bool ticked);
    // DP from the weights as they stand.
    void takeDuration();
    void setDirection(int optionIndex);
    void setExtent(QStringView extentEntry);
    void setEvent(QStringView catalogueEntry);
    void setLocation(QStringView catalogueEntry);
    // D is always "0": no control sets a diversion.
    void clearDiversion();

    const TmcFields& fields() const { return fields_; }
    // The text of `TMC_Gr8_Label`.
    QString display() const { return TMCGruppe8Maker(fields_); }

private:
    TmcFields fields_;
    std::array<int, 3> weights_{};
};

} // namespace zor
