#include "sim/MpxSettings.h"

#include <algorithm>
#include <array>

namespace zor::sim {

namespace {

constexpr double trafficDepth = 0.3;
constexpr double areaDepth = 0.6;

double numberOf(const QByteArray& text) {
    bool ok = false;
    const double number = text.trimmed().toDouble(&ok);
    return ok ? number : 0.0;
}

// The six ARI area frequencies are 57 kHz divided by whole numbers.
double areaFrequencyOf(const QByteArray& letter) {
    static constexpr std::array divisors = {2400, 2016, 1632, 1440, 1248, 1056};
    const int index = letter.isEmpty() ? 0 : std::clamp(letter.at(0) - 'A', 0, 5);
    return 57000.0 / divisors[static_cast<std::size_t>(index)];
}

} // namespace

MpxSettings MpxSettings::read(const InstrumentState& state) {
    MpxSettings s;
    s.mpxDeviation = std::max(0.0, numberOf(state.value("MPX-DEV")));
    s.pilotOn = state.value("PIL") == "ON";
    s.pilotDeviation = std::max(0.0, numberOf(state.value("PIL-DEV")));
    s.pilotPhaseDegrees = numberOf(state.value("PIL-PH"));
    s.rdsOn = state.value("RDS") == "ON";
    s.rdsDeviation = std::max(0.0, numberOf(state.value("RDS-DEV")));
    s.rdsPhaseDegrees = numberOf(state.value("RDS-PH"));
    s.ariOn = state.value("ARI") == "ON";
    s.ariDeviation = std::max(0.0, numberOf(state.value("ARI-DEV")));
    const bool identified = state.value("ARI-ID") == "ON";
    const QByteArray type = state.value("ARI-TYPE");
    s.trafficId = identified && type.contains("DK");
    s.areaId = identified && type.contains("BK");
    s.areaFrequency = areaFrequencyOf(state.value("BK"));
    s.toneOn = state.value("STEREO") == "ON" && state.value("SRC") == "LFGEN";
    s.mode = state.value("MODE");
    s.toneFrequency = std::max(0.0, numberOf(state.value("AFREQ")));
    return s;
}

double MpxSettings::ariPeak() const {
    const double depth = (trafficId ? trafficDepth : 0.0) + (areaId ? areaDepth : 0.0);
    return ariOn ? ariDeviation * (1.0 + depth) : 0.0;
}

double MpxSettings::fullScale() const {
    const double parts =
        (pilotOn ? pilotDeviation : 0.0) + (rdsOn ? rdsDeviation : 0.0) + ariPeak();
    return std::max(mpxDeviation, parts);
}

double MpxSettings::toneDeviation() const {
    const double parts =
        (pilotOn ? pilotDeviation : 0.0) + (rdsOn ? rdsDeviation : 0.0) + ariPeak();
    return toneOn ? std::max(0.0, mpxDeviation - parts) : 0.0;
}

} // namespace zor::sim
