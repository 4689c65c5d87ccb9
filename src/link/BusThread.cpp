#include "link/BusThread.h"

#include "link/Waiting.h"

#include <QAbstractEventDispatcher>
#include <atomic>
#include <memory>

namespace zor {

BusThread::~BusThread() {
    {
        const std::lock_guard lock(mutex_);
        ending_ = true;
    }
    wake_.notify_one();
    if (thread_.joinable())
        thread_.join();
}

// The waiting thread is woken once the call is done, so its wait ends at
// once rather than at its next event.
void BusThread::run(std::function<void()> call) {
    const auto done = std::make_shared<std::atomic<bool>>(false);
    QAbstractEventDispatcher* const waiting = QAbstractEventDispatcher::instance();
    post([call = std::move(call), done, waiting] {
        call();
        done->store(true);
        if (waiting)
            waiting->wakeUp();
    });
    waitUntil([&done] { return done->load(); }, QDeadlineTimer(QDeadlineTimer::Forever));
}

void BusThread::post(std::function<void()> call) {
    {
        const std::lock_guard lock(mutex_);
        calls_.push_back(std::move(call));
        if (!thread_.joinable())
            thread_ = std::thread(&BusThread::serve, this);
    }
    wake_.notify_one();
}

void BusThread::serve() {
    std::unique_lock lock(mutex_);
    for (;;) {
        wake_.wait(lock, [this] { return ending_ || !calls_.empty(); });
        if (calls_.empty())
            return;
        const std::function<void()> call = std::move(calls_.front());
        calls_.pop_front();
        lock.unlock();
        call();
        lock.lock();
    }
}

} // namespace zor
