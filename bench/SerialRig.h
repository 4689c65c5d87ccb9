#pragma once

#include "app/ConsoleMessages.h"
#include "SimulatedInstrument.h"

#include <QList>
#include <QString>
#include <QTemporaryDir>
#include <memory>

namespace zor {

class ProgramStart;

// A key of the RDS section of the data set, stored before the program starts.
struct StoredRdsValue {
    QString key;
    QString value;
};

// The window program's own classes on the offscreen platform, started over a
// copy of the bundled data folder whose settings choose the serial line to a
// simulated instrument, with the data set's values replaced where the bench
// asks for others. Nothing is sent before the caller pushes the
// initialisation button.
class SerialRig {
public:
    explicit SerialRig(const QList<StoredRdsValue>& dataSet = {});
    ~SerialRig();
    SerialRig(const SerialRig&) = delete;
    SerialRig& operator=(const SerialRig&) = delete;

    // Empty when the rig is ready; otherwise why it is not.
    QString problem() const { return problem_; }

    ProgramStart& program() { return *program_; }
    const SimulatedInstrument& instrument() const { return *instrument_; }

private:
    bool chooseSerialLine(const QString& tty) const;
    bool storeDataSet(const QList<StoredRdsValue>& values) const;

    QTemporaryDir scratch_;
    ConsoleMessages messages_;
    std::unique_ptr<SimulatedInstrument> instrument_;
    std::unique_ptr<ProgramStart> program_;
    QString problem_;
};

} // namespace zor
