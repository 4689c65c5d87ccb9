#include "sim/ShimDevice.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

namespace zor::shim {

namespace {

using gpibwire::FrameType;
using std::chrono::microseconds;

// NI-488.2 time-out codes 0 (none) to 17 (1000 s), in microseconds.
constexpr std::array<long long, 18> timeoutTable = {
    0,      10,     30,      100,     300,      1000,     3000,      10000,     30000,
    100000, 300000, 1000000, 3000000, 10000000, 30000000, 100000000, 300000000, 1000000000};

std::optional<long long> timeoutFromEnvironment() {
    const char* text = std::getenv("ZOR_SIM_GPIB_TIMEOUT_MS");
    if (!text || !*text)
        return std::nullopt;
    char* end = nullptr;
    const long long ms = std::strtoll(text, &end, 10);
    if (*end != '\0' || ms < 0)
        return std::nullopt;
    return ms;
}

// Milliseconds to the deadline for poll(), rounded up; -1 without deadline.
int pollWait(Deadline deadline) {
    if (!deadline)
        return -1;
    const auto left = std::chrono::ceil<std::chrono::milliseconds>(*deadline - Clock::now());
    return static_cast<int>(std::clamp<long long>(left.count(), 0, 1000000000));
}

} // namespace

Deadline deadlineFor(int timeoutCode) {
    if (const auto ms = timeoutFromEnvironment())
        return Clock::now() + std::chrono::milliseconds(*ms);
    if (timeoutCode <= 0 || timeoutCode >= static_cast<int>(timeoutTable.size()))
        return std::nullopt;
    return Clock::now() + microseconds(timeoutTable[timeoutCode]);
}

ShimDevice::ShimDevice(int fd, int timeoutCode) : fd_(fd), timeoutCode_(timeoutCode) {}

ShimDevice::~ShimDevice() {
    close();
}

void ShimDevice::close() {
    if (fd_ >= 0)
        ::close(fd_);
    fd_ = -1;
}

Outcome ShimDevice::greet(int pad, int sad, Deadline deadline) {
    const char addresses[2] = {static_cast<char>(pad), static_cast<char>(sad)};
    Outcome outcome = sendFrame(FrameType::Hello, std::string_view(addresses, 2), deadline);
    gpibwire::Frame reply;
    if (outcome == Outcome::Done)
        outcome = awaitReply(deadline, reply);
    if (outcome == Outcome::Done)
        listener_ = reply.type == FrameType::Listener && reply.payload == "1";
    return outcome;
}

Outcome ShimDevice::request(FrameType type, std::string_view payload, Deadline deadline) {
    Outcome outcome = sendFrame(type, payload, deadline);
    gpibwire::Frame reply;
    if (outcome == Outcome::Done)
        outcome = awaitReply(deadline, reply);
    if (outcome == Outcome::Done && reply.type == FrameType::NoListener)
        return Outcome::NoListener;
    return outcome;
}

ShimDevice::ReadResult ShimDevice::read(char* buffer, long count, Deadline deadline) {
    for (;;) {
        takeFrames();
        if (!messages_.empty()) {
            const std::string& message = messages_.front();
            const std::size_t left = message.size() - consumed_;
            const std::size_t n = std::min<std::size_t>(left, static_cast<std::size_t>(count));
            std::memcpy(buffer, message.data() + consumed_, n);
            consumed_ += n;
            const bool end = consumed_ == message.size();
            if (end) {
                messages_.pop_front();
                consumed_ = 0;
            }
            return {Outcome::Done, static_cast<long>(n), end};
        }
        const Outcome outcome = receiveMore(deadline);
        if (outcome != Outcome::Done)
            return {outcome, 0, false};
    }
}

void ShimDevice::discardInput() {
    takeFrames();
    messages_.clear();
    consumed_ = 0;
}

Outcome ShimDevice::sendFrame(FrameType type, std::string_view payload, Deadline deadline) {
    if (fd_ < 0)
        return Outcome::Dead;
    const std::string frame = gpibwire::encodeFrame(type, payload);
    std::size_t sent = 0;
    while (sent < frame.size()) {
        const ssize_t n =
            ::send(fd_, frame.data() + sent, frame.size() - sent, MSG_NOSIGNAL | MSG_DONTWAIT);
        if (n > 0) {
            sent += static_cast<std::size_t>(n);
            continue;
        }
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0 && errno == EAGAIN) {
            pollfd p{fd_, POLLOUT, 0};
            const int ready = ::poll(&p, 1, pollWait(deadline));
            if (ready > 0 || (ready < 0 && errno == EINTR))
                continue;
            // Half a frame on the wire leaves the connection unusable.
            if (sent > 0)
                close();
            return sent > 0 ? Outcome::Dead : Outcome::TimedOut;
        }
        close();
        return Outcome::Dead;
    }
    return Outcome::Done;
}

Outcome ShimDevice::awaitReply(Deadline deadline, gpibwire::Frame& reply) {
    for (;;) {
        takeFrames();
        while (!replies_.empty()) {
            gpibwire::Frame next = std::move(replies_.front());
            replies_.pop_front();
            if (staleReplies_ > 0) {
                --staleReplies_;
                continue;
            }
            reply = std::move(next);
            return Outcome::Done;
        }
        const Outcome outcome = receiveMore(deadline);
        if (outcome == Outcome::TimedOut)
            ++staleReplies_;
        if (outcome != Outcome::Done)
            return outcome;
    }
}

Outcome ShimDevice::receiveMore(Deadline deadline) {
    if (fd_ < 0)
        return Outcome::Dead;
    pollfd p{fd_, POLLIN, 0};
    const int ready = ::poll(&p, 1, pollWait(deadline));
    if (ready < 0)
        return errno == EINTR ? Outcome::Done : (close(), Outcome::Dead);
    if (ready == 0)
        return Outcome::TimedOut;
    char buffer[4096];
    const ssize_t n = ::recv(fd_, buffer, sizeof buffer, MSG_DONTWAIT);
    if (n > 0) {
        inbox_.append(buffer, static_cast<std::size_t>(n));
        return Outcome::Done;
    }
    if (n < 0 && (errno == EAGAIN || errno == EINTR))
        return Outcome::Done;
    close();
    return Outcome::Dead;
}

void ShimDevice::takeFrames() {
    bool broken = false;
    while (auto frame = gpibwire::takeFrame(inbox_, broken)) {
        if (frame->type == FrameType::Data)
            messages_.push_back(std::move(frame->payload));
        else
            replies_.push_back(std::move(*frame));
    }
    if (broken) {
        inbox_.clear();
        close();
    }
}

} // namespace zor::shim
