// zor-sim as its own process, seen from its serial line (how it reads lines,
// what it records and saves, its link and its misbehaviours) and through the
// bus shim.

#include "sim/SimOptions.h"
#include "support/SimProcess.h"

#include <QDeadlineTimer>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QThread>
#include <algorithm>
#include <cctype>
#include <cerrno>
#include <dlfcn.h>
#include <fcntl.h>
#include <functional>
#include <gtest/gtest.h>
#include <poll.h>
#include <string>
#include <thread>
#include <unistd.h>

namespace zor {
namespace {

// The test's end of zor-sim's serial line (which zor-sim keeps raw) with
// nothing but POSIX calls: bytes written whole, answers read up to a limit.
struct PtyClient {
    explicit PtyClient(const QString& path)
        : fd(::open(QFile::encodeName(path).constData(),
                    O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC)) {}
    ~PtyClient() { ::close(fd); }

    void write(const QByteArray& bytes) {
        EXPECT_EQ(::write(fd, bytes.constData(), bytes.size()), bytes.size());
    }
    // What arrives until `enough` holds for it, the line hangs up or `ms` pass.
    QByteArray read(int ms, const std::function<bool(const QByteArray&)>& enough = {}) {
        const QDeadlineTimer deadline(ms);
        QByteArray received;
        while (!hungUp && !(enough && enough(received))) {
            pollfd p{fd, POLLIN, 0};
            if (deadline.hasExpired() || ::poll(&p, 1, deadline.remainingTime()) <= 0)
                break;
            char buffer[4096];
            const ssize_t n = ::read(fd, buffer, sizeof buffer);
            if (n > 0)
                received.append(buffer, n);
            else if (n == 0 || (errno != EAGAIN && errno != EINTR))
                hungUp = true;
        }
        return received;
    }
    // Sends `line` with CR LF, as the program sends queries; the first answer line.
    QByteArray query(const QByteArray& line) {
        write(line + "\r\n");
        return read(2000, [](const QByteArray& r) { return r.contains('\n'); });
    }

