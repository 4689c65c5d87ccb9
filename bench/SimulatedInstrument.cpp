#include "SimulatedInstrument.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QThread>

namespace zor {

namespace {

constexpr int kStartLimitMs = 5000;
const QByteArray kAnnouncement = "zor-sim: serial line on ";

} // namespace

SimulatedInstrument::SimulatedInstrument(const QString& recordPath,
                                         const QStringList& extraArguments)
    : recordPath_(recordPath) {
    process_.setProgram(QCoreApplication::applicationDirPath() + QStringLiteral("/zor-sim"));
    process_.setArguments(QStringList{QStringLiteral("--record"), recordPath} + extraArguments);
    process_.start();
    if (!process_.waitForStarted(kStartLimitMs))
        return;
    QByteArray line;
    QElapsedTimer waited;
    waited.start();
    while (!line.contains('\n') && waited.elapsed() < kStartLimitMs) {
        process_.waitForReadyRead(100);
        line += process_.readAllStandardOutput();
    }
    if (line.startsWith(kAnnouncement))
        tty_ = QString::fromLocal8Bit(line.mid(kAnnouncement.size()).trimmed());
}

SimulatedInstrument::~SimulatedInstrument() {
    process_.terminate();
    if (!process_.waitForFinished(2000))
        process_.kill();
    process_.waitForFinished(2000);
}

qint64 SimulatedInstrument::recordedSize() const {
    return QFileInfo(recordPath_).size();
}

QByteArray SimulatedInstrument::receivedFrom(qint64 offset) const {
    QFile file(recordPath_);
    if (!file.open(QIODevice::ReadOnly) || !file.seek(offset))
        return {};
    return file.readAll();
}

qint64 SimulatedInstrument::lastByteAt(const QElapsedTimer& clock, qint64 quietMs,
                                       qint64& size) const {
    qint64 last = clock.nsecsElapsed();
    size = recordedSize();
    for (;;) {
        QThread::usleep(100);
        const qint64 now = clock.nsecsElapsed();
        const qint64 grown = recordedSize();
        if (grown != size) {
            size = grown;
            last = now;
        } else if (now - last > quietMs * 1000000) {
            return last;
        }
    }
}

} // namespace zor
