#pragma once

#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>
#include <thread>

namespace zor {

// The one thread every call into the IEEE-488 driver runs on. A driver call
// blocks until its transfer is done, a read up to the device's time-out of
// 3 s; on the window's thread it would hold the window unpainted that long.
// One thread for all calls keeps the driver's per-thread status variables,
// and their registration, with the calls that set them. It starts with the
// first call.
class BusThread {
public:
    BusThread() = default;
    // Carries out what was handed over, then ends the thread.
    ~BusThread();
    BusThread(const BusThread&) = delete;
    BusThread& operator=(const BusThread&) = delete;

    // Carries `call` out on the bus thread and returns once it is done; the
    // calling thread meanwhile waits as waitUntil does.
    void run(std::function<void()> call);
    // Hands `call` to the bus thread without waiting for it.
    void post(std::function<void()> call);

private:
    void serve();

    std::mutex mutex_;
    std::condition_variable wake_;
    std::deque<std::function<void()>> calls_;
    bool ending_ = false;
    std::thread thread_;
};

} // namespace zor
