#pragma once

#include "sim/CommandParser.h"
#include "sim/HeaderPattern.h"
#include "sim/InstrumentState.h"
#include "sim/RdsCoder.h"
#include "sim/WireValues.h"

#include <QByteArray>
#include <QList>
#include <QMap>

namespace zor::sim {

// The simulated ZOR generator with its stereo/RDS coder: takes one received
// line, carries out its commands and returns what the instrument answers.
//
// Generator state (names in the state file; preset values in brackets):
//   FREQ      RF frequency in Hz                   [100000000]
//   POW       RF level in dBm (dBm = dBuV - 107)   [-30]
//   OUTPUT, AM, FM, STEREO                ON/OFF   [OFF]
//   MPX-DEV, PIL-DEV, ARI-DEV, RDS-DEV    deviations in Hz [40000, 6750, 3500, 2000]
//   SRC       LREXT | SPEXT | LFGEN                [LREXT]
//   IMP       600 | 100 (100 kOhm)                 [600]
//   MODE      LEFT | RIGHT | REL | REML | RNEL      [REL]
//   PRE       pre-emphasis switch ON/OFF           [OFF]
//   PRE-US    pre-emphasis time constant in us     [50]
//   PIL, ARI, RDS, TP                     ON/OFF   [OFF]
//   PIL-PH    pilot phase in degrees               [0]
//   ARI-ID    ARI identification switch ON/OFF     [OFF]
//   ARI-TYPE  DK | BK | BKDK                        [DK]
//   BK        ARI area code A..F                   [A]
//   AFREQ     audio generator frequency in Hz      [1000]
//   UNKNOWN   count of commands the instrument could not carry out [0]
//   UNKNOWN-LAST  the last of them, as received     []
// Coder state: see RdsCoder.
//
// Commands (SCPI headers; capitals are the short form, brackets optional):
//   [SOURce]:FREQuency[:CW] <f>        FREQ? answers Hz
//   [SOURce]:POWer[:LEVel][:IMMediate][:AMPLitude] <l>   POW? answers dBm
//   OUTPut[:STATe], [SOURce]:AM:STATe, [SOURce]:FM:STATe, [SOURce]:STEReo:STATe
//   [SOURce]:STEReo:DEViation, :SOURce, :EXTernal:IMPedanz, :AUDio:MODE,
//   :AUDio:PREemphasis:STATe, :AUDio:PREemphasis, :AUDio:FREQuency,
//   :PILot:STATe, :PILot:DEViation, :PILot:PHASe, :ARI:STATe, :ARI:DEViation,
//   :ARI:TYPE:STATe, :ARI:TYPE, :ARI:BK, :RDS:STATe, :RDS:DEViation,
//   :RDS:TRAFfic:PROGram              each also as a query, answering the
//                                     state value (switches as 1/0)
//   [SOURce]:STEReo:DIRect "KEY=value"   a coder text; the query
//   [SOURce]:STEReo:DIRect? "KEY"        answers "value" in double quotes
//   SYSTem:ERRor[:NEXT]?  *IDN?  *RST (presets the generator)  *CLS
// Commands in a line are separated by ";". A header after ";" without a
// leading ":" that is unknown on its own is tried below the previous
// command's path, as SCPI does ("STEREO:PILOT:STATE ON;DEV 6750HZ").
// An unknown command or a value the instrument refuses is counted in UNKNOWN,
// kept in rejectedCommands() and queued for SYSTem:ERRor?; otherwise ignored.
class SimInstrument {
  public:
    SimInstrument();

    // Carries out every command of one line (without its terminator) and
    // returns the answers of its queries joined by ";" and ended by LF, or an
    // empty text when the line holds no query.
    QByteArray handleLine(const QByteArray& line);

    const InstrumentState& state() const { return state_; }
    // Takes over the entries of a saved state; the count of refused commands
    // belongs to the run that refused them and stays.
    void restore(const QMap<QByteArray, QByteArray>& entries);
    // True once after each line that changed the state.
    bool takeStateChanged() { return state_.takeChanged(); }
    const QList<QByteArray>& rejectedCommands() const { return rejected_; }

  private:
    enum class Kind { Switch, Number, Choice };
    struct Setting {
        HeaderPattern pattern;
        QByteArray name;
        Kind kind;
        Quantity quantity;
        QList<QByteArray> choices;
        QByteArray preset;
    };

    void presetGenerator();
    void presetAll();
    const Setting* findSetting(const QList<QByteArray>& nodes) const;
    bool isKnownHeader(const QList<QByteArray>& nodes) const;
    void execute(const ParsedCommand& command, const QList<QByteArray>& nodes,
                 QList<QByteArray>& answers);
    void executeCommon(const ParsedCommand& command, QList<QByteArray>& answers);
    void executeSetting(const Setting& setting, const ParsedCommand& command,
                        QList<QByteArray>& answers);
    void executeDirect(const ParsedCommand& command, QList<QByteArray>& answers);
    QByteArray settingAnswer(const Setting& setting) const;
    void reject(const ParsedCommand& command, int code, const QByteArray& message);
    QByteArray takeError();

    InstrumentState state_;
    RdsCoder coder_;
    QList<Setting> settings_;
    HeaderPattern direct_;
    HeaderPattern systemError_;
    QList<QByteArray> errorQueue_;
    QList<QByteArray> rejected_;
};

} // namespace zor::sim
