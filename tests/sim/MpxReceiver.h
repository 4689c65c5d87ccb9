#pragma once

#include <QFile>
#include <algorithm>
#include <array>
#include <complex>
#include <cstdint>
#include <cstring>
#include <numbers>
#include <optional>
#include <vector>

namespace zor {

using GroupWords = std::array<std::uint16_t, 4>;

// The information words of four 26-bit blocks when each leaves the offset
// word of its place (A, B, C or C' in version B, D) as the remainder of its
// division by x^10+x^8+x^7+x^5+x^4+x^3+1; nullopt when one does not.
inline std::optional<GroupWords> groupOf(const std::array<std::uint32_t, 4>& blocks) {
    const std::uint32_t offsets[4] = {0x0FC, 0x198, blocks[1] & (0x0800 << 10) ? 0x350u : 0x168u,
                                      0x1B4};
    GroupWords words{};
    for (std::size_t i = 0; i < 4; ++i) {
        std::uint32_t remainder = blocks[i];
        for (int bit = 25; bit >= 10; --bit) {
            if (remainder & (1u << bit))
                remainder ^= 0x5B9u << (bit - 10);
        }
        if (remainder != offsets[i])
            return std::nullopt;
        words[i] = static_cast<std::uint16_t>(blocks[i] >> 10);
    }
    return words;
}

// A receiver for the multiplex WAV file that knows only the broadcast rules:
// it measures the 19 kHz pilot, regenerates 57 kHz as the pilot's third
// harmonic, recovers the biphase bits at 1187.5 bit/s, undoes the
// differential coding and finds the groups by their checkwords.
struct MpxReceiver {
    using Complex = std::complex<double>;
    static constexpr double pi = std::numbers::pi;
    static constexpr int samplesPerBit = 192; // 228 kHz / 1187.5 bit/s
    struct Group {
        long bit; // where it starts
        GroupWords words;
    };

    // Mono, 16 bit, with the data size the header announces.
    bool read(const QString& wavPath) {
        QFile file(wavPath);
        const QByteArray bytes = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
        const auto field = [&](int at, int size) { // little-endian
            std::uint32_t value = 0;
            std::memcpy(&value, bytes.constData() + at, static_cast<std::size_t>(size));
            return value;
        };
        if (bytes.size() < 44 || !bytes.startsWith("RIFF") || bytes.mid(8, 8) != "WAVEfmt " ||
            field(22, 2) != 1 || field(34, 2) != 16 || field(40, 4) != bytes.size() - 44)
            return false;
        sampleRate = static_cast<int>(field(24, 4));
        samples.resize(static_cast<std::size_t>((bytes.size() - 44) / 2));
        std::memcpy(samples.data(), bytes.constData() + 44, 2 * samples.size());
        return true;
    }

    Complex turn(double hertz, std::size_t n) const {
        return std::polar(1.0, 2 * pi * hertz * static_cast<double>(n) / sampleRate);
    }
    // The pilot over the file: its level of full scale, and as argument the
    // phase of sin(2 pi 19 kHz t + phase).
    Complex pilot() const {
        Complex sum;
        for (std::size_t n = 0; n < samples.size(); ++n)
            sum += samples[n] / 32767.0 * std::conj(turn(19000, n));
        return 2.0 * Complex(0, 1) * sum / static_cast<double>(samples.size());
    }

    // Mixes down with the pilot's third harmonic (both phases as one complex
    // number), sums over a pilot period (which takes out the pilot's and the
    // audio's products) and takes for each bit the lobe at its start minus
    // the lobe half a bit later, turned to the carrier phase that puts the
    // most into one axis.
    std::vector<Group> groups() {
        const Complex third = std::pow(pilot() / std::abs(pilot()), 3);
        const std::size_t count = samples.size(), period = 12; // samples of a pilot period
        std::vector<Complex> mixed(count + 1), sums(count + 1);
        for (std::size_t n = 0; n < count; ++n) {
            mixed[n + 1] = mixed[n] + Complex(0, samples[n]) * std::conj(third * turn(57000, n));
            sums[n + 1] = sums[n] + mixed[n + 1] - mixed[n + 1 - std::min(n + 1, period)];
        }
        const auto at = [&](long n) {
            return sums[static_cast<std::size_t>(std::clamp(n, 0L, static_cast<long>(count)))];
        };
        std::vector<Complex> values(count / samplesPerBit);
        Complex squares;
        for (std::size_t k = 0; k < values.size(); ++k) {
            const long start =
                static_cast<long>(k * samplesPerBit + period / 2) - samplesPerBit / 4;
            values[k] = 2.0 * at(start + samplesPerBit / 2) - at(start) - at(start + samplesPerBit);
            squares += values[k] * values[k];
        }
        const double phase = std::arg(squares) / 2;
        rdsPhaseDegrees = std::fmod(phase * 180 / pi + 180.0, 180.0);
        std::vector<std::uint32_t> data(values.size());
        for (std::size_t k = 1; k < values.size(); ++k)
            data[k] = ((values[k] * std::polar(1.0, -phase)).real() > 0) !=
                      ((values[k - 1] * std::polar(1.0, -phase)).real() > 0);
        std::vector<Group> found;
        for (std::size_t at = 0; at + 104 <= data.size(); ++at) {
            std::array<std::uint32_t, 4> blocks{};
            for (std::size_t i = 0; i < 104; ++i)
                blocks[i / 26] = (blocks[i / 26] << 1) | data[at + i];
            if (const auto words = groupOf(blocks)) {
                found.push_back({static_cast<long>(at), *words});
                at += 103;
            }
        }
        return found;
    }

    int sampleRate = 0;
    std::vector<qint16> samples;
    double rdsPhaseDegrees = 0; // against the pilot's third harmonic, 0 to 180 (data has no sign)
};

} // namespace zor
