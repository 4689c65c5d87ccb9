#include "QueryAnswer.h"

#include <algorithm>

namespace zor {

QString coderAnswer(const QString& received) {
    const qsizetype first = received.indexOf(QLatin1Char('"'));
    if (first < 0)
        return {};
    const qsizetype second = received.indexOf(QLatin1Char('"'), first + 1);
    if (second < 0)
        return {};
    return received.mid(first + 1, second - first - 1);
}

QString generatorAnswer(const QString& buffer, long long bytesRead) {
    const qsizetype lineFeed = buffer.indexOf(QLatin1Char('\n'));
    if (lineFeed >= 0)
        return buffer.left(lineFeed);
    const long long delivered = std::clamp<long long>(bytesRead, 0, buffer.size());
    return buffer.left(static_cast<qsizetype>(delivered));
}

} // namespace zor
