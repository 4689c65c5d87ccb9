#pragma once

#include <QString>

namespace zor {

// Copies the files (not the subfolders) of `from` into the existing folder
// `to`, so a bench can change settings without touching the bundled data
// folder. False when `from` is missing or a file could not be copied.
bool copyFolderFiles(const QString& from, const QString& to);

} // namespace zor
