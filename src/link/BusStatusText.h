#pragma once

#include <QString>
#include <cstdint>

namespace zor {

// The three lines of the device status message, each beginning with CR LF.

// "ibsta = &H8100 < ERR CMPL>": the word in upper-case hex and its bit names.
QString statusWordText(std::int16_t ibsta);
// With ERR set the driver's name and description of the error code (empty for
// a code the driver does not define); without ERR "iberr = " and the number.
QString errorText(std::int16_t ibsta, std::int16_t iberr);
// "ibcnt = 0x" and the count in upper-case hex.
QString countText(std::int16_t ibcnt);

} // namespace zor
