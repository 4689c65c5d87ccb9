#pragma once

#include <linux/capability.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace zor::test {

// Makes file permissions bind this test process from now on, also when the
// tests run as root, as they do on a fresh build machine: root passes
// permission checks through two capabilities, which are given up here for
// good (each test runs in a process of its own, and none needs them). A
// read-only folder or an unreadable file then refuses root, and says so to
// access(), as it refuses an operator. False where they still do not bind.
inline bool bindFilePermissions() {
    if (::geteuid() != 0)
        return true;
    __user_cap_header_struct header{_LINUX_CAPABILITY_VERSION_3, 0};
    __user_cap_data_struct caps[2]{};
    if (::syscall(SYS_capget, &header, caps) != 0)
        return false;
    const unsigned overrides = (1u << CAP_DAC_OVERRIDE) | (1u << CAP_DAC_READ_SEARCH);
    caps[0].effective &= ~overrides;
    caps[0].permitted &= ~overrides;
    caps[0].inheritable &= ~overrides;
    return ::syscall(SYS_capset, &header, caps) == 0;
}

} // namespace zor::test
