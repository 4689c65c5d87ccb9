#include "translate/Translator.h"

#include "link/CommandChannel.h"
#include "link/CommandLog.h"
#include "link/LinkState.h"

#include <utility>

namespace zor {

Translator::Translator(CommandChannel& channel, std::function<TranslatorInputs()> inputs)
    : channel_(channel), inputs_(std::move(inputs)) {}

void Translator::Parameter_Senden(const QString& key, QString& value, std::int16_t device) {
    if (channel_.state().demo())
        return;
    const std::optional<QString> line = commandLine(key, value, inputs_());
    if (!line)
        return;
    channel_.log().Log_Schreiben(key, QString(), *line);
    if (device == channel_.state().generatorDescriptor)
        channel_.Befehl_Senden(*line);
}

} // namespace zor
