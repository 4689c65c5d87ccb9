#pragma once

#include "panel/CurrentValues.h"
#include "settings/DataFolder.h"

namespace zor {

class Captions;
class InstrumentLink;
class OperatorMessages;
class StatusLine;
struct LinkState;

// What every tab page shares with the window: the data folder (settings
// files and pictures), the status strip, the caption text table of the
// current language, the program-wide link state and the operator's message
// boxes. All of them outlive the pages.
struct PageContext {
    DataFolder data;
    StatusLine& status;
    Captions& texts;
    LinkState& link;
    OperatorMessages& messages;
    // The instrument: the translator for settings, the channel for queries.
    InstrumentLink& instrument;
    // The window's current value texts.
    CurrentValues& current;
};

} // namespace zor
