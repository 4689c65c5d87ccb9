#include "settings/SettingsBytes.h"

#include "settings/FileEntry.h"

#include <QFile>
#include <optional>

namespace zor {

namespace {

constexpr qint64 kPieceSize = 65536;
constexpr char kUtf16BigMark[] = "\xFE\xFF";
constexpr char kUtf16LittleMark[] = "\xFF\xFE";

// The same test the settings text applies when it decodes a file.
bool isUtf16(QByteArrayView start, qint64 fileSize)
{
    return fileSize % 2 == 0 &&
           (start.startsWith(kUtf16BigMark) || start.startsWith(kUtf16LittleMark));
}

// Follows the file's lines piece by piece, counting the bytes since the last
// line end.
class LineCheck {
public:
    LineCheck(QByteArrayView start, qint64 fileSize)
        : utf16_(isUtf16(start, fileSize)), bigEndian_(start.startsWith(kUtf16BigMark))
    {
    }

    // False from the first NUL character or overlong line on.
    bool take(QByteArrayView bytes)
    {
        return utf16_ ? takeUtf16(bytes) : takeBytes(bytes);
    }

private:
    bool takeBytes(QByteArrayView bytes)
    {
        for (const char b : bytes) {
            if (!takeCharacter(static_cast<unsigned char>(b), 1))
                return false;
        }
        return true;
    }

    // A piece may end between the two bytes of a character.
    bool takeUtf16(QByteArrayView bytes)
    {
        for (const char b : bytes) {
            const auto byte = static_cast<unsigned char>(b);
            if (!halfTaken_) {
                first_ = byte;
                halfTaken_ = true;
                continue;
            }
            halfTaken_ = false;
            const char16_t unit = bigEndian_ ? char16_t(first_ << 8 | byte)
                                             : char16_t(byte << 8 | first_);
            if (!takeCharacter(unit, 2))
                return false;
        }
        return true;
    }

    bool takeCharacter(char16_t c, qsizetype width)
    {
        if (c == u'\0')
            return false;
        if (c == u'\r' || c == u'\n') {
            line_ = 0;
            return true;
        }
        line_ += width;
        return line_ <= kLongestSettingsLine;
    }

    bool utf16_;
    bool bigEndian_;
    bool halfTaken_ = false;
    unsigned char first_ = 0;
    qsizetype line_ = 0;
};

} // namespace

bool isSettingsText(QByteArrayView bytes)
{
    return LineCheck(bytes, bytes.size()).take(bytes);
}

SettingsBytes SettingsBytes::read(const QString& path)
{
    const FileEntry entry(path);
    if (entry.isMissing())
        return {SettingsFileState::Missing, {}};
    QFile file(path);
    if (!entry.isFile() || !FileEntry::openRegular(file, QIODevice::ReadOnly))
        return {SettingsFileState::Unreadable, {}};

    const qint64 size = file.size();
    QByteArray bytes;
    bytes.reserve(qMin(size, 2 * kLongestSettingsLine));
    std::optional<LineCheck> check;
    for (;;) {
        const QByteArray piece = file.read(kPieceSize);
        if (file.error() != QFileDevice::NoError)
            return {SettingsFileState::Unreadable, {}};
        if (piece.isEmpty())
            break;
        if (!check)
            check.emplace(piece, size);
        if (!check->take(piece))
            return {SettingsFileState::Unparseable, {}};
        bytes += piece;
    }
    return {SettingsFileState::Usable, bytes};
}

} // namespace zor
