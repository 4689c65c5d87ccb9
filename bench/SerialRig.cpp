#include "SerialRig.h"

#include "app/ProgramStart.h"
#include "settings/DataFolder.h"

namespace zor {

SerialRig::SerialRig(const QList<StoredRdsValue>& dataSet, const QStringList& simArguments)
    : folder_(dataSet, simArguments) {
    if (!folder_.problem().isEmpty())
        return;
    program_ = std::make_unique<ProgramStart>(DataFolder(folder_.path()), messages_);
    program_->run();
}

SerialRig::~SerialRig() = default;

} // namespace zor
