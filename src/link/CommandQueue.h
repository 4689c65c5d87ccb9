#pragma once

#include <deque>
#include <functional>

namespace zor {

// The link's commands and queries, one at a time, in the order they were
// asked for. While one is carried out the window's events run (it waits for
// the instrument without holding the window), and a timer may ask for a
// command then: that one waits here and is carried out right after the work
// under way. The operator's input waits as long as the work lasts.
class CommandQueue {
public:
    bool busy() const { return busy_; }

    // Carries `work` out now, then every command queued meanwhile, in order.
    // Work that cannot wait (the line went away in the middle of a command,
    // and the window goes back to local) runs at once even while busy.
    void carryOut(const std::function<void()>& work);
    // Queues `command` behind the work under way.
    void queue(std::function<void()> command);

private:
    bool busy_ = false;
    std::deque<std::function<void()>> queued_;
};

} // namespace zor
