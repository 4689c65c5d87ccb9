#include "tmc/TmcFields.h"

#include "settings/NumberText.h"
#include "tmc/TmcCatalogue.h"

namespace zor {

namespace {

constexpr int kBitTextDigits = 16;
constexpr qsizetype kNibbleDigits = 4;
constexpr int kHexDigitsAfterT = 9;

// The extent list holds "0" to "7"; a value that no bit text can hold reads as 0.
int wholeNonNegative(double value)
{
    return value > 0 && value < 65536 ? static_cast<int>(value) : 0;
}

} // namespace

QString tmcBitText(int value)
{
    QString bits(kBitTextDigits, u'0');
    const auto word = static_cast<unsigned>(value) & 0xFFFFu;
    for (int k = 0; k < kBitTextDigits; ++k) {
        if (word & (1u << (kBitTextDigits - 1 - k)))
            bits[k] = u'1';
    }
    return bits;
}

QString tmcBitField(int value, qsizetype digits)
{
    return tmcBitText(value).right(digits);
}

int tmcBitTextNumber(QStringView bits)
{
    int number = 0;
    for (const QChar c : bits) {
        const int digit = (c >= u'0' && c <= u'9') ? c.unicode() - u'0' : 0;
        number = number * 2 + digit;
    }
    return number;
}

QString tmcFlagDigit(bool ticked)
{
    return ticked ? QStringLiteral("1") : QStringLiteral("0");
}

QString tmcDirectionDigit(int optionIndex)
{
    return tmcFlagDigit(optionIndex == 1);
}

QString tmcExtentField(QStringView entry)
{
    return tmcBitField(wholeNonNegative(leadingNumber(entry)), kTmcExtentDigits);
}

QString tmcEventField(QStringView entry)
{
    return tmcBitField(tmcEntryCode(entry), kTmcEventDigits);
}

QString tmcLocationField(QStringView entry)
{
    return tmcBitField(tmcEntryCode(entry), kTmcLocationDigits);
}

QString TMCGruppe8Maker(const TmcFields& fields)
{
    const QString joined =
        fields.f + fields.dp + fields.d + fields.u + fields.extent + fields.event + fields.local;
    QString display = fields.t;
    for (int i = 0; i < kHexDigitsAfterT; ++i) {
        // While a field still holds "-" the text is short and the tail reads 0.
        const QStringView nibble = QStringView(joined).mid(i * kNibbleDigits, kNibbleDigits);
        display += QString::number(tmcBitTextNumber(nibble), 16).toUpper();
    }
    return display;
}

} // namespace zor
