#pragma once

#include "sim/InstrumentState.h"

#include <QByteArray>
#include <QList>
#include <cstdint>
#include <optional>

namespace zor::sim {

// An open data application as a 3A group announces it: the group type that
// carries its data (5 bits: type and version), the 16 message bits of the 3A
// group and the application identifier (0xCD46 for RDS-TMC).
struct OdaAnnouncement {
    std::uint8_t groupCode = 0;
    std::uint16_t message = 0;
    std::uint16_t aid = 0;

    // From a coder text "03,100066CD46" (the leading "03," is optional):
    // two hex digits of group code, four of message, four of identifier.
    static std::optional<OdaAnnouncement> parse(const QByteArray& text);
    // The two top message bits, which RDS-TMC uses as the variant code.
    int variant() const { return message >> 14; }
};

// A TMC user message as the 8A coder text "08,0810013039" carries it: the
// five bits at the end of block B, then blocks C and D.
struct TmcMessage {
    std::uint8_t blockB = 0;
    std::uint16_t blockC = 0;
    std::uint16_t blockD = 0;

    static std::optional<TmcMessage> parse(const QByteArray& text);
};

// What the coder knows about another network (enhanced other networks).
struct EonNetwork {
    std::uint16_t pi = 0;
    QByteArray ps; // eight characters, empty when none was set
    bool tp = false;
    bool ta = false;
    std::uint8_t pty = 0;
    QList<std::uint8_t> methodA;            // EON-AFA: AF codes of that network
    QList<QList<std::uint8_t>> mappedLists; // EON-AFB: a tuned frequency, then
                                            // that network's frequencies there
};

// The coder's state read the way it goes on air: numbers and codes instead
// of the texts the coder keeps. Reading never fails; a value the coder
// cannot use counts as not set.
struct CoderContent {
    bool rdsOn = false;
    int testPattern = 0; // 1 to 4 while the coder sends a test pattern
    std::uint16_t pi = 0;
    std::uint8_t pty = 0;
    bool tp = false;
    bool ta = false;
    bool music = true;
    std::uint8_t di = 0;
    QByteArray ps;                      // always eight characters
    QByteArray radioText;               // as set; empty when there is none
    QList<QList<std::uint8_t>> afLists; // AF1 to AF5 in order, each as codes
    QList<EonNetwork> networks;
    QList<OdaAnnouncement> odas;
    std::optional<TmcMessage> tmc;
    QByteArray clockText; // the CT value
    QList<int> sequence;  // group types in the order of GS

    static CoderContent read(const InstrumentState& state);
};

// The group types an empty or missing group sequence stands for: every type
// the coder can fill, in the order of their numbers.
QList<int> defaultSequence();

} // namespace zor::sim
