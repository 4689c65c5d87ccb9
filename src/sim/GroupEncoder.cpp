#include "sim/GroupEncoder.h"

#include "sim/AfCoding.h"

#include <cmath>

namespace zor::sim {

namespace {

constexpr int psSegments = 4;
constexpr int maxMappedVariants = 4;
constexpr int firstMappedVariant = 5;
constexpr int trafficVariant = 13;

// 14A groups of one other network, each as its variant and block C.
QList<std::pair<int, std::uint16_t>> networkItems(const EonNetwork& network) {
    QList<std::pair<int, std::uint16_t>> items;
    for (int variant = 0; !network.ps.isEmpty() && variant < psSegments; ++variant) {
        const auto high = static_cast<unsigned char>(network.ps.at(variant * 2));
        const auto low = static_cast<unsigned char>(network.ps.at(variant * 2 + 1));
        items.append({variant, static_cast<std::uint16_t>((high << 8) | low)});
    }
    if (!network.methodA.isEmpty()) {
        for (std::uint16_t pair : AfCoding::methodA(network.methodA))
            items.append({4, pair});
    }
    for (const QList<std::uint8_t>& list : network.mappedLists) {
        for (qsizetype i = 1; i < list.size() && i <= maxMappedVariants; ++i)
            items.append({firstMappedVariant + static_cast<int>(i) - 1,
                          AfCoding::pair(list.first(), list[i])});
    }
    items.append(
        {trafficVariant, static_cast<std::uint16_t>((network.pty << 11) | (network.ta ? 1 : 0))});
    return items;
}

} // namespace

RdsFrame GroupEncoder::next() {
    const Slot slot{slots_ * slotSeconds, (slots_ + 1) * slotSeconds};
    ++slots_;
    const CoderContent content = CoderContent::read(state_);
    followRadioText(content.radioText);
    followClock(content.clockText, slot.start);

    if (!content.rdsOn)
        return RdsFrame::silent();
    if (content.testPattern > 0)
        return RdsFrame::testPattern(content.testPattern);
    if (const auto edge = minuteEdgeWithin(slot))
        return RdsFrame::group(GroupBuilder(content).clockTime(*edge));
    for (qsizetype tried = 0; tried < content.sequence.size(); ++tried) {
        const int type = content.sequence[sequencePosition_++ % content.sequence.size()];
        if (const auto words = groupOfType(type, content))
            return RdsFrame::group(*words);
    }
    return RdsFrame::group(basicTuning(content));
}

// A new text starts at its first segment with the A/B flag turned over, so
// a receiver clears what it shows.
void GroupEncoder::followRadioText(const QByteArray& text) {
    if (text == text_)
        return;
    text_ = text;
    textFlag_ = !textFlag_;
    textSegment_ = 0;
}

// The clock runs on from the time it was set, on the air's own time base.
void GroupEncoder::followClock(const QByteArray& text, double now) {
    if (text == clockText_)
        return;
    clockText_ = text;
    clockSet_ = ClockTime::parse(text);
    clockSetAt_ = now;
}

// The minute edge has to fall within 0.1 s of a 4A group's end: the slot in
// which the clock passes a full minute carries that minute.
std::optional<ClockTime> GroupEncoder::minuteEdgeWithin(const Slot& slot) const {
    if (!clockSet_)
        return std::nullopt;
    const double set = static_cast<double>(clockSet_->seconds());
    const double start = set + (slot.start - clockSetAt_);
    const double end = set + (slot.end - clockSetAt_);
    const double edge = std::floor(end / 60.0) * 60.0;
    if (edge < start || edge >= end)
        return std::nullopt;
    return ClockTime(static_cast<std::int64_t>(edge));
}

std::optional<GroupWords> GroupEncoder::groupOfType(int type, const CoderContent& content) {
    switch (type) {
    case 0:
        return basicTuning(content);
    case 2:
        return radioText(content);
    case 3:
        return odaAnnouncement(content);
    case 8:
        if (content.tmc)
            return GroupBuilder(content).tmcMessage(*content.tmc);
        return std::nullopt;
    case 14:
        return otherNetwork(content);
    default:
        return std::nullopt;
    }
}

// AF1 in method A, the lists after it in method B, one pair per 0A group.
QList<std::uint16_t> GroupEncoder::afPairs(const CoderContent& content) const {
    QList<std::uint16_t> pairs;
    bool anyLater = false;
    for (qsizetype n = 1; n < content.afLists.size(); ++n) {
        const QList<std::uint16_t> list = AfCoding::methodB(content.afLists[n]);
        anyLater = anyLater || !list.isEmpty();
        pairs += list;
    }
    if (!content.afLists.value(0).isEmpty() || !anyLater)
        pairs = AfCoding::methodA(content.afLists.value(0)) + pairs;
    return pairs;
}

GroupWords GroupEncoder::basicTuning(const CoderContent& content) {
    const QList<std::uint16_t> pairs = afPairs(content);
    const std::uint16_t pair = pairs[afPosition_++ % pairs.size()];
    const int segment = psSegment_;
    psSegment_ = (psSegment_ + 1) % psSegments;
    return GroupBuilder(content).basicTuning(segment, pair);
}

std::optional<GroupWords> GroupEncoder::radioText(const CoderContent& content) {
    if (content.radioText.isEmpty())
        return std::nullopt;
    const auto segments =
        static_cast<int>(GroupBuilder::radioTextOnAir(content.radioText).size() / 4);
    const int segment = textSegment_ % segments;
    textSegment_ = (segment + 1) % segments;
    return GroupBuilder(content).radioText(segment, textFlag_);
}

// Each announcement goes out twice in a row: TMC receivers take system
// information only when the same group arrives twice.
std::optional<GroupWords> GroupEncoder::odaAnnouncement(const CoderContent& content) {
    if (content.odas.isEmpty())
        return std::nullopt;
    const OdaAnnouncement& oda = content.odas[(odaSlot_++ / 2) % content.odas.size()];
    return GroupBuilder(content).odaAnnouncement(oda);
}

// The networks take turns; while a network's TA is set, every other one of
// its turns is a 14B group, the signal a receiver switches over on.
std::optional<GroupWords> GroupEncoder::otherNetwork(const CoderContent& content) {
    if (content.networks.isEmpty())
        return std::nullopt;
    const EonNetwork& network = content.networks[networkSlot_++ % content.networks.size()];
    const qsizetype turn = networkItem_[network.pi]++;
    const GroupBuilder builder(content);
    if (network.ta && turn % 2 == 0)
        return builder.otherNetworkTraffic(network);
    const auto items = networkItems(network);
    const auto& [variant, info] = items[(network.ta ? turn / 2 : turn) % items.size()];
    return builder.otherNetwork(network, variant, info);
}

} // namespace zor::sim
