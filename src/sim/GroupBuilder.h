#pragma once

#include "sim/ClockTime.h"
#include "sim/CoderContent.h"

#include <array>
#include <cstdint>

namespace zor::sim {

using GroupWords = std::array<std::uint16_t, 4>;

// Lays the coder's content into the four information words of each group
// type it sends. Block A is always the PI; block B starts with the group
// type, the version bit, TP and PTY; the rest is the group's own.
class GroupBuilder {
  public:
    explicit GroupBuilder(const CoderContent& content) : content_(content) {}

    // 0A: TA, M/S, the DI bit of this segment (d3 in segment 0 ... d0 in
    // segment 3), two PS characters, and one AF pair in block C.
    GroupWords basicTuning(int segment, std::uint16_t afPair) const;
    // 2A: four characters of the RadioText and the A/B flag.
    GroupWords radioText(int segment, bool abFlag) const;
    // The RadioText as sent: ended by a carriage return when shorter than
    // 64 characters, blanks filling its last segment.
    static QByteArray radioTextOnAir(const QByteArray& text);
    GroupWords odaAnnouncement(const OdaAnnouncement& oda) const; // 3A
    GroupWords clockTime(const ClockTime& time) const;            // 4A, offset 0
    GroupWords tmcMessage(const TmcMessage& message) const;       // 8A
    // 14A: variant code and its block C, the other network's PI in block D.
    GroupWords otherNetwork(const EonNetwork& network, int variant, std::uint16_t info) const;
    // 14B: the other network's TP and TA, block C' this programme's PI.
    GroupWords otherNetworkTraffic(const EonNetwork& network) const;

  private:
    std::uint16_t blockB(int type, bool versionB, int low5) const;

    const CoderContent& content_;
};

} // namespace zor::sim
