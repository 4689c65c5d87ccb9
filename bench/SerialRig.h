#pragma once

#include "SerialDataFolder.h"
#include "app/ConsoleMessages.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <memory>

namespace zor {

class ProgramStart;

// The window program's own classes on the offscreen platform, started over a
// SerialDataFolder. Nothing is sent before the caller pushes the
// initialisation button.
class SerialRig {
public:
    explicit SerialRig(const QList<StoredRdsValue>& dataSet = {},
                       const QStringList& simArguments = {});
    ~SerialRig();
    SerialRig(const SerialRig&) = delete;
    SerialRig& operator=(const SerialRig&) = delete;

    // Empty when the rig is ready; otherwise why it is not.
    QString problem() const { return folder_.problem(); }

    ProgramStart& program() { return *program_; }
    const SimulatedInstrument& instrument() const { return folder_.instrument(); }

private:
    SerialDataFolder folder_;
    ConsoleMessages messages_;
    std::unique_ptr<ProgramStart> program_;
};

} // namespace zor
