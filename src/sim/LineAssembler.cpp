#include "sim/LineAssembler.h"

namespace zor::sim {

QList<QByteArray> LineAssembler::feed(const QByteArray& bytes) {
    QList<QByteArray> lines;
    for (char c : bytes) {
        if (c == '\n' && afterCr_) {
            afterCr_ = false;
            continue;
        }
        afterCr_ = c == '\r';
        if (c == '\n' || c == '\r') {
            lines.append(partial_);
            partial_.clear();
        } else {
            partial_ += c;
        }
    }
    return lines;
}

QByteArray LineAssembler::takeRest() {
    afterCr_ = false;
    QByteArray rest = partial_;
    partial_.clear();
    return rest;
}

} // namespace zor::sim
