#pragma once

#include "sim/GroupEncoder.h"
#include "sim/HexWriter.h"
#include "sim/InstrumentState.h"
#include "sim/MpxSignal.h"
#include "sim/WavWriter.h"

#include <QString>
#include <chrono>
#include <memory>
#include <vector>

namespace zor::sim {

// What the simulated coder puts on air, written to files: the groups as hex
// lines and the multiplex as a WAV file, both from one group stream, so the
// WAV file carries exactly the groups of the hex file. Either in real time
// beside the serial line, or a given amount at once.
class OnAir {
  public:
    using Clock = std::chrono::steady_clock;

    explicit OnAir(const InstrumentState& state);

    bool openHex(const QString& path, QString* error);
    bool openMpx(const QString& path, QString* error);
    bool isActive() const { return hex_.isOpen() || signal_ != nullptr; }

    // Real time: the air starts at `now`; each catch-up writes what has
    // gone on air since the last one.
    void start(Clock::time_point now);
    void catchUp(Clock::time_point now);
    int msUntilNextCatchUp(Clock::time_point now) const;

    // At once: `count` hex lines (fewer when RDS is off, which sends none),
    // or `seconds` of multiplex. Returns the lines written.
    qint64 writeGroups(qint64 count);
    bool writeSeconds(double seconds);

  private:
    RdsFrame takeFrame();
    bool renderSamples(qint64 count);

    GroupEncoder encoder_;
    HexWriter hex_;
    WavWriter wav_;
    std::unique_ptr<MpxSignal> signal_;
    std::vector<qint16> buffer_;
    Clock::time_point started_;
};

} // namespace zor::sim
