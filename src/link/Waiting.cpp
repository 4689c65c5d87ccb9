#include "link/Waiting.h"

#include "settings/OperatorMessages.h"

#include <QAbstractEventDispatcher>
#include <QCoreApplication>
#include <QThread>
#include <QTimer>
#include <chrono>

#ifdef Q_OS_LINUX
#include <sys/prctl.h>
#endif

namespace zor {

namespace {

// The timer wakes the thread at the deadline; events that come earlier
// (an answer, a repaint) wake it before. A timer that fell due a fraction
// of a millisecond early is started again.
bool waitForEvents(const std::function<bool()>& done, const QDeadlineTimer& deadline) {
    QTimer wake;
    wake.setTimerType(Qt::PreciseTimer);
    wake.setSingleShot(true);
    while (!deadline.hasExpired()) {
        if (!wake.isActive() && !deadline.isForever())
            wake.start(std::chrono::milliseconds(deadline.remainingTime()));
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents |
                                        QEventLoop::WaitForMoreEvents);
        if (done())
            return true;
    }
    return done();
}

// Linux lets a sleeping thread's timers fire up to 50 µs late, 5 % of the
// 1 ms pauses around every serial command; while the link waits they keep
// to the microsecond.
long tightenTimerSlack() {
#ifdef Q_OS_LINUX
    const long slack = ::prctl(PR_GET_TIMERSLACK, 0, 0, 0, 0);
    ::prctl(PR_SET_TIMERSLACK, 1UL, 0, 0, 0);
    return slack;
#else
    return 0;
#endif
}

void restoreTimerSlack(long slack) {
#ifdef Q_OS_LINUX
    if (slack > 0)
        ::prctl(PR_SET_TIMERSLACK, static_cast<unsigned long>(slack), 0, 0, 0);
#else
    Q_UNUSED(slack);
#endif
}

bool sleepInSteps(const std::function<bool()>& done, const QDeadlineTimer& deadline) {
    while (!deadline.hasExpired()) {
        QThread::msleep(1);
        if (done())
            return true;
    }
    return done();
}

} // namespace

bool waitUntil(const std::function<bool()>& done, QDeadlineTimer deadline) {
    if (done())
        return true;
    if (!QAbstractEventDispatcher::instance())
        return sleepInSteps(done, deadline);
    OperatorMessages::holdInput(true);
    const long slack = tightenTimerSlack();
    const bool inTime = waitForEvents(done, deadline);
    restoreTimerSlack(slack);
    OperatorMessages::holdInput(false);
    return inTime;
}

void Warten(short ms) {
    if (ms <= 0)
        return;
    waitUntil([] { return false; }, QDeadlineTimer(ms, Qt::PreciseTimer));
}

} // namespace zor
