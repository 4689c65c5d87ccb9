#include "translate/InstrumentLink.h"

#include "link/LinkState.h"
#include "settings/IniFile.h"
#include "settings/NumberText.h"

#include <QDateTime>

namespace zor {

namespace {

QString general(const DataFolder& folder, const char* section, const char* key)
{
    return Ini_Lesen(QString::fromLatin1(section), QString::fromLatin1(key),
                     folder.file(QString::fromLatin1(kGeneralFile)));
}

// Addresses are 16-bit in the bus driver's interface; anything beyond that
// range is as unusable as text.
std::int16_t address(const QString& text)
{
    const double value = leadingNumber(text);
    if (value < -32768.0 || value > 32767.0)
        return 0;
    return static_cast<std::int16_t>(value);
}

} // namespace

InstrumentLink::InstrumentLink(const DataFolder& folder, LinkState& state,
                               const Captions& captions, OperatorMessages& messages)
    : serialPort_(folder.file(QString::fromLatin1(kSerialFile))),
      gpib_(general(folder, "BUS", "GpibLibrary")),
      bus_(gpib_, captions, messages),
      log_(folder.file(QString::fromLatin1(kLogFile)), storedLogFlag(folder)),
      channel_(state, serialPort_, bus_, log_, captions, messages),
      translator_(channel_, [this] { return currentInputs(); })
{
    channel_.serialSettings().setFilePath(folder.file(QString::fromLatin1(kSerialFile)));
}

void InstrumentLink::setTranslatorInputs(std::function<TranslatorInputs()> inputs)
{
    inputs_ = std::move(inputs);
}

TranslatorInputs InstrumentLink::currentInputs() const
{
    if (inputs_)
        return inputs_();
    return {QString(), QString(), QDateTime::currentDateTime()};
}

void readLinkState(const DataFolder& folder, LinkState& state)
{
    state.interfaceName = general(folder, "BUS", "INTERFACE");
    state.generatorAddress = address(general(folder, "ADRESSEN", "ZOR1"));
    state.secondAddress = address(general(folder, "ADRESSEN", "VEX2"));
}

std::int16_t storedLogFlag(const DataFolder& folder)
{
    return CommandLog::flagFromText(general(folder, "ADRESSEN", "Log_Key"));
}

} // namespace zor
