// The bus shim libzor-gpib-sim.so, loaded with dlopen from ZOR_BIN_DIR as the
// program loads a GPIB library, talking to a running zor-sim.

#include "support/SimProcess.h"

#include <QByteArray>
#include <dlfcn.h>
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <thread>

namespace zor {
namespace {

constexpr int ERR = 0x8000;
constexpr int TIMO = 0x4000;
constexpr int END = 0x2000;
constexpr int CMPL = 0x100;
constexpr int EDVR = 0;
constexpr int ENOL = 2;
constexpr int EARG = 4;
constexpr int EABO = 6;
constexpr int ENEB = 7;

constexpr int T3s = 12;

struct Shim {
    int (*ibdev)(int, int, int, int, int, int) = nullptr;
    int (*ibclr)(int) = nullptr;
    int (*ibwrt)(int, const void*, long) = nullptr;
    int (*ibrd)(int, void*, long) = nullptr;
    int (*ibloc)(int) = nullptr;
    int (*ibonl)(int, int) = nullptr;
    int (*ThreadIbsta)() = nullptr;
    int (*ThreadIberr)() = nullptr;
    int (*ThreadIbcnt)() = nullptr;
    long (*ThreadIbcntl)() = nullptr;
    int* ibsta = nullptr;
    int* iberr = nullptr;
    int* ibcnt = nullptr;
    long* ibcntl = nullptr;
    std::string error;
};

template <typename T> void resolve(void* library, const char* name, T& target, std::string& error) {
    target = reinterpret_cast<T>(dlsym(library, name));
    if (!target)
        error += std::string(" missing ") + name;
}

Shim loadShim() {
    Shim shim;
    const QByteArray path = SimProcess::gpibLibrary().toLocal8Bit();
    void* library = dlopen(path.constData(), RTLD_NOW | RTLD_LOCAL);
    if (!library) {
        shim.error = dlerror();
        return shim;
    }
    resolve(library, "ibdev", shim.ibdev, shim.error);
    resolve(library, "ibclr", shim.ibclr, shim.error);
    resolve(library, "ibwrt", shim.ibwrt, shim.error);
    resolve(library, "ibrd", shim.ibrd, shim.error);
    resolve(library, "ibloc", shim.ibloc, shim.error);
    resolve(library, "ibonl", shim.ibonl, shim.error);
    resolve(library, "ThreadIbsta", shim.ThreadIbsta, shim.error);
    resolve(library, "ThreadIberr", shim.ThreadIberr, shim.error);
    resolve(library, "ThreadIbcnt", shim.ThreadIbcnt, shim.error);
    resolve(library, "ThreadIbcntl", shim.ThreadIbcntl, shim.error);
    resolve(library, "ibsta", shim.ibsta, shim.error);
    resolve(library, "iberr", shim.iberr, shim.error);
    resolve(library, "ibcnt", shim.ibcnt, shim.error);
    resolve(library, "ibcntl", shim.ibcntl, shim.error);
    return shim;
}

// Loaded once per test run, on first use, and kept loaded like a driver.
const Shim& loadedShim() {
    static const Shim shim = loadShim();
    return shim;
}

class GpibShim : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(shim.error.empty()) << shim.error;
        qputenv("ZOR_SIM_GPIB_TIMEOUT_MS", "2000");
    }
    void TearDown() override {
        qunsetenv("ZOR_SIM_GPIB_SOCKET");
        qunsetenv("ZOR_SIM_GPIB_TIMEOUT_MS");
    }

    static void useInstrument(const SimProcess& sim) {
        qputenv("ZOR_SIM_GPIB_SOCKET", sim.gpibSocket().toLocal8Bit());
    }
    int write(int ud, const QByteArray& message) {
        return shim.ibwrt(ud, message.constData(), message.size());
    }
    QByteArray read(int ud, long size) {
        QByteArray buffer(size, ' ');
        shim.ibrd(ud, buffer.data(), size);
        return buffer.left(*shim.ibcnt);
    }

    const Shim& shim = loadedShim();
};

TEST_F(GpibShim, WithoutAnInstrumentThereIsNoBoard) {
    qputenv("ZOR_SIM_GPIB_SOCKET", "/nonexistent/zor-sim.sock");
    EXPECT_EQ(shim.ibdev(0, 28, 0, T3s, 1, 0), -1);
    EXPECT_EQ(*shim.ibsta & ERR, ERR);
    EXPECT_EQ(*shim.iberr, ENEB);
    EXPECT_EQ(shim.ThreadIberr(), ENEB);
    EXPECT_EQ(write(1, "FREQ?") & ERR, ERR);
    EXPECT_EQ(*shim.iberr, ENEB);
    EXPECT_EQ(shim.ibonl(0, 0) & ERR, ERR);
    EXPECT_EQ(*shim.iberr, ENEB);

    qunsetenv("ZOR_SIM_GPIB_SOCKET");
    EXPECT_EQ(shim.ibdev(0, 28, 0, T3s, 1, 0), -1);
    EXPECT_EQ(*shim.iberr, ENEB);
}

