#pragma once

#include "settings/DataFolder.h"

#include <QSet>
#include <QString>

namespace zor {

class OperatorMessages;

// Writes the RDS page's settings into the files of the data folder at once.
// A file that cannot be written is told to the operator once, and again only
// after a write to it has worked in between, so a step control dragged over a
// read-only file does not raise a box for every step.
class SettingsWriter {
public:
    SettingsWriter(DataFolder data, OperatorMessages& messages);

    // Writes `value` under `key` of `section` in the data folder's file
    // `fileName`; false when the file could not be written.
    bool write(const char* fileName, const QString& section, const QString& key,
               const QString& value);

private:
    DataFolder data_;
    OperatorMessages& messages_;
    QSet<QString> failing_;
};

} // namespace zor
