#pragma once

#include "sim/InstrumentState.h"

#include <QByteArray>

namespace zor::sim {

// The generator's multiplex settings in the units the signal needs.
struct MpxSettings {
    double mpxDeviation = 0; // Hz, the deviation the whole multiplex may take
    bool pilotOn = false;
    double pilotDeviation = 0;
    double pilotPhaseDegrees = 0;
    bool rdsOn = false;
    double rdsDeviation = 0;
    double rdsPhaseDegrees = 0; // against the pilot's third harmonic
    bool ariOn = false;
    double ariDeviation = 0;
    bool trafficId = false; // ARI DK: 125 Hz, 30 % AM
    bool areaId = false;    // ARI BK: the area code's frequency, 60 % AM
    double areaFrequency = 0;
    bool toneOn = false; // the audio generator feeds the coder
    QByteArray mode;     // LEFT, RIGHT, REL, REML or RNEL
    double toneFrequency = 0;

    static MpxSettings read(const InstrumentState& state);

    // The deviation that full scale stands for: the MPX deviation, or the
    // pilot, RDS and ARI together where those alone exceed it.
    double fullScale() const;
    // What the MPX deviation leaves to the audio tone.
    double toneDeviation() const;
    double ariPeak() const;
};

} // namespace zor::sim
