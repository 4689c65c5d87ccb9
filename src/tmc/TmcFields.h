#pragma once

#include <QString>
#include <QStringView>

namespace zor {

// The eight fields of one single-group TMC message (TMC_Felder), in the order
// of transmission. Each is a bit text: "0"/"1" digits, most significant first.
// A field never set holds "-", which counts as 0 and is one digit wide.
struct TmcFields {
    QString t = QStringLiteral("-");      // 1 digit, bit 4 of the block-2 field
    QString f = QStringLiteral("-");      // 1 digit, single-group flag
    QString dp = QStringLiteral("-");     // 3 digits, duration and persistence
    QString d = QStringLiteral("-");      // 1 digit, diversion (block 3, bit 15)
    QString u = QStringLiteral("-");      // 1 digit, direction (block 3, bit 14)
    QString extent = QStringLiteral("-"); // 3 digits, block 3 bits 13 to 11
    QString event = QStringLiteral("-");  // 11 digits, block 3 bits 10 to 0
    QString local = QStringLiteral("-");  // 16 digits, block 4 (location)
};

// Widths of the fields that are cut from a 16-digit bit text.
inline constexpr qsizetype kTmcDurationDigits = 3;
inline constexpr qsizetype kTmcExtentDigits = 3;
inline constexpr qsizetype kTmcEventDigits = 11;
inline constexpr qsizetype kTmcLocationDigits = 16;

// The 16-digit bit text of a whole number, leading zeros kept. The fields hold
// 0 to 65535; bits above those sixteen are dropped.
QString tmcBitText(int value);

// The rightmost `digits` digits of the bit text of `value`.
QString tmcBitField(int value, qsizetype digits);

// The number of a bit text of n characters: the sum of each character's digit
// value times 2^(n - position); a character that is not a digit counts 0.
int tmcBitTextNumber(QStringView bits);

// Field values from the controls that set them.
QString tmcFlagDigit(bool ticked);             // T and F: "1" ticked, "0" not
QString tmcDirectionDigit(int optionIndex);    // U: "1" for option 1, else "0"
QString tmcExtentField(QStringView entry);     // from an extent list entry "0".."7"
QString tmcEventField(QStringView entry);      // from an event catalogue entry
QString tmcLocationField(QStringView entry);   // from a location catalogue entry

// TMCGruppe8Maker: the group display of `fields`, ten characters when every
// field is set: the T digit, then nine upper-case hexadecimal digits, read
// four bits at a time from F, DP, D, U, Extent, Event and Local joined. The
// first two characters are the block-2 field, then block 3, then block 4.
QString TMCGruppe8Maker(const TmcFields& fields);

} // namespace zor