    const int fd;
    bool hungUp = false;
};

// What --garbage and --flood send: no double quote, no digit.
bool isJunk(const QByteArray& bytes) {
    return !bytes.isEmpty() && std::none_of(bytes.begin(), bytes.end(), [](char c) {
        return c == '"' || std::isdigit(static_cast<unsigned char>(c));
    });
}

// Each mode shows on the line; every byte is recorded and the state saved.
TEST(SimWire, EachModeShowsOnTheLineAndEveryByteIsRecorded) {
    // The wake-up CR; LF, CR LF and a lone CR end lines; bytes beyond ASCII.
    const QByteArray ps = "\xc4\xd6\xdc 1   ";
    const QByteArray lines = ":STEREO:DIRECT \"PS=" + ps + "\"\nfreq 88mhz\r\n" +
                             QByteArray("\x00\x01junk\n", 7) +
                             "FREQ?\nPOW?\r\nFREQ?;:STEREO:DIRECT? \"PS\"\r";
    const struct {
        QStringList arguments;
        QByteArray quiet; // written first: nothing comes back within 150 ms
        QByteArray then;  // written next
        QByteArray answer;
        qsizetype junk;   // instead of an answer: at least this much junk
        const char* name; // a state entry afterwards
        QByteArray value;
    } cases[] = {
        {{}, "\r", lines, "88000000\n-30\n88000000;\"" + ps + "\"\n", 0, "PS", ps},
        // Longer than the program's 20-character generator buffer.
        {{"--garbage"}, "", ":STEREO:DIRECT? \"PS\"\r\n", "", 21, "PS", ""},
        // The wake-up CR is no command.
        {{"--flood"}, "\r", "AM:STAT ON\n", "", 65536, "AM", "ON"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.arguments.join(' ').toStdString());
        SimProcess sim(c.arguments);
        ASSERT_TRUE(sim.isReady()) << sim.errorString().toStdString();
        PtyClient(sim.ttyPath()).write(c.quiet); // a client closing its port hangs up nothing
        PtyClient client(sim.ttyPath());
        EXPECT_EQ(client.read(150), "");
        client.write(c.then);
        const qsizetype size = std::max(c.answer.size(), c.junk);
        const QByteArray got =
            client.read(2000, [&](const QByteArray& r) { return r.size() >= size; });
        if (c.junk > 0)
            EXPECT_TRUE(got.size() >= c.junk && isJunk(got)) << got.size();
        else
            EXPECT_EQ(got, c.answer);
        EXPECT_FALSE(client.hungUp);
        EXPECT_TRUE(sim.isRunning());
        const QByteArray wire = c.quiet + c.then;
        EXPECT_TRUE(sim.waitForRecorded(wire.size(), 2000));
        EXPECT_EQ(sim.recorded(), wire);
        EXPECT_TRUE(sim.waitForState(c.name, QString::fromLatin1(c.value), 2000))
            << "the state file follows";
    }
}

// The link leads to the line, and to the one plugged in again after a hang-up.
TEST(SimWire, TheLinkLeadsToTheLineAndToTheOnePluggedInAgain) {
    QTemporaryDir folder;
    const QString link = folder.filePath("adapter.tty");
    ASSERT_TRUE(QFile::link("/dev/null", link)) << "a stale link is replaced";
    SimProcess sim({"--link", link, "--hangup-after", "1", "--replug-after", "100"});
    ASSERT_TRUE(sim.isReady()) << sim.errorString().toStdString();
    EXPECT_EQ(QFileInfo(link).symLinkTarget(), sim.ttyPath());
    {
        PtyClient client(link);
        client.write("FREQ 91MHZ\n");
        client.read(2000);
        ASSERT_TRUE(client.hungUp);
    }
    // The link went with the line, before its hang-up could be seen.
    for (int wait = 0; wait < 400 && !QFileInfo::exists(link); ++wait)
        QThread::msleep(5);
    ASSERT_TRUE(QFileInfo::exists(link)) << "the line did not come back at the link";
    PtyClient again(link);
    EXPECT_EQ(again.query("FREQ?"), "91000000\n") << "the state stays";
    EXPECT_EQ(again.query("POW?"), "-30\n") << "hung up once only";
    sim.stop();
    EXPECT_FALSE(QFileInfo(link).isSymLink()) << "the link goes at exit";
}

// The bus shim libzor-gpib-sim.so, loaded with dlopen from ZOR_BIN_DIR as the
// program loads a GPIB library, talking to a running zor-sim.

constexpr int ERR = 0x8000, TIMO = 0x4000, END = 0x2000, CMPL = 0x100;
constexpr int EDVR = 0, ENOL = 2, EARG = 4, EABO = 6, ENEB = 7;
constexpr int T3s = 12;

// The calls and globals the program takes from a driver, looked up by name.
struct Shim {
    void* library = dlopen(SimProcess::gpibLibrary().toLocal8Bit().constData(), RTLD_NOW);
    std::string missing = library ? "" : dlerror();
    template <typename T> T* symbol(const char* name) {
        T* found = library ? reinterpret_cast<T*>(dlsym(library, name)) : nullptr;
        if (!found)
            missing += std::string(" ") + name;
        return found;
    }
    int (*ibdev)(int, int, int, int, int, int) = symbol<int(int, int, int, int, int, int)>("ibdev");
    int (*ibclr)(int) = symbol<int(int)>("ibclr");
    int (*ibloc)(int) = symbol<int(int)>("ibloc");
    int (*ibwrt)(int, const void*, long) = symbol<int(int, const void*, long)>("ibwrt");
    int (*ibrd)(int, void*, long) = symbol<int(int, void*, long)>("ibrd");
    int (*ibonl)(int, int) = symbol<int(int, int)>("ibonl");
    int (*ThreadIbsta)() = symbol<int()>("ThreadIbsta");
    int (*ThreadIberr)() = symbol<int()>("ThreadIberr");
    int (*ThreadIbcnt)() = symbol<int()>("ThreadIbcnt");
    long (*ThreadIbcntl)() = symbol<long()>("ThreadIbcntl");
    int* ibsta = symbol<int>("ibsta");
    int* iberr = symbol<int>("iberr");
    int* ibcnt = symbol<int>("ibcnt");
    long* ibcntl = symbol<long>("ibcntl");
};

class GpibShim : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(shim.missing.empty()) << shim.missing;
        ASSERT_TRUE(sim.isReady()) << sim.errorString().toStdString();
        qputenv("ZOR_SIM_GPIB_SOCKET", sim.gpibSocket().toLocal8Bit());
        qputenv("ZOR_SIM_GPIB_TIMEOUT_MS", "2000");
    }
    void TearDown() override {
        qunsetenv("ZOR_SIM_GPIB_SOCKET");
        qunsetenv("ZOR_SIM_GPIB_TIMEOUT_MS");
    }

