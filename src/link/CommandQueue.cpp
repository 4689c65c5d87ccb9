#include "link/CommandQueue.h"

#include "settings/OperatorMessages.h"

namespace zor {

void CommandQueue::carryOut(const std::function<void()>& work) {
    if (busy_) {
        work();
        return;
    }
    busy_ = true;
    OperatorMessages::holdInput(true);
    work();
    while (!queued_.empty()) {
        const std::function<void()> next = std::move(queued_.front());
        queued_.pop_front();
        next();
    }
    OperatorMessages::holdInput(false);
    busy_ = false;
}

void CommandQueue::queue(std::function<void()> command) {
    queued_.push_back(std::move(command));
}

} // namespace zor
