#pragma once

#include "settings/Captions.h"
#include "settings/DataFolder.h"
#include "support/RecordingOperator.h"
#include "support/SimProcess.h"
#include "translate/Clock.h"
#include "translate/CurrentValues.h"
#include "translate/InstrumentLink.h"

#include <QStringList>
#include <QTemporaryDir>
#include <memory>

namespace zor::test {

// The one way a test reaches the simulated instrument: zor-sim started for
// the test, and the program's own instrument link over a data folder of its
// own that names zor-sim's serial line and bus, connected as the
// initialisation connects it, with the command log switched on.
class SimLink {
public:
    explicit SimLink(Interface interface, const QStringList& simArguments = {},
                     const Clock& clock = systemClock());

    // The instrument is up and the link connected without a message.
    bool ready() const { return ready_; }
    QString why() const;

    InstrumentLink& instrument() { return *link_; }
    CurrentValues& current() { return current_; }
    Captions& captions() { return captions_; }
    RecordingOperator& messages() { return messages_; }
    DataFolder data() const { return DataFolder(folder_.path()); }

    // The records of the command log, without their line ends.
    QStringList logRecords() const;
    // What the record holds beyond what the connection put there.
    QByteArray sentSinceOpening() const;
    // Waits until `bytes` more bytes than at the opening are recorded.
    bool waitForSent(qsizetype bytes) const;

private:
    SimProcess sim_;
    QTemporaryDir folder_;
    Captions captions_;
    RecordingOperator messages_;
    CurrentValues current_;
    std::unique_ptr<InstrumentLink> link_;
    qsizetype openingBytes_ = 0;
    bool ready_ = false;
};

// Makes the data folder `data` lead to `sim`: serial port 1 on its serial
// line, the bus shim as the bus library with the generator at address 28,
// the bus read time-out `busTimeoutMs`, and `interface` in use.
void reachSimulatedInstrument(const DataFolder& data, const SimProcess& sim, Interface interface,
                              int busTimeoutMs);

} // namespace zor::test
