#pragma once

#include "settings/DataFolder.h"
#include "translate/CurrentValues.h"

namespace zor {

class Captions;
class Instrument;
class OperatorMessages;
class SettingsStore;
class StatusLine;

// What every tab page shares with the window: the data folder (settings
// files and pictures), the store every setting goes through, the status
// strip, the caption text table of the current language, the operator's
// message boxes, the door to the instrument and the window's current value
// texts. All of them outlive the pages.
struct PageContext {
    DataFolder data;
    SettingsStore& settings;
    StatusLine& status;
    Captions& texts;
    OperatorMessages& messages;
    Instrument& instrument;
    CurrentValues& current;
};

} // namespace zor
