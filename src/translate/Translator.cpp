#include "translate/Translator.h"

#include "link/CommandChannel.h"
#include "link/CommandLog.h"
#include "link/LinkState.h"
#include "translate/Clock.h"
#include "translate/CommandTable.h"
#include "translate/CurrentValues.h"

namespace zor {

Translator::Translator(CommandChannel& channel, CommandLog& log, const CurrentValues& current,
                       const Clock& clock)
    : channel_(channel), log_(log), current_(current), clock_(clock) {}

bool Translator::Parameter_Senden(const QString& key, const QString& value) {
    if (channel_.state().demo)
        return false;
    const std::optional<QString> line =
        commandLine(key, value, {current_.eonPi, current_.clock, clock_.localTime()});
    if (!line)
        return false;
    log_.Log_Schreiben(key, QString(), *line);
    return channel_.Befehl_Senden(*line);
}

} // namespace zor
