#pragma once

#include <QByteArray>
#include <QMap>

namespace zor::sim {

// The whole state of the simulated instrument as NAME -> value, both raw bytes
// (the wire's single-byte characters, unconverted). Remembers whether anything
// changed since the last look, so the state file is rewritten only then.
class InstrumentState {
  public:
    QByteArray value(const QByteArray& name) const { return values_.value(name); }
    bool contains(const QByteArray& name) const { return values_.contains(name); }
    const QMap<QByteArray, QByteArray>& entries() const { return values_; }

    void set(const QByteArray& name, const QByteArray& value);
    void remove(const QByteArray& name);
    // Removes every entry whose name starts with `prefix`.
    void removeStartingWith(const QByteArray& prefix);

    // One "NAME=value" line per entry, sorted by name, each ended by LF.
    QByteArray toText() const;

    // True once after each change.
    bool takeChanged();

  private:
    QMap<QByteArray, QByteArray> values_;
    bool changed_ = false;
};

} // namespace zor::sim
