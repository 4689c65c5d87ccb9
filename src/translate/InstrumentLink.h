#pragma once

#include "link/BusAdapter.h"
#include "link/CommandChannel.h"
#include "link/CommandLog.h"
#include "link/GpibLibrary.h"
#include "link/SerialPort.h"
#include "link/SerialSettings.h"
#include "settings/DataFolder.h"
#include "translate/Translator.h"

#include <functional>

namespace zor {

class Captions;
class OperatorMessages;
struct LinkState;

// The instrument link of one run, assembled from the data folder: the serial
// port with its settings file, the IEEE-488 driver named in "RDS_Allg.INI"
// (or the usual one), the command log, the command channel and the translator.
class InstrumentLink {
public:
    InstrumentLink(const DataFolder& folder, LinkState& state, const Captions& captions,
                   OperatorMessages& messages);

    // Where the translator finds the current EON PI and the clock label's
    // text; until set, both are empty and the time is the computer's.
    void setTranslatorInputs(std::function<TranslatorInputs()> inputs);

    SerialSettings& serialSettings() { return channel_.serialSettings(); }
    SerialPort& serialPort() { return serialPort_; }
    GpibLibrary& gpibLibrary() { return gpib_; }
    BusAdapter& bus() { return bus_; }
    CommandLog& log() { return log_; }
    CommandChannel& channel() { return channel_; }
    Translator& translator() { return translator_; }

private:
    TranslatorInputs currentInputs() const;

    SerialPort serialPort_;
    GpibLibrary gpib_;
    BusAdapter bus_;
    CommandLog log_;
    CommandChannel channel_;
    Translator translator_;
    std::function<TranslatorInputs()> inputs_;
};

// Fills the interface, the two bus addresses of `state` from "RDS_Allg.INI".
void readLinkState(const DataFolder& folder, LinkState& state);
// The log flag stored under "Log_Key".
std::int16_t storedLogFlag(const DataFolder& folder);

} // namespace zor
