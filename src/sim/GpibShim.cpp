// libzor-gpib-sim.so: an NI-488.2 / linux-gpib compatible bus library whose
// only device is zor-sim, reached over the Unix socket named by the
// environment variable ZOR_SIM_GPIB_SOCKET. Every descriptor has a connection
// of its own. Calls never raise signals on a dead socket and never wait longer
// than the descriptor's time-out.

#include "sim/ShimDevice.h"

#include <cstdlib>
#include <cstring>
#include <map>
#include <memory>
#include <mutex>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#define ZOR_GPIB_EXPORT __attribute__((visibility("default")))

extern "C" {
ZOR_GPIB_EXPORT int ibsta = 0;
ZOR_GPIB_EXPORT int iberr = 0;
ZOR_GPIB_EXPORT int ibcnt = 0;
ZOR_GPIB_EXPORT long ibcntl = 0;
}

namespace {

using zor::gpibwire::FrameType;
using zor::shim::Outcome;
using zor::shim::ShimDevice;

constexpr int ERR = 0x8000;
constexpr int TIMO = 0x4000;
constexpr int END = 0x2000;
constexpr int CMPL = 0x100;

constexpr int EDVR = 0;
constexpr int ENOL = 2;
constexpr int EARG = 4;
constexpr int EABO = 6;
constexpr int ENEB = 7;

constexpr int maxDescriptors = 1024;

struct ThreadStatus {
    int sta = 0;
    int err = 0;
    long cnt = 0;
};
thread_local ThreadStatus threadStatus;

std::mutex globalsMutex;
std::mutex tableMutex;
std::map<int, std::shared_ptr<ShimDevice>> devices;

// Records the outcome of a call for this thread and in the process globals,
// as the drivers do; the error code changes only when ERR is set.
int finish(int sta, int err, long cnt) {
    threadStatus.sta = sta;
    threadStatus.cnt = cnt;
    if (sta & ERR)
        threadStatus.err = err;
    std::lock_guard lock(globalsMutex);
    ibsta = sta;
    ibcnt = static_cast<int>(cnt);
    ibcntl = cnt;
    if (sta & ERR)
        iberr = err;
    return sta;
}

int fail(int err) {
    return finish(ERR, err, 0);
}

int failWith(Outcome outcome) {
    switch (outcome) {
    case Outcome::TimedOut:
        return finish(ERR | TIMO, EABO, 0);
    case Outcome::NoListener:
        return fail(ENOL);
    case Outcome::Dead:
    case Outcome::Done:
        break;
    }
    return fail(ENEB);
}

int connectToInstrument() {
    const char* path = std::getenv("ZOR_SIM_GPIB_SOCKET");
    if (!path || !*path)
        return -1;
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    if (std::strlen(path) >= sizeof address.sun_path)
        return -1;
    std::strcpy(address.sun_path, path);
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    if (fd < 0)
        return -1;
    if (::connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0) {
        ::close(fd);
        return -1;
    }
    return fd;
}

std::shared_ptr<ShimDevice> lookup(int ud) {
    std::lock_guard lock(tableMutex);
    auto it = devices.find(ud);
    return it == devices.end() ? nullptr : it->second;
}

int addDevice(std::shared_ptr<ShimDevice> device) {
    std::lock_guard lock(tableMutex);
    for (int ud = 1; ud <= maxDescriptors; ++ud) {
        if (devices.emplace(ud, device).second)
            return ud;
    }
    return -1;
}

// A descriptor nobody opened: EDVR, unless there is no instrument at all.
int failUnknownDescriptor() {
    const int fd = connectToInstrument();
    if (fd < 0)
        return fail(ENEB);
    ::close(fd);
    return fail(EDVR);
}

// Runs one bus operation on a live device that listens.
template <typename Operation> int withListeningDevice(int ud, Operation operation) {
    const std::shared_ptr<ShimDevice> device = lookup(ud);
    if (!device)
        return failUnknownDescriptor();
    std::lock_guard lock(device->mutex());
    if (device->dead())
        return fail(ENEB);
    if (!device->listener())
        return fail(ENOL);
    return operation(*device);
}

int simpleRequest(int ud, FrameType type) {
    return withListeningDevice(ud, [type](ShimDevice& device) {
        const Outcome outcome =
            device.request(type, {}, zor::shim::deadlineFor(device.timeoutCode()));
        if (outcome != Outcome::Done)
            return failWith(outcome);
        if (type == FrameType::Clear)
            device.discardInput();
        return finish(CMPL, 0, 0);
    });
}

bool validSecondary(int sad) {
    return sad == 0 || (sad >= 0x60 && sad <= 0x7E);
}

} // namespace

