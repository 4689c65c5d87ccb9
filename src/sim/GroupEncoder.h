#pragma once

#include "sim/ClockTime.h"
#include "sim/CoderContent.h"
#include "sim/GroupBuilder.h"
#include "sim/InstrumentState.h"
#include "sim/RdsFrame.h"

#include <QByteArray>
#include <QMap>
#include <optional>

namespace zor::sim {

// The coder's transmitter: decides, slot by slot, what goes on air next,
// reading the instrument state afresh for every slot so a change is on air
// within one group. Groups follow the group sequence, one group per entry;
// an entry the state has nothing for is passed over, and when no entry has
// anything a 0A group goes out, since the stream never pauses. A 4A group
// takes the slot in which the coder's clock passes a full minute.
class GroupEncoder {
  public:
    static constexpr double bitRate = 1187.5; // 57 kHz / 48
    static constexpr double slotSeconds = RdsFrame::bitCount / bitRate;

    explicit GroupEncoder(const InstrumentState& state) : state_(state) {}

    RdsFrame next();
    qint64 slotsSent() const { return slots_; }
    const InstrumentState& state() const { return state_; }

  private:
    struct Slot {
        double start = 0; // seconds on air since the encoder began
        double end = 0;
    };

    void followRadioText(const QByteArray& text);
    void followClock(const QByteArray& text, double now);
    std::optional<ClockTime> minuteEdgeWithin(const Slot& slot) const;
    std::optional<GroupWords> groupOfType(int type, const CoderContent& content);
    GroupWords basicTuning(const CoderContent& content);
    std::optional<GroupWords> radioText(const CoderContent& content);
    std::optional<GroupWords> odaAnnouncement(const CoderContent& content);
    std::optional<GroupWords> otherNetwork(const CoderContent& content);
    QList<std::uint16_t> afPairs(const CoderContent& content) const;

    const InstrumentState& state_;
    qint64 slots_ = 0;
    qsizetype sequencePosition_ = 0;
    int psSegment_ = 0;
    qsizetype afPosition_ = 0;
    int textSegment_ = 0;
    bool textFlag_ = false;
    QByteArray text_;
    qsizetype odaSlot_ = 0;
    qsizetype networkSlot_ = 0;
    QMap<std::uint16_t, qsizetype> networkItem_;
    QByteArray clockText_;
    std::optional<ClockTime> clockSet_;
    double clockSetAt_ = 0;
};

} // namespace zor::sim
