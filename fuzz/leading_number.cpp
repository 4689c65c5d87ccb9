// Any text as a number: reading never fails, the plain decimal form of what
// was read has no exponent and reads back to the same number within the 15
// significant digits it keeps.
#include "settings/NumberText.h"

#include <QString>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>

namespace {

void require(bool condition)
{
    if (!condition)
        std::abort();
}

void checkPlainDecimal(double value)
{
    const QString text = zor::plainDecimal(value);
    require(!text.isEmpty() && !text.contains(u'e') && !text.contains(u'E'));
    require(!text.startsWith(u' ') && !text.startsWith(u'+'));
    if (!std::isnormal(value))
        return; // subnormals carry fewer than 15 digits
    const double back = zor::leadingNumber(text);
    require(std::fabs(back - value) <= 1e-14 * std::fabs(value));
    require(zor::plainDecimal(back) == text);
    require(zor::plainDecimal(value, u',') == QString(text).replace(u'.', u','));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const char* bytes = reinterpret_cast<const char*>(data);
    const QString text = QString::fromUtf8(bytes, static_cast<qsizetype>(size));
    const double value = zor::leadingNumber(text);
    require(std::isfinite(value));
    zor::roundHalfEven(value);
    checkPlainDecimal(value);
    checkPlainDecimal(value * 10);

    if (size >= sizeof(double)) {
        double raw = 0;
        std::memcpy(&raw, data, sizeof raw);
        checkPlainDecimal(raw);
        zor::roundHalfEven(raw);
    }
    return 0;
}