    int write(int ud, const QByteArray& message) {
        return shim.ibwrt(ud, message.constData(), message.size());
    }
    QByteArray read(int ud, long size) {
        QByteArray buffer(size, ' ');
        shim.ibrd(ud, buffer.data(), size);
        return buffer.left(*shim.ibcnt);
    }

    static Shim& loaded() { // once, on first use, and kept loaded like a driver
        static Shim library;
        return library;
    }
    Shim& shim = loaded();
    SimProcess sim{{"--gpib-address", "7", "--late", "300"}};
};

// A failed call tells why in ibsta and iberr, as a driver does.
TEST_F(GpibShim, FailedCallsTellWhyInIbstaAndIberr) {
    const int device = shim.ibdev(0, 7, 0, T3s, 1, 0);
    const int nobody = shim.ibdev(0, 5, 0, T3s, 1, 0);
    ASSERT_GT(nobody, 0) << "opening is no transfer; nobody need listen";
    const int closed = shim.ibdev(0, 7, 0, T3s, 1, 0);
    ASSERT_EQ(shim.ibonl(closed, 0), CMPL);
    char buffer[20];
    const struct {
        const char* call;
        std::function<void()> run;
        int sta;
        int err;
    } cases[] = {
        {"address -1", [&] { shim.ibdev(0, -1, 0, T3s, 1, 0); }, ERR, EARG},
        {"secondary 95", [&] { shim.ibdev(0, 7, 95, T3s, 1, 0); }, ERR, EARG},
        {"time-out 18", [&] { shim.ibdev(0, 7, 0, 18, 1, 0); }, ERR, EARG},
        {"board 1", [&] { shim.ibdev(1, 7, 0, T3s, 1, 0); }, ERR, ENEB},
        {"ibwrt nobody", [&] { write(nobody, "FREQ?"); }, ERR, ENOL},
        {"ibrd nobody", [&] { shim.ibrd(nobody, buffer, sizeof buffer); }, ERR, ENOL},
        {"ibloc nobody", [&] { shim.ibloc(nobody); }, ERR, ENOL},
        {"ibwrt closed", [&] { write(closed, "FREQ?"); }, ERR, EDVR},
        {"ibonl closed", [&] { shim.ibonl(closed, 0); }, ERR, EDVR},
        {"ibloc never opened", [&] { shim.ibloc(0); }, ERR, EDVR},
        {"ibwrt no buffer", [&] { shim.ibwrt(device, nullptr, 5); }, ERR, EARG},
        {"ibonl nobody", [&] { shim.ibonl(nobody, 0); }, CMPL, EARG}, // iberr stays
        {"ibwrt instrument gone", [&] { sim.stop(), write(device, "FREQ 1MHZ"); }, ERR, ENEB},
        {"ibrd instrument gone", [&] { shim.ibrd(device, buffer, sizeof buffer); }, ERR, ENEB},
        {"ibonl instrument gone", [&] { shim.ibonl(device, 0); }, CMPL, ENEB},
        {"ibdev instrument gone", [&] { shim.ibdev(0, 7, 0, T3s, 1, 0); }, ERR, ENEB},
        {"ibwrt closed, no instrument", [&] { write(closed, "FREQ?"); }, ERR, ENEB},
        {"ibdev without a socket",
         [&] { qunsetenv("ZOR_SIM_GPIB_SOCKET"), shim.ibdev(0, 7, 0, T3s, 1, 0); }, ERR, ENEB},
    };
    for (const auto& c : cases) {
        c.run();
        EXPECT_EQ(*shim.ibsta, c.sta) << c.call;
        EXPECT_EQ(*shim.iberr, c.err) << c.call;
        EXPECT_EQ(shim.ThreadIberr(), c.err) << c.call;
    }
    EXPECT_TRUE(sim.recorded().isEmpty());
}

