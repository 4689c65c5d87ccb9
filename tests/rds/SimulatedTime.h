#pragma once

#include "translate/Clock.h"

#include <QDateTime>
#include <QList>
#include <QObject>
#include <chrono>
#include <vector>

class QTimer;

namespace zor::test {

// A clock that stands still until the test moves it.
class ManualClock : public Clock {
public:
    explicit ManualClock(QDateTime localStart = QDateTime(QDate(2024, 3, 5), QTime(14, 7, 9)))
        : localStart_(std::move(localStart)) {}

    std::chrono::milliseconds elapsed() const override { return elapsed_; }
    QDateTime localTime() const override {
        return localStart_.addMSecs(static_cast<qint64>(elapsed_.count()));
    }
    void setElapsed(std::chrono::milliseconds at) { elapsed_ = at; }

private:
    QDateTime localStart_;
    // Far from zero, so nothing can pass for "no time yet".
    std::chrono::milliseconds elapsed_{3'600'000};
};

// Runs a page's timers on a ManualClock: their real time-outs are held back,
// and advance() moves the clock and fires every running timer each time its
// interval has passed, in the order they fall due. A timer counts as
// restarted when it is started, stopped or given another interval.
class TimerDriver : public QObject {
public:
    TimerDriver(ManualClock& clock, const QList<QTimer*>& timers);

    void advance(std::chrono::milliseconds span);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Watch {
        QTimer* timer;
        bool active;
        int interval;
        std::chrono::milliseconds due;
    };

    void noticeRestarts();
    void fire(Watch& watch);

    ManualClock& clock_;
    std::vector<Watch> watches_;
    // The one time-out let through: the one being fired.
    const QEvent* passing_ = nullptr;
};

} // namespace zor::test