TEST_F(GpibShim, AddressesOffTheBusAreInvalidArguments) {
    SimProcess sim;
    ASSERT_TRUE(sim.isReady()) << sim.errorString().toStdString();
    useInstrument(sim);
    for (int pad : {-1, 31}) {
        EXPECT_EQ(shim.ibdev(0, pad, 0, T3s, 1, 0), -1) << pad;
        EXPECT_EQ(*shim.ibsta & ERR, ERR);
        EXPECT_EQ(*shim.iberr, EARG);
    }
}

TEST_F(GpibShim, NobodyListensAtAnotherAddress) {
    SimProcess sim;
    ASSERT_TRUE(sim.isReady()) << sim.errorString().toStdString();
    useInstrument(sim);
    const int ud = shim.ibdev(0, 5, 0, T3s, 1, 0);
    ASSERT_GT(ud, 0);
    EXPECT_EQ(*shim.ibsta & ERR, 0);
    EXPECT_EQ(shim.ibclr(ud), ERR);
    EXPECT_EQ(*shim.iberr, ENOL);
    EXPECT_EQ(write(ud, "FREQ?"), ERR);
    EXPECT_EQ(*shim.iberr, ENOL);
    char buffer[20];
    EXPECT_EQ(shim.ibrd(ud, buffer, sizeof buffer), ERR);
    EXPECT_EQ(*shim.iberr, ENOL);
    EXPECT_EQ(shim.ibonl(ud, 0), CMPL);
    EXPECT_TRUE(sim.recorded().isEmpty());
}

TEST_F(GpibShim, CommandsAndQueriesMakeTheRoundTrip) {
    SimProcess sim({"--gpib-address", "7"});
    ASSERT_TRUE(sim.isReady()) << sim.errorString().toStdString();
    useInstrument(sim);
    const int ud = shim.ibdev(0, 7, 0, T3s, 1, 0);
    ASSERT_GT(ud, 0);
    EXPECT_EQ(shim.ibclr(ud), CMPL);

    EXPECT_EQ(write(ud, "FREQ 97.5MHZ"), CMPL);
    EXPECT_EQ(*shim.ibcnt, 12);
    EXPECT_EQ(write(ud, "FREQ?"), CMPL);
    EXPECT_EQ(read(ud, 20), "97500000\n");
    EXPECT_EQ(*shim.ibsta, END | CMPL);
    EXPECT_EQ(*shim.ibcntl, 9);
    EXPECT_EQ(shim.ThreadIbsta(), END | CMPL);
    EXPECT_EQ(shim.ThreadIbcnt(), 9);
    EXPECT_EQ(shim.ThreadIbcntl(), 9);

    write(ud, ":STEREO:DIRECT \"PS=RADIO 1 \"");
    write(ud, ":STEREO:DIRECT? \"PS\"");
    EXPECT_EQ(read(ud, 70), "\"RADIO 1 \"\n");

    EXPECT_EQ(sim.recorded(), "FREQ 97.5MHZ\nFREQ?\n:STEREO:DIRECT \"PS=RADIO 1 \"\n"
                              ":STEREO:DIRECT? \"PS\"\n");
    EXPECT_EQ(sim.state().value("FREQ"), "97500000");
    EXPECT_EQ(shim.ibloc(ud), CMPL);
    EXPECT_EQ(shim.ibonl(ud, 0), CMPL);
}

TEST_F(GpibShim, AShortBufferTakesTheAnswerInPieces) {
    SimProcess sim;
    ASSERT_TRUE(sim.isReady()) << sim.errorString().toStdString();
    useInstrument(sim);
    const int ud = shim.ibdev(0, 28, 0, T3s, 1, 0);
    write(ud, "FREQ?");
    EXPECT_EQ(read(ud, 4), "1000");
    EXPECT_EQ(*shim.ibsta, CMPL) << "no END before the last byte";
    EXPECT_EQ(read(ud, 70), "00000\n");
    EXPECT_EQ(*shim.ibsta, END | CMPL);
    shim.ibonl(ud, 0);
}

