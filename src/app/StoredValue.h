#pragma once

#include "settings/DataFolder.h"

#include <QString>
#include <optional>

namespace zor {

// The value the data folder holds for a parameter key, as the start-up
// would restore it: switches as "1" or "0", the stereo mode as the number the
// instrument expects (stored 0..4, sent 1..5), an AF list with the marker its
// page's send button puts in front. Keys that ignore their value give an
// empty text; keys with no stored value (an AF list that its page would not
// send) give std::nullopt.
std::optional<QString> storedValue(const DataFolder& folder, const QString& key);

} // namespace zor
