#pragma once

#include "sim/InstrumentState.h"
#include "sim/MpxSettings.h"
#include "sim/RdsFrame.h"

#include <QtGlobal>
#include <array>
#include <functional>
#include <vector>

namespace zor::sim {

// The coder's multiplex baseband, sample by sample, at 228 kHz: twelve
// samples to a pilot period, so the pilot, the 38 kHz stereo subcarrier and
// the 57 kHz RDS and ARI subcarriers come from tables of one period each and
// stay locked to each other. Full scale (32767) stands for the set MPX
// deviation. The RDS data are differentially encoded, each bit sent as a
// biphase symbol shaped by the standard's cosine filter
// (H(f) = cos(pi f td / 4) up to f = 2/td, td one bit), 192 samples a bit.
class MpxSignal {
  public:
    static constexpr int sampleRate = 228000;
    static constexpr int samplesPerBit = 192;
    using FrameSource = std::function<RdsFrame()>;

    // `nextFrame` is asked for the next 104 bits whenever the signal needs
    // them, a few bits ahead of the sample being made.
    MpxSignal(const InstrumentState& state, FrameSource nextFrame);

    void render(qint16* samples, qsizetype count);
    qint64 samplesRendered() const { return sample_; }

  private:
    static constexpr int pilotPeriod = 12;
    static constexpr int symbolSpan = 8; // bits a shaped symbol reaches over
    static constexpr int ringSize = 1024;

    void prepareCarriers(const MpxSettings& settings);
    double rdsBaseband(qint64 sample);
    void fillBitsUpTo(qint64 bit);
    double tone(const MpxSettings& settings, int periodIndex);
    double ariModulation(const MpxSettings& settings) const;

    const InstrumentState& state_;
    FrameSource nextFrame_;
    std::vector<double> symbol_;
    double symbolPeak_ = 1;
    std::array<signed char, ringSize> amplitudes_{};
    qint64 bitsFilled_ = 0;
    bool lastEncoded_ = false;
    std::array<double, pilotPeriod> pilot_{};
    std::array<double, pilotPeriod> stereo_{};
    std::array<double, pilotPeriod> rds_{};
    std::array<double, pilotPeriod> ari_{};
    qint64 sample_ = 0;
    double tonePhase_ = 0;
};

} // namespace zor::sim
