#include "sim/MpxSignal.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace zor::sim {

namespace {

constexpr double pi = std::numbers::pi;
constexpr double bitSeconds = 1.0 / 1187.5;
constexpr double trafficFrequency = 125.0;
constexpr double trafficDepth = 0.3;
constexpr double areaDepth = 0.6;

// Impulse response of H(f) = cos(pi f td / 4) for |f| <= 2/td: with
// a = pi td / 4 it is cos(2 pi (2/td) t) * 2a / (a^2 - (2 pi t)^2), whose
// two poles at t = +-td/8 the cosine's zeros cancel.
double shapingResponse(double t) {
    const double a = pi * bitSeconds / 4.0;
    double denominator = a * a - 4.0 * pi * pi * t * t;
    if (std::fabs(denominator) < 1e-15) {
        t += 1e-10;
        denominator = a * a - 4.0 * pi * pi * t * t;
    }
    return std::cos(2.0 * pi * (2.0 / bitSeconds) * t) * 2.0 * a / denominator;
}

} // namespace

MpxSignal::MpxSignal(const InstrumentState& state, FrameSource nextFrame)
    : state_(state), nextFrame_(std::move(nextFrame)) {
    // A biphase symbol is an impulse at the bit's start and an opposite one
    // half a bit later; the table holds it shaped, centred on its middle.
    const int length = symbolSpan * samplesPerBit;
    symbol_.resize(static_cast<std::size_t>(length));
    const int offset = length / 2 - samplesPerBit / 4;
    for (int j = 0; j < length; ++j) {
        const double t = static_cast<double>(j - offset) / sampleRate;
        symbol_[static_cast<std::size_t>(j)] =
            shapingResponse(t) - shapingResponse(t - bitSeconds / 2.0);
    }
    symbolPeak_ = 0;
    for (int phase = 0; phase < samplesPerBit; ++phase) {
        double sum = 0;
        for (int m = 0; m < symbolSpan; ++m)
            sum += std::fabs(symbol_[static_cast<std::size_t>(phase + m * samplesPerBit)]);
        symbolPeak_ = std::max(symbolPeak_, sum);
    }
}

void MpxSignal::prepareCarriers(const MpxSettings& settings) {
    const double pilotPhase = settings.pilotPhaseDegrees * pi / 180.0;
    const double rdsPhase = settings.rdsPhaseDegrees * pi / 180.0;
    for (int i = 0; i < pilotPeriod; ++i) {
        const double theta = 2.0 * pi * i / pilotPeriod + pilotPhase;
        pilot_[static_cast<std::size_t>(i)] = std::sin(theta);
        stereo_[static_cast<std::size_t>(i)] = std::sin(2.0 * theta);
        rds_[static_cast<std::size_t>(i)] = std::sin(3.0 * theta + rdsPhase);
        // ARI is sent in quadrature to RDS at RDS phase 0, so both fit.
        ari_[static_cast<std::size_t>(i)] = std::cos(3.0 * theta);
    }
}

void MpxSignal::fillBitsUpTo(qint64 bit) {
    while (bitsFilled_ <= bit) {
        const RdsFrame frame = nextFrame_();
        for (int i = 0; i < RdsFrame::bitCount; ++i) {
            signed char amplitude = 0;
            if (frame.kind() != RdsFrame::Kind::Silent) {
                lastEncoded_ = lastEncoded_ != frame.bit(i);
                amplitude = lastEncoded_ ? 1 : -1;
            }
            amplitudes_[static_cast<std::size_t>(bitsFilled_++ % ringSize)] = amplitude;
        }
    }
}

// The shaped symbols of the bits around `sample`, summed; at most 1.
double MpxSignal::rdsBaseband(qint64 sample) {
    const int lead = symbolSpan * samplesPerBit / 2 - samplesPerBit / 4;
    const qint64 newest = (sample + lead) / samplesPerBit;
    fillBitsUpTo(newest);
    const auto within = static_cast<int>(sample + lead - newest * samplesPerBit);
    double sum = 0;
    for (int m = 0; m < symbolSpan && newest - m >= 0; ++m) {
        const signed char amplitude =
            amplitudes_[static_cast<std::size_t>((newest - m) % ringSize)];
        if (amplitude != 0)
            sum += amplitude * symbol_[static_cast<std::size_t>(within + m * samplesPerBit)];
    }
    return sum / symbolPeak_;
}

// Left and right from the one audio generator, by stereo mode, sent as
// (L+R)/2 plus (L-R)/2 on the 38 kHz subcarrier; L != R puts the tone on the
// right a quarter period behind the left.
double MpxSignal::tone(const MpxSettings& settings, int periodIndex) {
    const double wave = std::sin(tonePhase_);
    double left = wave;
    double right = wave;
    if (settings.mode == "LEFT")
        right = 0;
    else if (settings.mode == "RIGHT")
        left = 0;
    else if (settings.mode == "REML")
        right = -wave;
    else if (settings.mode == "RNEL")
        right = -std::cos(tonePhase_);
    return 0.5 * (left + right) +
           0.5 * (left - right) * stereo_[static_cast<std::size_t>(periodIndex)];
}

double MpxSignal::ariModulation(const MpxSettings& settings) const {
    const double t = static_cast<double>(sample_) / sampleRate;
    double factor = 1.0;
    if (settings.trafficId)
        factor += trafficDepth * std::sin(2.0 * pi * trafficFrequency * t);
    if (settings.areaId)
        factor += areaDepth * std::sin(2.0 * pi * settings.areaFrequency * t);
    return factor;
}

void MpxSignal::render(qint16* samples, qsizetype count) {
    const MpxSettings settings = MpxSettings::read(state_);
    prepareCarriers(settings);
    const double scale = settings.fullScale();
    const double pilotLevel = settings.pilotOn && scale > 0 ? settings.pilotDeviation / scale : 0.0;
    const double rdsLevel = settings.rdsOn && scale > 0 ? settings.rdsDeviation / scale : 0.0;
    const double ariLevel = settings.ariOn && scale > 0 ? settings.ariDeviation / scale : 0.0;
    const double toneLevel = scale > 0 ? settings.toneDeviation() / scale : 0.0;
    const double toneStep = 2.0 * pi * settings.toneFrequency / sampleRate;

    for (qsizetype i = 0; i < count; ++i, ++sample_) {
        const auto period = static_cast<int>(sample_ % pilotPeriod);
        const auto at = static_cast<std::size_t>(period);
        double value = pilotLevel * pilot_[at];
        const double data = rdsBaseband(sample_);
        value += rdsLevel * data * rds_[at];
        if (ariLevel > 0)
            value += ariLevel * ariModulation(settings) * ari_[at];
        if (toneLevel > 0)
            value += toneLevel * tone(settings, period);
        tonePhase_ = std::fmod(tonePhase_ + toneStep, 2.0 * pi);
        samples[i] = static_cast<qint16>(std::clamp(std::lround(value * 32767.0), -32767L, 32767L));
    }
}

} // namespace zor::sim