extern "C" {

ZOR_GPIB_EXPORT int ibdev(int board, int pad, int sad, int tmo, int eot, int eos) {
    (void)eot; // every message ends with END anyway
    (void)eos; // no end-of-string character: a read ends at END or a full buffer
    if (pad < 0 || pad > 30 || !validSecondary(sad) || tmo < 0 || tmo > 17) {
        fail(EARG);
        return -1;
    }
    const int fd = board == 0 ? connectToInstrument() : -1;
    if (fd < 0) {
        fail(ENEB);
        return -1;
    }
    auto device = std::make_shared<ShimDevice>(fd, tmo);
    // A running instrument answers the greeting at once; opening a device is
    // no bus transfer, so the device's own time-out (possibly microseconds or
    // none at all) does not apply, 3 s do.
    constexpr int greetingTimeoutCode = 12;
    if (device->greet(pad, sad, zor::shim::deadlineFor(greetingTimeoutCode)) != Outcome::Done) {
        fail(ENEB);
        return -1;
    }
    const int ud = addDevice(device);
    if (ud < 0) {
        fail(EDVR);
        return -1;
    }
    finish(CMPL, 0, 0);
    return ud;
}

ZOR_GPIB_EXPORT int ibclr(int ud) {
    return simpleRequest(ud, FrameType::Clear);
}

ZOR_GPIB_EXPORT int ibloc(int ud) {
    return simpleRequest(ud, FrameType::Local);
}

ZOR_GPIB_EXPORT int ibwrt(int ud, const void* buf, long cnt) {
    if (cnt < 0 || (!buf && cnt > 0))
        return fail(EARG);
    return withListeningDevice(ud, [buf, cnt](ShimDevice& device) {
        const std::string_view message(static_cast<const char*>(buf),
                                       static_cast<std::size_t>(cnt));
        const Outcome outcome =
            device.request(FrameType::Write, message, zor::shim::deadlineFor(device.timeoutCode()));
        if (outcome != Outcome::Done)
            return failWith(outcome);
        return finish(CMPL, 0, cnt);
    });
}

ZOR_GPIB_EXPORT int ibrd(int ud, void* buf, long cnt) {
    if (cnt < 0 || (!buf && cnt > 0))
        return fail(EARG);
    return withListeningDevice(ud, [buf, cnt](ShimDevice& device) {
        const ShimDevice::ReadResult result =
            device.read(static_cast<char*>(buf), cnt, zor::shim::deadlineFor(device.timeoutCode()));
        if (result.outcome != Outcome::Done)
            return failWith(result.outcome);
        return finish(result.end ? (END | CMPL) : CMPL, 0, result.count);
    });
}

ZOR_GPIB_EXPORT int ibonl(int ud, int v) {
    std::shared_ptr<ShimDevice> device = lookup(ud);
    if (!device)
        return failUnknownDescriptor();
    if (v == 0) {
        {
            std::lock_guard lock(tableMutex);
            devices.erase(ud);
        }
        std::lock_guard lock(device->mutex());
        device->close();
        return finish(CMPL, 0, 0);
    }
    std::lock_guard lock(device->mutex());
    device->discardInput();
    return finish(CMPL, 0, 0);
}

ZOR_GPIB_EXPORT int ThreadIbsta(void) {
    return threadStatus.sta;
}

ZOR_GPIB_EXPORT int ThreadIberr(void) {
    return threadStatus.err;
}

ZOR_GPIB_EXPORT int ThreadIbcnt(void) {
    return static_cast<int>(threadStatus.cnt);
}

ZOR_GPIB_EXPORT long ThreadIbcntl(void) {
    return threadStatus.cnt;
}

} // extern "C"
