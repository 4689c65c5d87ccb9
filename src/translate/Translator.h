#pragma once

#include <QString>

namespace zor {

class Clock;
class CommandChannel;
class CommandLog;
struct CurrentValues;

// Turns a setting into its command line: every handler and the instrument
// initialisation hand over a parameter key and its value text, and exactly
// one command line is logged and sent. The current EON PI and clock display
// come from the window's current values, the date from the clock.
class Translator {
  public:
    Translator(CommandChannel& channel, CommandLog& log, const CurrentValues& current,
               const Clock& clock);

    // Nothing in demo mode or for a key outside the command table. Otherwise
    // logs the line under the key and sends it, even when it is empty. False
    // when nothing reached the interface.
    bool Parameter_Senden(const QString& key, const QString& value);

  private:
    CommandChannel& channel_;
    CommandLog& log_;
    const CurrentValues& current_;
    const Clock& clock_;
};

} // namespace zor
