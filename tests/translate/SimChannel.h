#pragma once

#include "link/BusAdapter.h"
#include "link/CommandChannel.h"
#include "link/CommandLog.h"
#include "link/GpibLibrary.h"
#include "link/LinkState.h"
#include "link/OperatorMessages.h"
#include "link/SerialPort.h"
#include "settings/Captions.h"
#include "support/SimProcess.h"

#include <QStringList>
#include <QTemporaryDir>
#include <memory>

namespace zor::test {

// Takes the place of the window's message boxes; a test expects none.
class NotedMessages : public OperatorMessages {
  public:
    void warn(const QString& title, const QString& text) override { note(title, text); }
    void critical(const QString& title, const QString& text) override { note(title, text); }
    bool askCritical(const QString& title, const QString& text) override {
        note(title, text);
        return true;
    }
    void quitProgram() override { notes << QStringLiteral("quit"); }
    void processPendingEvents() override {}

    QStringList notes;

  private:
    void note(const QString& title, const QString& text) { notes << title + ": " + text; }
};

enum class Interface { Serial, Bus };

// A real command channel to the simulated instrument, opened as the
// instrument initialisation opens it, with the command log switched on in a
// temporary data folder.
class SimChannel {
  public:
    explicit SimChannel(Interface interface);

    // The instrument is up and the interface opened without a message.
    bool ready() const { return ready_; }
    QString why() const;

    SimProcess& sim() { return sim_; }
    CommandChannel& channel() { return *channel_; }
    LinkState& state() { return state_; }
    const Captions& captions() const { return captions_; }
    const NotedMessages& messages() const { return messages_; }

    // The records of the command log, without their line ends.
    QStringList logRecords() const;
    // What the record holds beyond what the interface opening put there.
    QByteArray sentSinceOpening() const;
    // Waits until `bytes` more bytes than at the opening are recorded.
    bool waitForSent(qsizetype bytes) const;

  private:
    void openSerial();
    void openBus();

    SimProcess sim_;
    QTemporaryDir folder_;
    Captions captions_;
    NotedMessages messages_;
    LinkState state_;
    std::unique_ptr<GpibLibrary> library_;
    std::unique_ptr<BusAdapter> bus_;
    std::unique_ptr<SerialPort> serial_;
    std::unique_ptr<CommandLog> log_;
    std::unique_ptr<CommandChannel> channel_;
    qsizetype openingBytes_ = 0;
    bool ready_ = false;
};

} // namespace zor::test
