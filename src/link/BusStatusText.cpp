#include "BusStatusText.h"

#include "GpibCodes.h"

#include <array>
#include <utility>

namespace zor {

namespace {

const QString kLineBreak = QStringLiteral("\r\n");

// A 16-bit value in upper-case hex without leading zeros; a negative value
// shows its four digits (-32768 is 8000).
QString hex16(std::int16_t value) {
    return QString::number(static_cast<std::uint16_t>(value), 16).toUpper();
}

// A number as the operator has always seen it here: a blank in front of a
// value that is not negative.
QString signedDecimal(int value) {
    return value < 0 ? QString::number(value) : QLatin1Char(' ') + QString::number(value);
}

constexpr std::array<std::pair<std::uint16_t, const char*>, 14> kStatusBits{{
    {gpib::ERR, " ERR"},
    {gpib::TIMO, " TIMO"},
    {gpib::END, " END"},
    {gpib::SRQI, " SRQI"},
    {gpib::RQS, " RQS"},
    {gpib::CMPL, " CMPL"},
    {gpib::LOK, " LOK"},
    {gpib::REM, " REM"},
    {gpib::CIC, " CIC"},
    {gpib::ATN, " ATN"},
    {gpib::TACS, " TACS"},
    {gpib::LACS, " LACS"},
    {gpib::DTAS, " DTAS"},
    {gpib::DCAS, " DCAS"},
}};

const char* errorName(int code) {
    switch (code) {
    case 0:
        return "iberr = EDVR <DOS Error>";
    case 1:
        return "iberr = ECIC <Not CIC>";
    case 2:
        return "iberr = ENOL <No Listener>";
    case 3:
        return "iberr = EADR <Address Error>";
    case 4:
        return "iberr = EARG <Invalid argument>";
    case 5:
        return "iberr = ESAC <Not Sys Ctrlr>";
    case 6:
        return "iberr = EABO <Op. aborted>";
    case 7:
        return "iberr = ENEB <No GPIB board>";
    case 10:
        return "iberr = EOIP <Async I/O in prg>";
    case 11:
        return "iberr = ECAP <No capability>";
    case 12:
        return "iberr = EFSO <File sys. error>";
    case 14:
        return "iberr = EBUS <Command error>";
    case 15:
        return "iberr = ESTB <Status byte lost>";
    case 16:
        return "iberr = ESRQ <SRQ stuck high>";
    case 20:
        return "iberr = ETAB <Table overflow>";
    default:
        return nullptr;
    }
}

} // namespace

QString statusWordText(std::int16_t ibsta) {
    QString text = kLineBreak + QStringLiteral("ibsta = &H") + hex16(ibsta) + QStringLiteral(" <");
    for (const auto& [bit, name] : kStatusBits) {
        if ((static_cast<std::uint16_t>(ibsta) & bit) != 0)
            text += QLatin1String(name);
    }
    return text + QLatin1Char('>');
}

QString errorText(std::int16_t ibsta, std::int16_t iberr) {
    if (!hasError(ibsta))
        return kLineBreak + QStringLiteral("iberr = ") + signedDecimal(iberr);
    const char* name = errorName(iberr);
    return name ? kLineBreak + QLatin1String(name) : QString();
}

QString countText(std::int16_t ibcnt) {
    return kLineBreak + QStringLiteral("ibcnt = 0x") + hex16(ibcnt);
}

} // namespace zor
