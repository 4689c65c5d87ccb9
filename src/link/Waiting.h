#pragma once

#include <QDeadlineTimer>
#include <functional>

namespace zor {

// Waits on the calling thread until `done` holds or `deadline` has passed,
// without spinning and without holding the thread's events: the window
// repaints, timers fire and the serial port takes in what arrives, while the
// operator's input stays pending (OperatorMessages::holdInput). `done` is
// asked before the wait and after every event; the result is its last
// answer. A thread without events (no application object) sleeps in steps
// of a millisecond instead.
bool waitUntil(const std::function<bool()>& done, QDeadlineTimer deadline);

// Pauses `ms` milliseconds on a monotonic clock, as waitUntil waits; 0 or
// less returns at once.
void Warten(short ms);

} // namespace zor
