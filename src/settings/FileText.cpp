#include "settings/FileText.h"

#include "settings/AnsiText.h"

#include <QStringDecoder>
#include <optional>

namespace zor {

namespace {

constexpr char kUtf8Mark[] = "\xEF\xBB\xBF";
constexpr qsizetype kUtf8MarkSize = 3;
constexpr char kUtf16LittleMark[] = "\xFF\xFE";
constexpr char kUtf16BigMark[] = "\xFE\xFF";
constexpr qsizetype kUtf16MarkSize = 2;

bool hasNonAscii(QByteArrayView bytes)
{
    for (const char b : bytes) {
        if (static_cast<unsigned char>(b) >= 0x80)
            return true;
    }
    return false;
}

// UTF-16 needs its byte order mark and an even number of bytes.
std::optional<TextEncoding> utf16EncodingOf(const QByteArray& bytes)
{
    if (bytes.size() % 2 != 0)
        return std::nullopt;
    if (bytes.startsWith(kUtf16LittleMark))
        return TextEncoding::Utf16LittleEndian;
    if (bytes.startsWith(kUtf16BigMark))
        return TextEncoding::Utf16BigEndian;
    return std::nullopt;
}

// A second byte order mark after the first one is text and must stay.
QString decodeUtf8(const QByteArray& bytes)
{
    QStringDecoder decoder(QStringConverter::Utf8, QStringConverter::Flag::ConvertInitialBom);
    return decoder.decode(bytes);
}

QString fromUtf16(QByteArrayView bytes, bool bigEndian)
{
    QString text;
    text.resize(bytes.size() / 2);
    for (qsizetype i = 0; i < text.size(); ++i) {
        const auto first = static_cast<unsigned char>(bytes[2 * i]);
        const auto second = static_cast<unsigned char>(bytes[2 * i + 1]);
        text[i] = QChar(bigEndian ? char16_t(first << 8 | second) : char16_t(second << 8 | first));
    }
    return text;
}

QByteArray toUtf16(const QString& text, bool bigEndian)
{
    QByteArray bytes(bigEndian ? kUtf16BigMark : kUtf16LittleMark, kUtf16MarkSize);
    bytes.reserve(kUtf16MarkSize + 2 * text.size());
    for (const QChar c : text) {
        const char high = static_cast<char>(c.unicode() >> 8);
        const char low = static_cast<char>(c.unicode() & 0xFF);
        bytes.append(bigEndian ? high : low);
        bytes.append(bigEndian ? low : high);
    }
    return bytes;
}

// Length of the UTF-8 sequence starting at `at`, or 0 when it is malformed.
qsizetype utf8SequenceLength(QByteArrayView bytes, qsizetype at)
{
    const auto lead = static_cast<unsigned char>(bytes[at]);
    if (lead < 0x80)
        return 1;
    qsizetype length = 0;
    unsigned char low = 0x80;
    unsigned char high = 0xBF;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        low = lead == 0xE0 ? 0xA0 : 0x80;  // overlong
        high = lead == 0xED ? 0x9F : 0xBF; // surrogates
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        low = lead == 0xF0 ? 0x90 : 0x80;  // overlong
        high = lead == 0xF4 ? 0x8F : 0xBF; // above U+10FFFF
    } else {
        return 0;
    }
    if (at + length > bytes.size())
        return 0;
    for (qsizetype i = 1; i < length; ++i) {
        const auto next = static_cast<unsigned char>(bytes[at + i]);
        if (next < (i == 1 ? low : 0x80) || next > (i == 1 ? high : 0xBF))
            return 0;
    }
    return length;
}

} // namespace

bool isValidUtf8(QByteArrayView bytes)
{
    for (qsizetype at = 0; at < bytes.size();) {
        const qsizetype length = utf8SequenceLength(bytes, at);
        if (length == 0)
            return false;
        at += length;
    }
    return true;
}

FileText FileText::fromBytes(const QByteArray& bytes)
{
    if (const auto utf16 = utf16EncodingOf(bytes)) {
        const bool bigEndian = *utf16 == TextEncoding::Utf16BigEndian;
        return {fromUtf16(QByteArrayView(bytes).sliced(kUtf16MarkSize), bigEndian), *utf16, true};
    }

    const bool mark = bytes.startsWith(kUtf8Mark);
    const QByteArray body = mark ? bytes.sliced(kUtf8MarkSize) : bytes;
    if ((mark || hasNonAscii(body)) && isValidUtf8(body))
        return {decodeUtf8(body), TextEncoding::Utf8, mark};
    return {fromAnsi(body), TextEncoding::Ansi, mark};
}

QByteArray FileText::toBytes() const
{
    switch (encoding) {
    case TextEncoding::Utf16LittleEndian:
        return toUtf16(text, false);
    case TextEncoding::Utf16BigEndian:
        return toUtf16(text, true);
    case TextEncoding::Ansi:
    case TextEncoding::Utf8:
        break;
    }
    const QByteArray mark = byteOrderMark ? QByteArray(kUtf8Mark, kUtf8MarkSize) : QByteArray();
    if (encoding == TextEncoding::Ansi && isAnsiText(text)) {
        const QByteArray ansi = mark + toAnsi(text);
        if (fromBytes(ansi).text == text)
            return ansi;
    }
    return mark + text.toUtf8();
}

} // namespace zor
