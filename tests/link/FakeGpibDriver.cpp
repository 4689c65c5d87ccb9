// A driver library in the manner of gpib-32.dll: the status reaches the program
// only through the variables it registers per thread. The exported user_*
// variables hold values that would be wrong, so a test sees which source the
// adapter reads. fake_reset() chooses the registration results in turn.

#include <cstring>
#include <vector>

namespace {

int* registeredSta = nullptr;
int* registeredErr = nullptr;
int* registeredCnt = nullptr;
long* registeredCntl = nullptr;
std::vector<int> registerResults;

void setStatus(int sta, int err, long count) {
    if (!registeredSta)
        return;
    *registeredSta = sta;
    *registeredErr = err;
    *registeredCnt = static_cast<int>(count);
    *registeredCntl = count;
}

} // namespace

extern "C" {

__attribute__((visibility("default"))) int user_ibsta = 0x8000;
__attribute__((visibility("default"))) int user_iberr = 4;
__attribute__((visibility("default"))) int user_ibcnt = 99;
__attribute__((visibility("default"))) long user_ibcntl = 99;
__attribute__((visibility("default"))) int fake_register_calls = 0;
__attribute__((visibility("default"))) int fake_unregister_calls = 0;

__attribute__((visibility("default"))) void fake_reset(const int* results, int count) {
    registerResults.assign(results, results + count);
    fake_register_calls = 0;
    fake_unregister_calls = 0;
    registeredSta = nullptr;
}

__attribute__((visibility("default"))) int RegisterGpibGlobalsForThread(int* sta, int* err,
                                                                        int* cnt, long* cntl) {
    const int result = fake_register_calls < static_cast<int>(registerResults.size())
                           ? registerResults[fake_register_calls]
                           : 0;
    ++fake_register_calls;
    if (result == 0) {
        registeredSta = sta;
        registeredErr = err;
        registeredCnt = cnt;
        registeredCntl = cntl;
    }
    return result;
}

__attribute__((visibility("default"))) int UnregisterGpibGlobalsForThread() {
    ++fake_unregister_calls;
    registeredSta = nullptr;
    return 0;
}

__attribute__((visibility("default"))) int ibdev(int, int pad, int, int, int, int) {
    setStatus(0x100, 0, 0);
    return pad + 1;
}

__attribute__((visibility("default"))) int ibclr(int) {
    setStatus(0x100, 0, 0);
    return 0x100;
}

__attribute__((visibility("default"))) int ibwrt(int, const void*, long count) {
    setStatus(0x100, 0, count);
    return 0x100;
}

__attribute__((visibility("default"))) int ibrd(int, void* buffer, long count) {
    const char answer[] = "98.5\n";
    const long length = count < 5 ? count : 5;
    std::memcpy(buffer, answer, static_cast<std::size_t>(length));
    setStatus(0x2100, 0, length);
    return 0x2100;
}

__attribute__((visibility("default"))) int ibloc(int) {
    setStatus(0x100, 0, 0);
    return 0x100;
}

__attribute__((visibility("default"))) int ibonl(int, int) {
    setStatus(0x100, 0, 0);
    return 0x100;
}
}
