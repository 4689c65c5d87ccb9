#include "settings/AnsiText.h"

#include <QStringDecoder>
#include <QStringEncoder>

namespace zor {

namespace {

constexpr auto kCodePage = "windows-1252";

// A fresh encoder for each text: one that has met a character the code page
// lacks keeps saying so even after its state is reset.
QStringEncoder ansiEncoder() {
    return QStringEncoder(kCodePage, QStringConverter::Flag::Stateless);
}

// The character starting at `at`: a surrogate pair counts as one, as it does
// for the Windows conversion.
qsizetype characterLength(QStringView text, qsizetype at) {
    return text[at].isHighSurrogate() && at + 1 < text.size() && text[at + 1].isLowSurrogate()
               ? 2
               : 1;
}

// Character by character, for a text the code page cannot hold whole.
QByteArray toAnsiWithQuestionMarks(QStringView text) {
    QByteArray bytes;
    bytes.reserve(text.size());
    for (qsizetype at = 0; at < text.size();) {
        const qsizetype length = characterLength(text, at);
        QStringEncoder encoder = ansiEncoder();
        const QByteArray byte = encoder.encode(text.sliced(at, length));
        bytes += encoder.hasError() ? QByteArray("?") : byte;
        at += length;
    }
    return bytes;
}

} // namespace

QByteArray toAnsi(QStringView text) {
    QStringEncoder encoder = ansiEncoder();
    QByteArray bytes = encoder.encode(text);
    return encoder.hasError() ? toAnsiWithQuestionMarks(text) : bytes;
}

QString fromAnsi(QByteArrayView bytes) {
    thread_local QStringDecoder decoder(kCodePage, QStringConverter::Flag::Stateless);
    return decoder.decode(bytes);
}

bool isAnsiText(QStringView text) {
    QStringEncoder encoder = ansiEncoder();
    encoder.encode(text);
    return !encoder.hasError();
}

} // namespace zor
