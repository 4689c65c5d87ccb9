#include "sim/InstrumentState.h"

namespace zor::sim {

void InstrumentState::set(const QByteArray& name, const QByteArray& value) {
    auto it = values_.find(name);
    if (it != values_.end() && it.value() == value)
        return;
    values_.insert(name, value);
    changed_ = true;
}

void InstrumentState::remove(const QByteArray& name) {
    if (values_.remove(name) > 0)
        changed_ = true;
}

void InstrumentState::removeStartingWith(const QByteArray& prefix) {
    for (auto it = values_.begin(); it != values_.end();) {
        if (it.key().startsWith(prefix)) {
            it = values_.erase(it);
            changed_ = true;
        } else {
            ++it;
        }
    }
}

QByteArray InstrumentState::toText() const {
    QByteArray text;
    for (auto it = values_.cbegin(); it != values_.cend(); ++it)
        text += it.key() + '=' + it.value() + '\n';
    return text;
}

bool InstrumentState::takeChanged() {
    const bool changed = changed_;
    changed_ = false;
    return changed;
}

} // namespace zor::sim
