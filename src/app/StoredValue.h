#pragma once

#include "settings/DataFolder.h"

#include <QString>
#include <optional>

namespace zor {

// The value the data folder holds for a parameter key, as the start-up
// would restore it: switches as "1" or "0", the stereo mode as the number the
// instrument expects (stored 0..4, sent 1..5). Keys that ignore their value
// give an empty text; keys with no stored value give std::nullopt.
std::optional<QString> storedValue(const DataFolder& folder, const QString& key);

} // namespace zor
