#pragma once

#include <QString>

namespace zor {

class OperatorMessages;

// Tells the operator that the setting `key` could not be written into the
// settings file `file`, in German and English as every error box of the
// settings files does.
void tellSettingNotSaved(OperatorMessages& messages, const QString& key, const QString& file);

} // namespace zor
