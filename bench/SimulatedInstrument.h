#pragma once

#include <QByteArray>
#include <QElapsedTimer>
#include <QProcess>
#include <QString>
#include <QStringList>

namespace zor {

// zor-sim (beside the bench program) on a pseudo-terminal of its own,
// recording every byte it receives into a file, misbehaving as
// `extraArguments` tell (--late MS). The record tells when the
// last byte of a push arrived: the instrument's side of the line.
class SimulatedInstrument {
public:
    explicit SimulatedInstrument(const QString& recordPath, const QStringList& extraArguments = {});
    ~SimulatedInstrument();
    SimulatedInstrument(const SimulatedInstrument&) = delete;
    SimulatedInstrument& operator=(const SimulatedInstrument&) = delete;

    // The pseudo-terminal the instrument listens on; empty when it did not
    // come up.
    QString tty() const { return tty_; }

    qint64 recordedSize() const;
    // What the instrument received after the first `offset` bytes.
    QByteArray receivedFrom(qint64 offset) const;
    // Watches the record until it has not grown for `quietMs` and returns the
    // time on `clock` of its last growth; `size` ends as the record's size.
    qint64 lastByteAt(const QElapsedTimer& clock, qint64 quietMs, qint64& size) const;

private:
    QString recordPath_;
    QProcess process_;
    QString tty_;
};

} // namespace zor
