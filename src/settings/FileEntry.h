#pragma once

#include <QFile>
#include <QString>

namespace zor {

// What stands in a folder under one name, found out without opening it.
// Opening a named pipe or a device waits for the other end or acts on the
// device, so the program opens its files only when they are regular files.
class FileEntry {
public:
    enum class Kind {
        Missing,
        File,         // a regular file, or a link that leads to one
        Folder,
        Fifo,         // a named pipe
        Socket,
        Device,       // a character or block device
        LinkLoop,     // symbolic links that lead round in a circle
        DanglingLink, // a symbolic link to nothing
        Unreachable,  // something the program may not even look at
        Other,
    };

    explicit FileEntry(const QString& path);

    Kind kind() const { return kind_; }
    bool isMissing() const { return kind_ == Kind::Missing; }
    bool isFile() const { return kind_ == Kind::File; }
    // Present, but nothing the program may open as a file.
    bool isSpecial() const { return !isMissing() && !isFile(); }

    // What the entry is, to follow "... steht" and "there is ...":
    // "eine benannte Pipe (FIFO)", "a named pipe (FIFO)".
    QString germanName() const;
    QString englishName() const;

    // Opens `file` (named already) in `mode` when its entry is a regular file
    // or missing and `mode` creates it. Never waits for the other end of a
    // named pipe, also when one takes the file's place at the last moment.
    // The opened `file` no longer knows its name.
    static bool openRegular(QFile& file, QIODevice::OpenMode mode);

private:
    Kind kind_ = Kind::Missing;
};

} // namespace zor
