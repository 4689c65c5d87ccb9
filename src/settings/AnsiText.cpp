#include "settings/AnsiText.h"

#include <array>

namespace zor {

namespace {

// Bytes 0x80 to 0x9F of Windows-1252. The five bytes the code page leaves
// undefined map to the control characters of the same number, as Windows
// itself converts them, so every byte survives a round trip.
constexpr std::array<char16_t, 32> kHighControlBlock = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

constexpr int kNoByte = -1;

int ansiByteOf(char32_t codePoint)
{
    if (codePoint < 0x80 || (codePoint >= 0xA0 && codePoint <= 0xFF))
        return static_cast<int>(codePoint);
    for (std::size_t i = 0; i < kHighControlBlock.size(); ++i) {
        if (kHighControlBlock[i] == codePoint)
            return static_cast<int>(0x80 + i);
    }
    return kNoByte;
}

// Walks the text by code point, so a character outside the basic plane counts
// once, as it does for the Windows conversion.
template <typename Visit>
void forEachCodePoint(QStringView text, Visit visit)
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
            visit(QChar::surrogateToUcs4(c, text[i + 1]));
            ++i;
        } else {
            visit(static_cast<char32_t>(c.unicode()));
        }
    }
}

} // namespace

QByteArray toAnsi(const QString& text)
{
    QByteArray bytes;
    bytes.reserve(text.size());
    forEachCodePoint(text, [&bytes](char32_t codePoint) {
        const int byte = ansiByteOf(codePoint);
        bytes.append(byte == kNoByte ? '?' : static_cast<char>(byte));
    });
    return bytes;
}

QString fromAnsi(const QByteArray& bytes)
{
    QString text;
    text.resize(bytes.size());
    QChar* out = text.data();
    for (const char b : bytes) {
        const auto byte = static_cast<unsigned char>(b);
        *out++ = (byte >= 0x80 && byte < 0xA0) ? QChar(kHighControlBlock[byte - 0x80])
                                               : QChar(static_cast<char16_t>(byte));
    }
    return text;
}

bool isAnsiText(QStringView text)
{
    bool representable = true;
    forEachCodePoint(text, [&representable](char32_t codePoint) {
        representable = representable && ansiByteOf(codePoint) != kNoByte;
    });
    return representable;
}

} // namespace zor
