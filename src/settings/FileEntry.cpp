#include "settings/FileEntry.h"

#ifdef Q_OS_UNIX
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#else
#include <QFileInfo>
#endif

namespace zor {

namespace {

#ifdef Q_OS_UNIX
FileEntry::Kind kindOfMode(mode_t mode)
{
    if (S_ISREG(mode))
        return FileEntry::Kind::File;
    if (S_ISDIR(mode))
        return FileEntry::Kind::Folder;
    if (S_ISFIFO(mode))
        return FileEntry::Kind::Fifo;
    if (S_ISSOCK(mode))
        return FileEntry::Kind::Socket;
    if (S_ISCHR(mode) || S_ISBLK(mode))
        return FileEntry::Kind::Device;
    return FileEntry::Kind::Other;
}

// What the entry itself is when what it leads to cannot be found.
FileEntry::Kind kindOfUnfollowed(const QByteArray& name, int followError)
{
    struct stat entry {};
    if (::lstat(name.constData(), &entry) != 0)
        return errno == ENOENT || errno == ENOTDIR ? FileEntry::Kind::Missing
                                                   : FileEntry::Kind::Unreachable;
    if (!S_ISLNK(entry.st_mode))
        return FileEntry::Kind::Unreachable;
    return followError == ELOOP ? FileEntry::Kind::LinkLoop : FileEntry::Kind::DanglingLink;
}

int openFlags(QIODevice::OpenMode mode)
{
    int flags = O_CLOEXEC | O_NONBLOCK;
    if ((mode & QIODevice::ReadWrite) == QIODevice::ReadWrite)
        flags |= O_RDWR;
    else if (mode & QIODevice::WriteOnly)
        flags |= O_WRONLY;
    else
        flags |= O_RDONLY;
    if (mode & QIODevice::WriteOnly)
        flags |= O_CREAT;
    if (mode & QIODevice::Truncate)
        flags |= O_TRUNC;
    if (mode & QIODevice::Append)
        flags |= O_APPEND;
    return flags;
}
#endif

} // namespace

FileEntry::FileEntry(const QString& path)
{
#ifdef Q_OS_UNIX
    const QByteArray name = QFile::encodeName(path);
    struct stat target {};
    if (::stat(name.constData(), &target) == 0)
        kind_ = kindOfMode(target.st_mode);
    else
        kind_ = kindOfUnfollowed(name, errno);
#else
    const QFileInfo info(path);
    if (info.isFile())
        kind_ = Kind::File;
    else if (info.isDir())
        kind_ = Kind::Folder;
    else if (info.exists())
        kind_ = Kind::Other;
    else
        kind_ = info.isSymLink() ? Kind::DanglingLink : Kind::Missing;
#endif
}

QString FileEntry::germanName() const
{
    switch (kind_) {
    case Kind::Missing:
        return QStringLiteral("nichts");
    case Kind::File:
        return QStringLiteral("eine Datei");
    case Kind::Folder:
        return QStringLiteral("ein Ordner");
    case Kind::Fifo:
        return QStringLiteral("eine benannte Pipe (FIFO)");
    case Kind::Socket:
        return QStringLiteral("ein Socket");
    case Kind::Device:
        return QStringLiteral("eine Gerätedatei");
    case Kind::LinkLoop:
        return QStringLiteral("ein symbolischer Link, der im Kreis verweist");
    case Kind::DanglingLink:
        return QStringLiteral("ein symbolischer Link ins Leere");
    case Kind::Unreachable:
        return QStringLiteral("etwas, das sich nicht prüfen lässt");
    case Kind::Other:
        break;
    }
    return QStringLiteral("etwas anderes als eine Datei");
}

QString FileEntry::englishName() const
{
    switch (kind_) {
    case Kind::Missing:
        return QStringLiteral("nothing");
    case Kind::File:
        return QStringLiteral("a file");
    case Kind::Folder:
        return QStringLiteral("a folder");
    case Kind::Fifo:
        return QStringLiteral("a named pipe (FIFO)");
    case Kind::Socket:
        return QStringLiteral("a socket");
    case Kind::Device:
        return QStringLiteral("a device file");
    case Kind::LinkLoop:
        return QStringLiteral("a symbolic link that leads round in a circle");
    case Kind::DanglingLink:
        return QStringLiteral("a symbolic link to nothing");
    case Kind::Unreachable:
        return QStringLiteral("something that cannot be looked at");
    case Kind::Other:
        break;
    }
    return QStringLiteral("something other than a file");
}

// The entry is looked at first, so a device is never opened at all; the
// open itself does not wait either, should a named pipe have taken the
// file's place in between, and what it opened must still be a regular file.
bool FileEntry::openRegular(QFile& file, QIODevice::OpenMode mode)
{
    if (FileEntry(file.fileName()).isSpecial())
        return false;
#ifdef Q_OS_UNIX
    const int fd = ::open(QFile::encodeName(file.fileName()).constData(), openFlags(mode), 0666);
    if (fd < 0)
        return false;
    struct stat opened {};
    if (::fstat(fd, &opened) != 0 || !S_ISREG(opened.st_mode) ||
        ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK) != 0 ||
        !file.open(fd, mode, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return false;
    }
    return true;
#else
    return file.open(mode);
#endif
}

} // namespace zor
