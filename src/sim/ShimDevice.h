#pragma once

#include "sim/GpibProtocol.h"

#include <chrono>
#include <deque>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>

// Inside the bus shim: plain C++ only, no Qt.
namespace zor::shim {

using Clock = std::chrono::steady_clock;
// When a bus operation gives up; nullopt waits without limit (time-out code 0).
using Deadline = std::optional<Clock::time_point>;

enum class Outcome { Done, TimedOut, Dead, NoListener };

// The deadline for an operation started now on a device opened with the
// NI-488.2 time-out code `timeoutCode` (12 = 3 s). The environment variable
// ZOR_SIM_GPIB_TIMEOUT_MS, when it holds a number, replaces the code's time.
Deadline deadlineFor(int timeoutCode);

// One open device descriptor of the shim: its own connection to zor-sim, the
// messages the device has talked and not yet been read, and a lock that makes
// each bus operation on it one step for other threads.
class ShimDevice {
  public:
    struct ReadResult {
        Outcome outcome;
        long count;
        bool end; // the last byte read was the last of its message (END)
    };

    ShimDevice(int fd, int timeoutCode);
    ShimDevice(const ShimDevice&) = delete;
    ShimDevice& operator=(const ShimDevice&) = delete;
    ~ShimDevice();

    std::mutex& mutex() { return mutex_; }
    int timeoutCode() const { return timeoutCode_; }
    bool listener() const { return listener_; }
    bool dead() const { return fd_ < 0; }

    // Tells the instrument the addresses; learns whether a device listens there.
    Outcome greet(int pad, int sad, Deadline deadline);
    // Sends Write, Clear or Local and waits for the instrument to take it.
    Outcome request(gpibwire::FrameType type, std::string_view payload, Deadline deadline);
    // Reads at most `count` bytes of the next message; stops at its end.
    ReadResult read(char* buffer, long count, Deadline deadline);
    // Forgets what the device talked and nobody read (device clear).
    void discardInput();
    void close();

  private:
    Outcome sendFrame(gpibwire::FrameType type, std::string_view payload, Deadline deadline);
    Outcome awaitReply(Deadline deadline, gpibwire::Frame& reply);
    Outcome receiveMore(Deadline deadline);
    void takeFrames();

    int fd_;
    int timeoutCode_;
    bool listener_ = false;
    // Replies that come after their request timed out belong to nobody.
    int staleReplies_ = 0;
    std::string inbox_;
    std::deque<std::string> messages_;
    std::size_t consumed_ = 0;
    std::deque<gpibwire::Frame> replies_;
    std::mutex mutex_;
};

} // namespace zor::shim
