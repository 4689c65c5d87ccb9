#include "settings/FileText.h"

#include "settings/AnsiText.h"

#include <QStringDecoder>
#include <QStringEncoder>
#include <algorithm>

namespace zor {

namespace {

constexpr char kUtf8Mark[] = "\xEF\xBB\xBF";
constexpr qsizetype kUtf8MarkSize = 3;
constexpr char kUtf16LittleMark[] = "\xFF\xFE";
constexpr char kUtf16BigMark[] = "\xFE\xFF";
constexpr qsizetype kUtf16MarkSize = 2;

bool hasNonAscii(QByteArrayView bytes) {
    return std::any_of(bytes.begin(), bytes.end(), [](char b) { return (b & 0x80) != 0; });
}

QStringConverter::Encoding qtEncodingOf(TextEncoding encoding) {
    switch (encoding) {
    case TextEncoding::Utf16LittleEndian:
        return QStringConverter::Utf16LE;
    case TextEncoding::Utf16BigEndian:
        return QStringConverter::Utf16BE;
    case TextEncoding::Ansi:
    case TextEncoding::Utf8:
        break;
    }
    return QStringConverter::Utf8;
}

} // namespace

TextForm TextForm::of(QByteArrayView bytes) {
    if (bytes.size() % 2 == 0) {
        if (bytes.startsWith(kUtf16LittleMark))
            return {TextEncoding::Utf16LittleEndian, true, kUtf16MarkSize};
        if (bytes.startsWith(kUtf16BigMark))
            return {TextEncoding::Utf16BigEndian, true, kUtf16MarkSize};
    }
    const bool mark = bytes.startsWith(kUtf8Mark);
    const qsizetype start = mark ? kUtf8MarkSize : 0;
    const QByteArrayView body = bytes.sliced(start);
    if ((mark || hasNonAscii(body)) && body.isValidUtf8())
        return {TextEncoding::Utf8, mark, start};
    return {TextEncoding::Ansi, mark, start};
}

QString decodedText(QByteArrayView bytes, TextEncoding encoding) {
    if (encoding == TextEncoding::Ansi)
        return fromAnsi(bytes);
    QStringDecoder decoder(qtEncodingOf(encoding), QStringConverter::Flag::ConvertInitialBom);
    return decoder.decode(bytes);
}

FileText FileText::fromBytes(const QByteArray& bytes) {
    const TextForm form = TextForm::of(bytes);
    return {decodedText(QByteArrayView(bytes).sliced(form.textStart), form.encoding),
            form.encoding, form.byteOrderMark};
}

QByteArray FileText::toBytes() const {
    if (encoding == TextEncoding::Utf16LittleEndian || encoding == TextEncoding::Utf16BigEndian) {
        QStringEncoder encoder(qtEncodingOf(encoding));
        const QByteArray mark = encoding == TextEncoding::Utf16LittleEndian
                                    ? QByteArray(kUtf16LittleMark, kUtf16MarkSize)
                                    : QByteArray(kUtf16BigMark, kUtf16MarkSize);
        return mark + QByteArray(encoder.encode(text));
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
