#pragma once

#include "settings/SettingsBytes.h"

#include <QString>

namespace zor {

// Private-profile access to the INI files of the data folder, one key per call
// and no cache: every read reads the file again, every write replaces it on
// disk at once. File, section and key names match without regard to case.

// A file that holds a NUL character or a line longer than kLongestSettingsLine
// bytes is no settings file (SettingsBytes.h): it reads as empty and no write
// changes it, so whatever it really is survives.

// The value of `key` in `section` of the file at `path`: blanks around it and
// one pair of enclosing double quotes dropped, at most 254 characters. Empty
// when the file, the section or the key does not exist, or the file is no
// settings file; never creates anything.
QString Ini_Lesen(const QString& section, const QString& key, const QString& path);

// Writes `value` under `key` in `section`, creating file, section and key as
// needed; every other line of the file stays as it was. The file is replaced
// atomically, and only once the new content is wholly on disk. Returns false
// when the file could not be written (read-only or missing folder, a file
// that cannot be read, is no regular file or no settings file, a full disk,
// a file-size limit, an I/O error, another writer that does not finish); the
// old file is then untouched, byte for byte.
//
// Writers of one file take turns (SettingsLock.h): from reading the file to
// replacing it nobody else writes it, so no write undoes another's change.
bool Ini_Schreiben(const QString& section, const QString& key, const QString& value,
                   const QString& path);

// Ini_Schreiben telling why it failed: empty when the value is stored, else
// one English sentence with the cause, for the command line.
QString iniWriteProblem(const QString& section, const QString& key, const QString& value,
                        const QString& path);

// What the file at `path` is, its name matched without regard to case.
SettingsFileState iniFileState(const QString& path);

// A write that was killed after it had put its new content beside the file
// leaves "<file name>." followed by six random letters or digits in the
// folder. Such a leftover is never taken for a settings file; a later write
// of the same file removes it once it is older than this, when no writer can
// still be about to rename it.
inline constexpr int kLeftoverAgeSeconds = 600;

} // namespace zor
