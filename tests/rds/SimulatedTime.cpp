#include "SimulatedTime.h"

#include <QCoreApplication>
#include <QTimer>
#include <QTimerEvent>

namespace zor::test {

using std::chrono::milliseconds;

TimerDriver::TimerDriver(ManualClock& clock, const QList<QTimer*>& timers) : clock_(clock) {
    for (QTimer* timer : timers) {
        timer->installEventFilter(this);
        watches_.push_back({timer, timer->isActive(), timer->interval(),
                            clock.elapsed() + milliseconds(timer->interval())});
    }
}

void TimerDriver::advance(milliseconds span) {
    const milliseconds end = clock_.elapsed() + span;
    noticeRestarts();
    for (;;) {
        Watch* next = nullptr;
        for (Watch& watch : watches_)
            if (watch.active && watch.due <= end && (!next || watch.due < next->due))
                next = &watch;
        if (!next)
            break;
        clock_.setElapsed(next->due);
        fire(*next);
        noticeRestarts();
    }
    clock_.setElapsed(end);
}

bool TimerDriver::eventFilter(QObject* /*watched*/, QEvent* event) {
    return event->type() == QEvent::Timer && event != passing_;
}

void TimerDriver::noticeRestarts() {
    for (Watch& watch : watches_) {
        const bool active = watch.timer->isActive();
        const int interval = watch.timer->interval();
        if (active != watch.active || interval != watch.interval)
            watch.due = clock_.elapsed() + milliseconds(interval);
        watch.active = active;
        watch.interval = interval;
    }
}

// The time-out reaches the timer as the event loop would deliver it.
void TimerDriver::fire(Watch& watch) {
    watch.due += milliseconds(watch.interval);
    QTimerEvent event(watch.timer->timerId());
    passing_ = &event;
    QCoreApplication::sendEvent(watch.timer, &event);
    passing_ = nullptr;
}

} // namespace zor::test
