#pragma once

#include "translate/Instrument.h"

#include <memory>

namespace zor {

class Captions;
class Clock;
class DataFolder;
class OperatorMessages;
struct CurrentValues;

// The instrument link of one run, assembled from the data folder: the
// interface and bus addresses stored in "RDS_Allg.INI", the serial port with
// its settings file, the IEEE-488 driver named there (or the usual one), the
// command log, the command channel and the translator. The window and
// zor-rds-cli build it alike and then use only its door.
//
// Its commands and queries reach the instrument one at a time, in the order
// they were asked for: while one waits for the instrument the window's
// events run, the operator's input excepted, and a command that a timer asks
// for meanwhile is carried out right after the one under way (send() then
// returns true at once).
class InstrumentLink final : public Instrument {
public:
    // The translator reads the EON PI and the clock display from `current`
    // and the date from `clock`; the bus and query messages come from
    // `captions`. All of them outlive the link.
    InstrumentLink(const DataFolder& folder, const Captions& captions, OperatorMessages& messages,
                   const CurrentValues& current, const Clock& clock);
    ~InstrumentLink() override;
    InstrumentLink(const InstrumentLink&) = delete;
    InstrumentLink& operator=(const InstrumentLink&) = delete;

    // Empties the command log, as each start of the window does.
    void emptyLog();
    // Why the command log cannot be kept (an entry of its name that is no
    // file); empty when it can.
    QString logProblem() const;
    bool send(const QString& key, const QString& value) override;
    Answer ask(const Question& question) override;
    bool connect() override;
    void goToLocal() override;
    void enterDemo() override;
    bool isDemo() const override;
    Interface interfaceInUse() const override;
    void useInterface(Interface chosen) override;
    int generatorAddress() const override;
    void setGeneratorAddress(int address) override;
    bool addressesClash() const override;
    SerialSettings& serialSettings() override;
    int serialPortNumber() const override;
    bool tryPort(int number, QString& why) override;
    void applySerialSettings() override;
    void setLineLostHandler(std::function<void()> handler) override;

private:
    struct Parts;
    std::unique_ptr<Parts> parts_;
};

} // namespace zor
