#include "sim/MpxReceiver.h"

#include <QFile>
#include <algorithm>
#include <cmath>
#include <complex>
#include <cstring>
#include <numbers>

namespace zor {

namespace {

constexpr double pi = std::numbers::pi;
constexpr int samplesPerBit = 192; // 228 kHz / 1187.5 bit/s
constexpr std::size_t period = 12; // samples of one pilot period

std::uint32_t remainderOf(std::uint32_t block) {
    for (int bit = 25; bit >= 10; --bit) {
        if (block & (1u << bit))
            block ^= 0x5B9u << (bit - 10);
    }
    return block;
}

std::uint32_t littleEndian(const QByteArray& bytes, int at, int size) {
    std::uint32_t value = 0;
    for (int i = size - 1; i >= 0; --i)
        value = (value << 8) | static_cast<unsigned char>(bytes[at + i]);
    return value;
}

} // namespace

bool MpxReceiver::read(const QString& wavPath) {
    QFile file(wavPath);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray bytes = file.readAll();
    if (bytes.size() < 44 || !bytes.startsWith("RIFF") || bytes.mid(8, 8) != "WAVEfmt " ||
        littleEndian(bytes, 22, 2) != 1 || littleEndian(bytes, 34, 2) != 16 ||
        littleEndian(bytes, 40, 4) != static_cast<std::uint32_t>(bytes.size() - 44))
        return false;
    sampleRate_ = static_cast<int>(littleEndian(bytes, 24, 4));
    samples_.resize(static_cast<std::size_t>((bytes.size() - 44) / 2));
    for (std::size_t i = 0; i < samples_.size(); ++i) {
        qint16 value = 0;
        std::memcpy(&value, bytes.constData() + 44 + 2 * i, 2);
        samples_[i] = value / 32767.0;
    }
    return true;
}

// The pilot as amplitude and phase of its 19 kHz component over the file.
std::complex<double> MpxReceiver::pilot() const {
    std::complex<double> sum;
    for (std::size_t n = 0; n < samples_.size(); ++n)
        sum += samples_[n] * std::polar(1.0, 2 * pi * 19000.0 * n / sampleRate_);
    return 2.0 * std::conj(sum) / static_cast<double>(samples_.size());
}

double MpxReceiver::pilotLevel() const {
    return std::abs(pilot());
}

// sin(x + phase) = Im(exp(i(x + phase))): the phase is the argument turned by 90 degrees.
double MpxReceiver::pilotPhaseDegrees() const {
    return std::arg(pilot() * std::complex<double>(0, 1)) * 180 / pi;
}

// Mixes down with the pilot's third harmonic in both phases, smooths over a
// pilot period, and takes for each bit the lobe at its start minus the lobe
// half a bit later; the carrier phase is the one that puts the most into
// one axis.
std::vector<double> MpxReceiver::bitValues() {
    const double pilot = pilotPhaseDegrees() * pi / 180;
    const std::size_t count = samples_.size();
    // The mixed signal averaged over one pilot period (which takes out the
    // audio's and the pilot's products with 57 kHz), as running sums: the
    // difference of two is the sum over a window.
    auto smoothedSums = [&](auto carrier) {
        std::vector<double> mixed(count + 1), sums(count + 1);
        for (std::size_t n = 0; n < count; ++n) {
            const double third = 3 * (2 * pi * 19000.0 * n / sampleRate_ + pilot);
            mixed[n + 1] = mixed[n] + samples_[n] * carrier(third);
        }
        for (std::size_t n = 0; n < count; ++n)
            sums[n + 1] = sums[n] + (mixed[n + 1] - mixed[n >= period ? n + 1 - period : 0]);
        return sums;
    };
    const std::vector<double> in = smoothedSums([](double x) { return std::sin(x); });
    const std::vector<double> quadrature = smoothedSums([](double x) { return std::cos(x); });
    auto lobe = [&](const std::vector<double>& sums, long from) {
        const auto clampTo = [&](long n) {
            return static_cast<std::size_t>(std::clamp(n, 0L, static_cast<long>(count)));
        };
        return sums[clampTo(from + samplesPerBit / 2)] - sums[clampTo(from)];
    };
    const std::size_t bits = count / samplesPerBit;
    std::vector<double> vIn(bits), vQuadrature(bits);
    double cross = 0, difference = 0;
    for (std::size_t k = 0; k < bits; ++k) {
        const long start = static_cast<long>(k) * samplesPerBit - samplesPerBit / 4 +
                           static_cast<long>(period / 2);
        vIn[k] = lobe(in, start) - lobe(in, start + samplesPerBit / 2);
        vQuadrature[k] = lobe(quadrature, start) - lobe(quadrature, start + samplesPerBit / 2);
        cross += 2 * vIn[k] * vQuadrature[k];
        difference += vIn[k] * vIn[k] - vQuadrature[k] * vQuadrature[k];
    }
    const double phase = 0.5 * std::atan2(cross, difference);
    rdsPhase_ = std::fmod(phase * 180 / pi + 180.0, 180.0);
    std::vector<double> values(bits);
    for (std::size_t k = 0; k < bits; ++k)
        values[k] = vIn[k] * std::cos(phase) + vQuadrature[k] * std::sin(phase);
    return values;
}

std::vector<std::array<std::uint16_t, 4>> MpxReceiver::groups() {
    const std::vector<double> values = bitValues();
    std::vector<int> data(values.size());
    for (std::size_t k = 1; k < values.size(); ++k)
        data[k] = (values[k] > 0) != (values[k - 1] > 0);
    auto blockAt = [&](std::size_t at) {
        std::uint32_t bits = 0;
        for (std::size_t i = 0; i < 26; ++i)
            bits = (bits << 1) | static_cast<std::uint32_t>(data[at + i]);
        return bits;
    };
    std::vector<std::array<std::uint16_t, 4>> found;
    groupStarts_.clear();
    for (std::size_t at = 0; at + 104 <= data.size();) {
        const std::uint32_t a = blockAt(at), b = blockAt(at + 26), c = blockAt(at + 52),
                            d = blockAt(at + 78);
        const bool versionB = (b >> 10) & 0x0800;
        if (remainderOf(a) == 0x0FC && remainderOf(b) == 0x198 &&
            remainderOf(c) == (versionB ? 0x350u : 0x168u) && remainderOf(d) == 0x1B4) {
            found.push_back(
                {static_cast<std::uint16_t>(a >> 10), static_cast<std::uint16_t>(b >> 10),
                 static_cast<std::uint16_t>(c >> 10), static_cast<std::uint16_t>(d >> 10)});
            groupStarts_.push_back(static_cast<long>(at));
            at += 104;
        } else {
            ++at;
        }
    }
    return found;
}

} // namespace zor
