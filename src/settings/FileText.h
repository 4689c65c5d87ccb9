#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

namespace zor {

enum class TextEncoding { Ansi, Utf8, Utf16LittleEndian, Utf16BigEndian };

// How a text file of the data folder is stored, told from its bytes: a
// UTF-16 byte order mark (and an even number of bytes) gives UTF-16; a UTF-8
// mark, or valid UTF-8 that holds non-ASCII bytes, gives UTF-8; anything else
// is Windows-1252. The settings files and the TMC catalogues are read alike.
struct TextForm {
    TextEncoding encoding = TextEncoding::Ansi;
    bool byteOrderMark = false;
    // Where the text begins: after a byte order mark.
    qsizetype textStart = 0;

    static TextForm of(QByteArrayView bytes);
};

// The text of `bytes` stored in `encoding`, without any byte order mark in
// front (a mark inside the text is a character and stays).
QString decodedText(QByteArrayView bytes, TextEncoding encoding);

// The text of a settings file together with the way it is stored, so that a
// file is written back in the form it was found: the Windows program's files
// in Windows-1252, files saved by an editor as UTF-8 or UTF-16 as such.
struct FileText {
    QString text;
    TextEncoding encoding = TextEncoding::Ansi;
    bool byteOrderMark = false;

    static FileText fromBytes(const QByteArray& bytes);

    // The bytes of the text in its encoding. Windows-1252 text with a character
    // the code page lacks, or whose bytes would read back as UTF-8 or UTF-16,
    // is written as UTF-8 so that nothing changes on the next read.
    QByteArray toBytes() const;
};

} // namespace zor
