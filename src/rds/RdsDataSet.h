#pragma once

#include <QString>

namespace zor {

struct PageContext;

// Section "RDS" of the current data set file, as the AF, group and EON
// pages read and write it.
QString readRdsKey(const PageContext& context, const QString& key);

// Writes `value` under `key`; when the file cannot be written the operator
// is told, naming key and file, unless `quiet` (a value written back as it
// was read). False when the value is not on file.
bool writeRdsKey(PageContext& context, const QString& key, const QString& value,
                 bool quiet = false);

} // namespace zor
