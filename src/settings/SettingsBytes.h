#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

namespace zor {

// The longest line a settings file may hold, in bytes as stored. Real
// settings take a few hundred bytes at most; a longer line means the file is
// something else (a picture, a log, text run together into one line), which
// rewriting it as settings would destroy.
inline constexpr qsizetype kLongestSettingsLine = 65536;

enum class SettingsFileState {
    Missing,     // no file of that name
    Unreadable,  // something of that name that cannot be opened and read, or
                 // is no regular file (a folder, a named pipe, a link to nothing)
    Unparseable, // a NUL character or a line longer than kLongestSettingsLine
    Usable,
};

// The whole content of one settings file, or why there is none to use.
struct SettingsBytes {
    SettingsFileState state = SettingsFileState::Missing;
    QByteArray bytes; // empty unless usable

    // Reads the file at `path`, spelled as it is on disk. The file is read
    // piece by piece and given up at its first NUL or overlong line, so a
    // file made of one 10 MB line costs little more than the limit.
    static SettingsBytes read(const QString& path);
};

// Whether `bytes` can be the content of a settings file: no NUL character
// and no line longer than kLongestSettingsLine bytes. CR, LF and CR LF end a
// line. Text with a UTF-16 byte order mark (and an even length) is judged by
// its characters, whose bytes are often zero.
bool isSettingsText(QByteArrayView bytes);

} // namespace zor