// A late answer waits for the next read, whole or in pieces; a clear drops it.
TEST_F(GpibShim, LateAnswersComeWholeOrInPiecesAndAClearDropsThem) {
    const int ud = shim.ibdev(0, 7, 0, T3s, 1, 0);
    ASSERT_GT(ud, 0);
    EXPECT_EQ(shim.ibclr(ud), CMPL);
    EXPECT_EQ(write(ud, "FREQ 97.5MHZ"), CMPL);
    EXPECT_EQ(*shim.ibcnt, 12);
    write(ud, "FREQ?");
    qputenv("ZOR_SIM_GPIB_TIMEOUT_MS", "50");
    char buffer[70];
    EXPECT_EQ(shim.ibrd(ud, buffer, sizeof buffer), ERR | TIMO);
    EXPECT_EQ(*shim.iberr, EABO);
    EXPECT_EQ(*shim.ibcnt, 0);
    qputenv("ZOR_SIM_GPIB_TIMEOUT_MS", "2000");
    EXPECT_EQ(read(ud, 4), "9750") << "an answer too late for one read waits for the next";
    EXPECT_EQ(*shim.ibsta, CMPL) << "no END before the last byte";
    EXPECT_EQ(read(ud, 70), "0000\n");
    EXPECT_EQ(*shim.ibsta, END | CMPL);
    EXPECT_EQ(*shim.ibcntl, 5);

    // Each thread has its own status; the globals hold any thread's last call.
    std::thread([this] { shim.ibwrt(999, "x", 1); }).join();
    EXPECT_EQ(*shim.ibsta, ERR);
    EXPECT_EQ(*shim.iberr, EDVR);
    EXPECT_EQ(shim.ThreadIbsta(), END | CMPL);
    EXPECT_EQ(shim.ThreadIbcnt(), 5);
    EXPECT_EQ(shim.ThreadIbcntl(), 5);

    write(ud, "POW?");
    QThread::msleep(400); // the answer is on its way to the shim
    EXPECT_EQ(shim.ibclr(ud), CMPL);
    qputenv("ZOR_SIM_GPIB_TIMEOUT_MS", "500");
    EXPECT_EQ(shim.ibrd(ud, buffer, sizeof buffer), ERR | TIMO) << "nothing left to read";
    EXPECT_EQ(sim.recorded(), "FREQ 97.5MHZ\nFREQ?\nPOW?\n");
    EXPECT_EQ(sim.state().value("FREQ"), "97500000");
    EXPECT_EQ(shim.ibloc(ud), CMPL);
    EXPECT_EQ(shim.ibonl(ud, 0), CMPL);
}

// Options that cannot work together are refused.
TEST(SimOptions, UsesThatCannotWorkAreRefused) {
    for (const char* wrong : {"--silent --garbage", "--late soon", "--gpib-address 31",
                              "--hangup-after 0", "--bogus", "stray",
                              // A line can come back only where the program looks for it.
                              "--replug-after 10", "--hangup-after 1 --replug-after 10",
                              "--hangup-after 1 --link /tmp/x --device /dev/null --replug-after 1",
                              "--hangup-after 1 --link /tmp/x --replug-after -1",
                              // Written at once, every on-air file needs its count.
                              "--rds-hex-groups 5", "--mpx /tmp/x.wav --mpx-seconds 0",
                              "--rds-hex /tmp/x.hex --mpx /tmp/x.wav --mpx-seconds 1"}) {
        const auto parsed =
            sim::parseSimOptions(QStringList{"zor-sim"} + QString(wrong).split(' '));
        EXPECT_EQ(parsed.outcome, sim::SimOptionsResult::Outcome::Error) << wrong;
    }
}

} // namespace
} // namespace zor
