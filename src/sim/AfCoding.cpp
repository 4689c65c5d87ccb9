#include "sim/AfCoding.h"

#include <algorithm>
#include <cmath>

namespace zor::sim {

namespace {

constexpr int maxMethodBAlternatives = 12;

} // namespace

std::optional<std::uint8_t> AfCoding::code(const QByteArray& mhz) {
    bool ok = false;
    const double frequency = mhz.trimmed().toDouble(&ok);
    if (!ok)
        return std::nullopt;
    const long steps = std::lround((frequency - 87.5) * 10.0);
    if (steps < 1 || steps > 204)
        return std::nullopt;
    return static_cast<std::uint8_t>(steps);
}

QList<std::uint8_t> AfCoding::codes(const QByteArray& listText) {
    QList<std::uint8_t> result;
    for (const QByteArray& field : listText.split(',')) {
        if (const auto c = code(field))
            result.append(*c);
    }
    return result;
}

QList<std::uint16_t> AfCoding::methodA(const QList<std::uint8_t>& codes) {
    const QList<std::uint8_t> list = codes.mid(0, maxCount);
    if (list.isEmpty())
        return {pair(countBase, filler)};
    QList<std::uint16_t> pairs{
        pair(static_cast<std::uint8_t>(countBase + list.size()), list.first())};
    for (qsizetype i = 1; i < list.size(); i += 2)
        pairs.append(pair(list[i], i + 1 < list.size() ? list[i + 1] : filler));
    return pairs;
}

QList<std::uint16_t> AfCoding::methodB(const QList<std::uint8_t>& codes) {
    if (codes.isEmpty())
        return {};
    const std::uint8_t tuned = codes.first();
    QList<std::uint8_t> alternatives;
    for (qsizetype i = 1; i < codes.size(); ++i) {
        if (codes[i] != tuned && !alternatives.contains(codes[i]))
            alternatives.append(codes[i]);
    }
    alternatives = alternatives.mid(0, maxMethodBAlternatives);
    const auto count = static_cast<std::uint8_t>(countBase + 1 + 2 * alternatives.size());
    QList<std::uint16_t> pairs{pair(count, tuned)};
    for (std::uint8_t alternative : alternatives)
        pairs.append(pair(std::min(tuned, alternative), std::max(tuned, alternative)));
    return pairs;
}

} // namespace zor::sim
