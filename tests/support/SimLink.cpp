#include "support/SimLink.h"

#include "settings/AnsiText.h"
#include "settings/IniFile.h"

#include <QFile>

namespace zor::test {

namespace {

// Long enough for any answer of the instrument, short enough that a failing
// test does not sit out the three seconds of the real bus time-out.
constexpr int kBusTimeoutMs = 500;
constexpr int kSentWaitMs = 3000;

} // namespace

void reachSimulatedInstrument(const DataFolder& data, const SimProcess& sim, Interface interface,
                              int busTimeoutMs) {
    qputenv("ZOR_SIM_GPIB_SOCKET", sim.gpibSocket().toLocal8Bit());
    qputenv("ZOR_SIM_GPIB_TIMEOUT_MS", QByteArray::number(busTimeoutMs));
    const QString general = data.file(QLatin1String(kGeneralFile));
    const QString serial = data.file(QLatin1String(kSerialFile));
    Ini_Schreiben(QStringLiteral("BUS"), QStringLiteral("Interface"),
                  interface == Interface::Serial ? QStringLiteral("COM") : QStringLiteral("IEC"),
                  general);
    Ini_Schreiben(QStringLiteral("BUS"), QStringLiteral("GpibLibrary"), SimProcess::gpibLibrary(),
                  general);
    Ini_Schreiben(QStringLiteral("ADRESSEN"), QStringLiteral("ZOR1"), QStringLiteral("28"),
                  general);
    Ini_Schreiben(QStringLiteral("38xx"), QStringLiteral("ComPort"), QStringLiteral("1"), serial);
    Ini_Schreiben(QStringLiteral("38xx"), QStringLiteral("Port1"), sim.ttyPath(), serial);
}

SimLink::SimLink(Interface interface, const QStringList& simArguments, const Clock& clock)
    : sim_(simArguments) {
    ensureCoreApplication();
    if (!sim_.isReady() || !folder_.isValid())
        return;
    for (const auto& [number, text] :
         {std::pair{21, "Hub"}, {141, "Abfragefehler"}, {142, "Antwort"}, {143, "no Answer"},
          {145, "keine Antwort"}, {184, "Busfehler"}, {185, "Weiter?"}, {192, "ein"}, {193, "aus"}})
        captions_.setText(number, QLatin1String(text));
    reachSimulatedInstrument(data(), sim_, interface, kBusTimeoutMs);
    Ini_Schreiben(QStringLiteral("ADRESSEN"), QStringLiteral("Log_Key"), QStringLiteral("1"),
                  data().file(QLatin1String(kGeneralFile)));
    link_ = std::make_unique<InstrumentLink>(data(), captions_, messages_, current_, clock);
    link_->emptyLog();
    link_->useInterface(interface);
    if (!link_->connect())
        return;
    // The opening carriage return must have arrived before anything is counted.
    if (interface == Interface::Serial)
        sim_.waitForRecorded(1, kSentWaitMs);
    openingBytes_ = sim_.recorded().size();
    ready_ = messages_.messages.empty();
}

QString SimLink::why() const {
    if (!sim_.isReady())
        return sim_.errorString();
    QStringList told;
    for (const RecordingOperator::Message& message : messages_.messages)
        told << message.title + QStringLiteral(": ") + message.text;
    return told.isEmpty() ? QStringLiteral("the link could not connect") : told.join(u'\n');
}

QStringList SimLink::logRecords() const {
    QFile file(data().file(QLatin1String(kLogFile)));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QStringList records = fromAnsi(file.readAll()).split(QStringLiteral("\r\n"));
    if (!records.isEmpty() && records.last().isEmpty())
        records.removeLast();
    return records;
}

QByteArray SimLink::sentSinceOpening() const {
    return sim_.recorded().mid(openingBytes_);
}

bool SimLink::waitForSent(qsizetype bytes) const {
    return sim_.waitForRecorded(openingBytes_ + bytes, kSentWaitMs);
}

} // namespace zor::test
