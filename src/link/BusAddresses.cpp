#include "link/BusAddresses.h"

#include "settings/IniFile.h"
#include "settings/NumberText.h"

#include <QRegularExpression>
#include <algorithm>

namespace zor {

namespace {

constexpr int kLowestAddress = 0;
constexpr int kHighestAddress = 30;

// Whether the text begins with a number at all: "12", " -3", ".5", "7x"
// do, "", "abc", "-" do not.
bool holdsNumber(const QString& text) {
    static const QRegularExpression number(QStringLiteral("^\\s*[+-]?(\\d|\\.\\d)"));
    return number.match(text).hasMatch();
}

long long rounded(const QString& text, long long low, long long high) {
    return std::clamp(roundHalfEven(std::clamp(leadingNumber(text), -1e9, 1e9)), low, high);
}

} // namespace

std::int16_t generatorAddress(const QString& text) {
    if (!holdsNumber(text))
        return kUsualGeneratorAddress;
    return static_cast<std::int16_t>(rounded(text, kLowestAddress, kHighestAddress));
}

std::int16_t secondAddress(const QString& text) {
    if (!holdsNumber(text))
        return kNoSecondDevice;
    return static_cast<std::int16_t>(rounded(text, -32768, 32767));
}

} // namespace zor
