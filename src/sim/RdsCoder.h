#pragma once

#include "sim/InstrumentState.h"

#include <QByteArray>
#include <QList>
#include <optional>

namespace zor::sim {

// The stereo/RDS coder option, reached through ":STEREO:DIRECT" with coder
// texts "KEY=value" and asked with ":STEREO:DIRECT? "KEY"". It keeps every
// value the way a receiver gets it, byte for byte as received (PS with its
// eight characters, PI with four, PTY as two digits), in the instrument state:
//
//   PS, PI, PTY, TA, MS, DI, GS, BIN, RDS-PH, CT ("hh:mm:ss,DD.MM.YY" or "off"),
//   3A, 8A              the value after "=", unchanged (3A and 8A: the last one)
//   3A,0 .. 3A,3        the last 3A text of each variant (the two top message
//                       bits) of the announced application; a 3A text for
//                       another application or group empties them first
//   RT                  the text of "RT=a,b,text"; RT-CTL holds "a,b"
//   AF1..AF5            the own-programme AF lists, each "tuned,alt,alt..."
//   EON-PI              the other network's PI as received
//   EON-PS,<pi>  EON-TA,<pi>  EON-TP,<pi>  EON-PTY,<pi>  EON-AFA,<pi>
//                       per other network; <pi> is the PI of the coder text
//                       without blanks, in capitals ("EON-PS=d3c,NAME" and
//                       "EON-PI=D3C " both name D3C)
//   EON-AFB,<pi>,1..5   method-B lists of that network
//   STORE1..STORE5      how often that data set was stored ("0" at start)
//   STOREn.<NAME>       the snapshot of every coder value (and TP) taken by
//                       the last "STORE=n"
//
// An "AF=" text carries no list number, so the lists fill in the order they
// arrive: "N,list" empties AF1..AF5 and puts the list into AF1, each
// "+,list" goes into the first empty list after it (lists skipped by the
// sender leave no gap); a list without marker counts as "N", an empty value
// empties all five. "EON-AFB=<pi>,..." works the same on the five method-B
// lists of that network. "EON-DEL=<pi>" forgets everything about that network
// (and EON-PI when it names it).
class RdsCoder {
  public:
    explicit RdsCoder(InstrumentState& state);

    // Empties every coder value; the five data sets start unused.
    void preset();

    // Carries out one coder text. Empty result on success, else the reason the
    // coder refused it (nothing changed then).
    QByteArray apply(const QByteArray& coderText);

    // The answer to a coder query key, in the units the read-back page expects
    // (deviations in 10 Hz, pilot phase in tenths of a degree, switches 1/0,
    // option groups as their numbers). Nullopt for a key the coder does not know.
    std::optional<QByteArray> answer(const QByteArray& key) const;

  private:
    QByteArray applyRadioText(const QByteArray& value);
    QByteArray applyEon(const QByteArray& key, const QByteArray& value);
    QByteArray applyEonDelete(const QByteArray& value);
    QByteArray applyStore(const QByteArray& value);
    void fileAnnouncement(const QByteArray& value);
    QByteArray placeAfList(const QByteArray& value, const QByteArray& namePrefix, bool keepEmpty);

    std::optional<QByteArray> generatorAnswer(const QByteArray& key) const;
    std::optional<QByteArray> eonAnswer(const QByteArray& family, const QByteArray& rest) const;
    QByteArray tenHertzUnits(const QByteArray& name) const;
    QByteArray switchDigit(const QByteArray& name) const;
    QList<QByteArray> snapshotNames() const;

    InstrumentState& state_;
};

// The other network's PI as the coder files it: blanks removed, capitals.
QByteArray eonKeyOf(const QByteArray& pi);

} // namespace zor::sim
