#include "link/LateAnswers.h"

namespace zor {

namespace {

constexpr int kOwedMs = 3000;

} // namespace

void LateAnswers::expect() {
    owed_.emplace_back(kOwedMs);
}

QByteArray LateAnswers::drop(QByteArray arrived) {
    while (!owed_.empty() && owed_.front().hasExpired())
        owed_.pop_front();
    while (!owed_.empty() && !arrived.isEmpty()) {
        const qsizetype end = arrived.indexOf('\n');
        if (end < 0)
            return {};
        arrived.remove(0, end + 1);
        owed_.pop_front();
    }
    return arrived;
}

} // namespace zor
