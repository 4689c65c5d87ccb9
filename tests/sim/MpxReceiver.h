#pragma once

#include <QString>
#include <array>
#include <complex>
#include <cstdint>
#include <vector>

namespace zor {

// A receiver for the multiplex WAV file that knows only the broadcast rules:
// it measures the 19 kHz pilot, regenerates 57 kHz as the pilot's third
// harmonic, recovers the biphase bits at 1187.5 bit/s, undoes the
// differential coding and finds the groups by their checkwords.
class MpxReceiver {
  public:
    bool read(const QString& wavPath); // mono, 16 bit, 228 kHz
    int sampleRate() const { return sampleRate_; }

    double pilotLevel() const;        // of full scale
    double pilotPhaseDegrees() const; // of sin(2 pi 19 kHz t + phase)
    // The RDS carrier's phase against the pilot's third harmonic, 0 to 180
    // (a data signal has no sign of its own).
    double rdsPhaseDegrees() const { return rdsPhase_; }
    // Groups in the order received, and the bit at which each starts.
    std::vector<std::array<std::uint16_t, 4>> groups();
    const std::vector<long>& groupStarts() const { return groupStarts_; }

  private:
    std::complex<double> pilot() const;
    std::vector<double> bitValues();

    std::vector<double> samples_;
    int sampleRate_ = 0;
    double rdsPhase_ = 0;
    std::vector<long> groupStarts_;
};

} // namespace zor
