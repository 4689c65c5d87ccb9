#pragma once

#include <QString>

namespace zor {

// Private-profile access to the INI files of the data folder, one key per call
// and no cache: every read reads the file again, every write replaces it on
// disk at once. File, section and key names match without regard to case.

// The value of `key` in `section` of the file at `path`: blanks around it and
// one pair of enclosing double quotes dropped, at most 254 characters. Empty
// when the file, the section or the key does not exist; never creates anything.
QString Ini_Lesen(const QString& section, const QString& key, const QString& path);

// Writes `value` under `key` in `section`, creating file, section and key as
// needed; every other line of the file stays as it was. The file is replaced
// atomically. Returns false when the file could not be written (read-only or
// missing folder); the old file is then untouched.
bool Ini_Schreiben(const QString& section, const QString& key, const QString& value,
                   const QString& path);

} // namespace zor