TEST_F(GpibShim, AReadWithNothingToReadTimesOut) {
    SimProcess sim;
    ASSERT_TRUE(sim.isReady()) << sim.errorString().toStdString();
    useInstrument(sim);
    qputenv("ZOR_SIM_GPIB_TIMEOUT_MS", "100");
    const int ud = shim.ibdev(0, 28, 0, T3s, 1, 0);
    ASSERT_GT(ud, 0);
    char buffer[70];
    EXPECT_EQ(shim.ibrd(ud, buffer, sizeof buffer), ERR | TIMO);
    EXPECT_EQ(*shim.iberr, EABO);
    EXPECT_EQ(*shim.ibcnt, 0);
    EXPECT_EQ(*shim.ibcntl, 0);
    shim.ibonl(ud, 0);
}

TEST_F(GpibShim, AnAnswerTooLateForOneReadWaitsForTheNext) {
    SimProcess sim({"--late", "300"});
    ASSERT_TRUE(sim.isReady()) << sim.errorString().toStdString();
    useInstrument(sim);
    qputenv("ZOR_SIM_GPIB_TIMEOUT_MS", "50");
    const int ud = shim.ibdev(0, 28, 0, T3s, 1, 0);
    ASSERT_GT(ud, 0);
    write(ud, "POW?");
    char buffer[20];
    EXPECT_EQ(shim.ibrd(ud, buffer, sizeof buffer), ERR | TIMO);
    qputenv("ZOR_SIM_GPIB_TIMEOUT_MS", "2000");
    EXPECT_EQ(read(ud, 20), "-30\n");
    shim.ibonl(ud, 0);
}

TEST_F(GpibShim, DeviceClearDropsAnUnreadAnswer) {
    SimProcess sim;
    ASSERT_TRUE(sim.isReady()) << sim.errorString().toStdString();
    useInstrument(sim);
    const int ud = shim.ibdev(0, 28, 0, T3s, 1, 0);
    write(ud, "FREQ?");
    EXPECT_EQ(shim.ibclr(ud), CMPL);
    qputenv("ZOR_SIM_GPIB_TIMEOUT_MS", "100");
    char buffer[20];
    EXPECT_EQ(shim.ibrd(ud, buffer, sizeof buffer), ERR | TIMO);
    shim.ibonl(ud, 0);
}

TEST_F(GpibShim, GoingOfflineFreesTheDescriptor) {
    SimProcess sim;
    ASSERT_TRUE(sim.isReady()) << sim.errorString().toStdString();
    useInstrument(sim);
    const int ud = shim.ibdev(0, 28, 0, T3s, 1, 0);
    ASSERT_GT(ud, 0);
    EXPECT_EQ(shim.ibonl(ud, 0), CMPL);
    EXPECT_EQ(write(ud, "FREQ?"), ERR);
    EXPECT_EQ(*shim.iberr, EDVR);
    EXPECT_EQ(shim.ibonl(ud, 0), ERR);
    EXPECT_EQ(shim.ibloc(0), ERR) << "a descriptor that was never opened";
    EXPECT_EQ(*shim.iberr, EDVR);
}

TEST_F(GpibShim, ADeadInstrumentFailsCallsWithoutHarm) {
    auto sim = std::make_unique<SimProcess>();
    ASSERT_TRUE(sim->isReady()) << sim->errorString().toStdString();
    useInstrument(*sim);
    const int ud = shim.ibdev(0, 28, 0, T3s, 1, 0);
    ASSERT_GT(ud, 0);
    sim.reset();
    EXPECT_EQ(write(ud, "FREQ 1MHZ"), ERR);
    EXPECT_EQ(*shim.iberr, ENEB);
    char buffer[20];
    EXPECT_EQ(shim.ibrd(ud, buffer, sizeof buffer), ERR);
    EXPECT_EQ(*shim.iberr, ENEB);
    EXPECT_EQ(shim.ibonl(ud, 0), CMPL);
}

TEST_F(GpibShim, EveryThreadSeesItsOwnStatus) {
    SimProcess sim;
    ASSERT_TRUE(sim.isReady()) << sim.errorString().toStdString();
    useInstrument(sim);
    const int ud = shim.ibdev(0, 28, 0, T3s, 1, 0);
    ASSERT_GT(ud, 0);
    ASSERT_EQ(shim.ibclr(ud), CMPL);

    int otherStatus = 0;
    int otherError = -1;
    std::thread other([&] {
        shim.ibwrt(999, "x", 1);
        otherStatus = shim.ThreadIbsta();
        otherError = shim.ThreadIberr();
    });
    other.join();
    EXPECT_EQ(otherStatus, ERR);
    EXPECT_EQ(otherError, EDVR);
    EXPECT_EQ(shim.ThreadIbsta(), CMPL) << "this thread's last call succeeded";
    EXPECT_EQ(*shim.ibsta, ERR) << "the globals hold the last call of any thread";
    shim.ibonl(ud, 0);
}

} // namespace
} // namespace zor
