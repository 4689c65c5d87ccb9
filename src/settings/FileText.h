#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

namespace zor {

enum class TextEncoding { Ansi, Utf8, Utf16LittleEndian, Utf16BigEndian };

// The text of a settings file together with the way it is stored, so that a
// file is written back in the form it was found: the Windows program's files
// in Windows-1252, files saved by an editor as UTF-8 or UTF-16 as such.
struct FileText {
    QString text;
    TextEncoding encoding = TextEncoding::Ansi;
    bool byteOrderMark = false;

    // A UTF-16 byte order mark gives UTF-16; a UTF-8 mark, or valid UTF-8 that
    // holds non-ASCII bytes, gives UTF-8; anything else is Windows-1252.
    static FileText fromBytes(const QByteArray& bytes);

    // The bytes of the text in its encoding. Windows-1252 text with a character
    // the code page lacks, or whose bytes would read back as UTF-8 or UTF-16,
    // is written as UTF-8 so that nothing changes on the next read.
    QByteArray toBytes() const;
};

// Well-formed UTF-8: no overlong forms, no surrogates, nothing above U+10FFFF.
bool isValidUtf8(QByteArrayView bytes);

} // namespace zor
