#pragma once

#include "link/BusAdapter.h"
#include "link/CommandChannel.h"
#include "link/CommandLog.h"
#include "link/GpibLibrary.h"
#include "link/LinkState.h"
#include "link/SerialPort.h"
#include "settings/Captions.h"
#include "support/RecordingOperator.h"
#include "support/SimProcess.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>

namespace zor::test {

// The link as the program puts it together, over a data folder of its own,
// talking to a simulated instrument started per test.
class WireFixture : public ::testing::Test {
protected:
    // Starts the instrument and builds the link; `driver` is the bus library
    // to load (a missing file leaves the bus without a board).
    void startLink(const QString& interfaceName, const QStringList& simArguments,
                   const QString& driver = QStringLiteral("/no/such/folder/libgpib.so.0")) {
        ensureCoreApplication();
        sim = std::make_unique<SimProcess>(simArguments);
        ASSERT_TRUE(sim->isReady()) << sim->errorString().toStdString();
        QFile settings(serialSettingsPath);
        ASSERT_TRUE(settings.open(QIODevice::WriteOnly));
        settings.write("[38xx]\r\nComPort=1\r\nBaud=9600\r\nDatenbits=8\r\nParitaet=N\r\n"
                       "Stoppbit=1\r\nHandshake=0\r\nEcho=0\r\nDemo=demo\r\nAdresse=0\r\nPort1=" +
                       sim->ttyPath().toLocal8Bit() + "\r\n");
        settings.close();
        qputenv("ZOR_SIM_GPIB_SOCKET", sim->gpibSocket().toLocal8Bit());
        qputenv("ZOR_SIM_GPIB_TIMEOUT_MS", "100");
        for (int number = 141; number <= 145; ++number)
            captions.setText(number, QStringLiteral("Text %1").arg(number));
        captions.setText(184, QStringLiteral("Busfehler"));
        captions.setText(185, QStringLiteral("Weiter?"));
        state.serialInterface = interfaceName == QLatin1String("COM");
        state.generatorAddress = 28;
        state.secondAddress = 7;
        library = std::make_unique<GpibLibrary>(driver);
        bus = std::make_unique<BusAdapter>(*library, captions, messages);
        channel = std::make_unique<CommandChannel>(state, port, *bus, log, captions, messages);
        channel->serialSettings().setFilePath(serialSettingsPath);
        channel->loadSerialSettings();
    }

    QByteArray logged() const {
        QFile file(logPath);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    // A log line as CommandLog writes it.
    static QByteArray logLine(const QString& name, const QString& text, const QString& command) {
        return CommandLog::record(name, text, command).toLatin1() + "\r\n";
    }

    QTemporaryDir data;
    QString serialSettingsPath = data.filePath(QStringLiteral("Rs232.ini"));
    QString logPath = data.filePath(QStringLiteral("RDS_Log.txt"));
    std::unique_ptr<SimProcess> sim;
    Captions captions;
    RecordingOperator messages;
    LinkState state;
    SerialPort port{serialSettingsPath};
    CommandLog log{logPath, 1};
    std::unique_ptr<GpibLibrary> library;
    std::unique_ptr<BusAdapter> bus;
    std::unique_ptr<CommandChannel> channel;
};

} // namespace zor::test
