#include "sim/GroupBuilder.h"

namespace zor::sim {

namespace {

constexpr qsizetype maxTextLength = 64;
constexpr char carriageReturn = 0x0D;

std::uint16_t twoCharacters(const QByteArray& text, qsizetype at) {
    const auto high = static_cast<unsigned char>(text.at(at));
    const auto low = static_cast<unsigned char>(text.at(at + 1));
    return static_cast<std::uint16_t>((high << 8) | low);
}

} // namespace

std::uint16_t GroupBuilder::blockB(int type, bool versionB, int low5) const {
    return static_cast<std::uint16_t>((type << 12) | (versionB ? 0x0800 : 0) |
                                      (content_.tp ? 0x0400 : 0) | (content_.pty << 5) |
                                      (low5 & 0x1F));
}

GroupWords GroupBuilder::basicTuning(int segment, std::uint16_t afPair) const {
    const bool diBit = (content_.di >> (3 - segment)) & 1;
    const int low5 =
        (content_.ta ? 0x10 : 0) | (content_.music ? 0x08 : 0) | (diBit ? 0x04 : 0) | segment;
    return {content_.pi, blockB(0, false, low5), afPair, twoCharacters(content_.ps, segment * 2)};
}

QByteArray GroupBuilder::radioTextOnAir(const QByteArray& text) {
    QByteArray onAir = text.left(maxTextLength);
    if (onAir.size() < maxTextLength)
        onAir += carriageReturn;
    while (onAir.size() % 4 != 0)
        onAir += ' ';
    return onAir;
}

GroupWords GroupBuilder::radioText(int segment, bool abFlag) const {
    const QByteArray text = radioTextOnAir(content_.radioText);
    const int low5 = (abFlag ? 0x10 : 0) | segment;
    return {content_.pi, blockB(2, false, low5), twoCharacters(text, segment * 4),
            twoCharacters(text, segment * 4 + 2)};
}

GroupWords GroupBuilder::odaAnnouncement(const OdaAnnouncement& oda) const {
    return {content_.pi, blockB(3, false, oda.groupCode), oda.message, oda.aid};
}

GroupWords GroupBuilder::clockTime(const ClockTime& time) const {
    const std::uint32_t mjd = time.mjd();
    const int hour = time.hour();
    const auto blockC = static_cast<std::uint16_t>(((mjd & 0x7FFF) << 1) | (hour >> 4));
    const auto blockD = static_cast<std::uint16_t>(((hour & 0x0F) << 12) | (time.minute() << 6));
    return {content_.pi, blockB(4, false, static_cast<int>(mjd >> 15) & 0x03), blockC, blockD};
}

GroupWords GroupBuilder::tmcMessage(const TmcMessage& message) const {
    return {content_.pi, blockB(8, false, message.blockB), message.blockC, message.blockD};
}

GroupWords GroupBuilder::otherNetwork(const EonNetwork& network, int variant,
                                      std::uint16_t info) const {
    const int low5 = (network.tp ? 0x10 : 0) | variant;
    return {content_.pi, blockB(14, false, low5), info, network.pi};
}

GroupWords GroupBuilder::otherNetworkTraffic(const EonNetwork& network) const {
    const int low5 = (network.tp ? 0x10 : 0) | (network.ta ? 0x08 : 0);
    return {content_.pi, blockB(14, true, low5), content_.pi, network.pi};
}

} // namespace zor::sim
