#include "SerialDataFolder.h"

#include "settings/DataFolder.h"
#include "settings/IniFile.h"

#include <QCoreApplication>

namespace zor {

SerialDataFolder::SerialDataFolder(const QList<StoredRdsValue>& dataSet,
                                   const QStringList& simArguments) {
    const QString bundled = QCoreApplication::applicationDirPath() + QStringLiteral("/Daten");
    if (!scratch_.isValid() || !copyMissingFiles(bundled, scratch_.path()).problems.isEmpty()) {
        problem_ = QStringLiteral("cannot copy the data folder ") + bundled;
        return;
    }
    instrument_ = std::make_unique<SimulatedInstrument>(
        scratch_.filePath(QStringLiteral("received.bin")), simArguments);
    if (instrument_->tty().isEmpty()) {
        problem_ = QStringLiteral("zor-sim did not come up");
        return;
    }
    if (!chooseSerialLine(instrument_->tty()) || !storeDataSet(dataSet))
        problem_ = QStringLiteral("cannot write the settings into ") + scratch_.path();
}

// The serial interface on the instrument's pseudo-terminal, and no automatic
// initialisation: the bench decides when the push starts.
bool SerialDataFolder::chooseSerialLine(const QString& tty) const {
    const DataFolder data(scratch_.path());
    const QString general = data.file(QLatin1String(kGeneralFile));
    const QString serial = data.file(QLatin1String(kSerialFile));
    return Ini_Schreiben(QStringLiteral("BUS"), QStringLiteral("Interface"), QStringLiteral("COM"),
                         general) &&
           Ini_Schreiben(QStringLiteral("BUS"), QStringLiteral("IECBUS"), QString(), general) &&
           Ini_Schreiben(QStringLiteral("38xx"), QStringLiteral("ComPort"), QStringLiteral("1"),
                         serial) &&
           Ini_Schreiben(QStringLiteral("38xx"), QStringLiteral("Port1"), tty, serial);
}

bool SerialDataFolder::storeDataSet(const QList<StoredRdsValue>& values) const {
    const QString file = DataFolder(scratch_.path()).file(QLatin1String(kDataSetFile));
    for (const StoredRdsValue& value : values) {
        if (!Ini_Schreiben(QStringLiteral("RDS"), value.key, value.value, file))
            return false;
    }
    return true;
}

} // namespace zor
