#pragma once

#include "translate/CommandTable.h"

#include <QString>
#include <cstdint>
#include <functional>

namespace zor {

class CommandChannel;

// The single door from a setting to the instrument: every handler and the
// instrument initialisation hand over a parameter key and its value text,
// and exactly one command line is logged and sent.
class Translator {
  public:
    // `inputs` is asked at each call for the current EON PI, the clock
    // label's text and the computer's date and time.
    Translator(CommandChannel& channel, std::function<TranslatorInputs()> inputs);

    // Does nothing in demo mode or for a key outside the command table.
    // Otherwise builds the line (normalising `value` for "PI"), logs it under
    // the key, and sends it, even when it is empty, if `device` is the
    // generator's descriptor.
    void Parameter_Senden(const QString& key, QString& value, std::int16_t device);

  private:
    CommandChannel& channel_;
    std::function<TranslatorInputs()> inputs_;
};

} // namespace zor
