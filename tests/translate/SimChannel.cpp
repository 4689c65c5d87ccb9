#include "SimChannel.h"

#include "settings/AnsiText.h"
#include "settings/IniFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

namespace zor::test {

namespace {

// Long enough for any answer of the instrument, short enough that a failing
// test does not sit out the three seconds of the real bus time-out.
constexpr auto kBusTimeoutMs = "500";
constexpr int kSentWaitMs = 3000;

void setCaptions(Captions& captions) {
    captions.setText(21, QStringLiteral("Hub"));
    captions.setText(141, QStringLiteral("Abfragefehler"));
    captions.setText(142, QStringLiteral("Antwort"));
    captions.setText(143, QStringLiteral("no Answer"));
    captions.setText(145, QStringLiteral("keine Antwort"));
    captions.setText(192, QStringLiteral("ein"));
    captions.setText(193, QStringLiteral("aus"));
}

// Qt's serial port watches its device with notifiers that want an
// application object, even though nothing here runs an event loop.
void ensureApplication() {
    static int argc = 1;
    static char name[] = "translate_sim_tests";
    static char* argv[] = {name, nullptr};
    if (!QCoreApplication::instance())
        static QCoreApplication application(argc, argv);
}

} // namespace

SimChannel::SimChannel(Interface interface) {
    ensureApplication();
    if (!sim_.isReady() || !folder_.isValid())
        return;
    setCaptions(captions_);
    qputenv("ZOR_SIM_GPIB_SOCKET", sim_.gpibSocket().toLocal8Bit());
    qputenv("ZOR_SIM_GPIB_TIMEOUT_MS", kBusTimeoutMs);
    library_ = std::make_unique<GpibLibrary>(
        QDir(SimProcess::binDir()).filePath(QStringLiteral("libzor-gpib-sim.so")));
    bus_ = std::make_unique<BusAdapter>(*library_, captions_, messages_);
    const QString serialFile = folder_.filePath(QStringLiteral("Rs232.ini"));
    serial_ = std::make_unique<SerialPort>(serialFile);
    log_ = std::make_unique<CommandLog>(folder_.filePath(QStringLiteral("RDS_Log.txt")), 1);
    log_->empty();
    channel_ =
        std::make_unique<CommandChannel>(state_, *serial_, *bus_, *log_, captions_, messages_);
    channel_->serialSettings().setFilePath(serialFile);
    if (interface == Interface::Serial)
        openSerial();
    else
        openBus();
    state_.demoFlag = QStringLiteral("nodemo");
    openingBytes_ = sim_.recorded().size();
    ready_ = messages_.notes.isEmpty();
}

void SimChannel::openSerial() {
    const QString serialFile = channel_->serialSettings().filePath();
    Ini_Schreiben(QStringLiteral("38xx"), QStringLiteral("ComPort"), QStringLiteral("1"),
                  serialFile);
    Ini_Schreiben(QStringLiteral("38xx"), QStringLiteral("Port1"), sim_.ttyPath(), serialFile);
    state_.interfaceName = QStringLiteral("COM");
    channel_->loadSerialSettings();
    channel_->openInterface();
    // The opening carriage return must have arrived before anything is counted.
    sim_.waitForRecorded(1, kSentWaitMs);
}

void SimChannel::openBus() {
    state_.interfaceName = QStringLiteral("IEC");
    state_.generatorAddress = 28;
    if (!channel_->openInterface())
        messages_.notes << QStringLiteral("the bus device could not be opened");
}

QString SimChannel::why() const {
    if (!sim_.isReady())
        return sim_.errorString();
    return messages_.notes.join(QLatin1Char('\n'));
}

QStringList SimChannel::logRecords() const {
    QFile file(folder_.filePath(QStringLiteral("RDS_Log.txt")));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QStringList records = fromAnsi(file.readAll()).split(QStringLiteral("\r\n"));
    if (!records.isEmpty() && records.last().isEmpty())
        records.removeLast();
    return records;
}

QByteArray SimChannel::sentSinceOpening() const {
    return sim_.recorded().mid(openingBytes_);
}

bool SimChannel::waitForSent(qsizetype bytes) const {
    return sim_.waitForRecorded(openingBytes_ + bytes, kSentWaitMs);
}

} // namespace zor::test
