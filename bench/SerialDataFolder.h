#pragma once

#include "SimulatedInstrument.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <memory>

namespace zor {

// A key of the RDS section of the data set, stored before the program starts.
struct StoredRdsValue {
    QString key;
    QString value;
};

// A copy of the bundled data folder whose settings choose the serial line to
// a simulated instrument (zor-sim started with `simArguments`) and no
// automatic initialisation, with the data set's values replaced where the
// bench asks for others.
class SerialDataFolder {
public:
    explicit SerialDataFolder(const QList<StoredRdsValue>& dataSet = {},
                              const QStringList& simArguments = {});

    // Empty when the folder and the instrument are ready; otherwise why not.
    QString problem() const { return problem_; }
    QString path() const { return scratch_.path(); }
    const SimulatedInstrument& instrument() const { return *instrument_; }

private:
    bool chooseSerialLine(const QString& tty) const;
    bool storeDataSet(const QList<StoredRdsValue>& values) const;

    QTemporaryDir scratch_;
    std::unique_ptr<SimulatedInstrument> instrument_;
    QString problem_;
};

} // namespace zor
