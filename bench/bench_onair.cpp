// The processor share of putting the coder on air in real time: zor-sim
// writing the multiplex WAV file and the hex groups beside its serial line
// for a while, against the floor of computing the same seconds of signal at
// once (--mpx-seconds), which is the work the signal itself takes. Both from
// one state with RDS, pilot, ARI and the audio tone on. Processor time is
// the child's user and system time as the kernel counts it.
//
//   bench_onair [--seconds S] [--rounds N]

#include "BenchResult.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>
#include <QTextStream>
#include <chrono>
#include <csignal>
#include <sys/resource.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace {

constexpr char kState[] = "RDS=ON\nPI=D3C3\nPS=RADIO 1 \nPTY=07\nRT=Hello from the lab\n"
                          "AF1=98.5,87.6,101.3\nGS=00A,02A,14A\nEON-PI=D3C4\nEON-PS,D3C4=OTHER   \n"
                          "CT=12:00:00,01.01.26\nPIL=ON\nARI=ON\nSTEREO=ON\nSRC=LFGEN\n"
                          "MPX-DEV=75000\nPIL-DEV=6750\nRDS-DEV=2000\nARI-DEV=3500\nAFREQ=1000\n";

double seconds(const timeval& t) {
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_usec) / 1e6;
}

// Runs zor-sim with `arguments`; after `runFor` seconds (0: to its end) it
// is asked to stop. The processor seconds it used.
double processorSeconds(const QStringList& arguments, double runFor) {
    const QByteArray program = (QCoreApplication::applicationDirPath() + "/zor-sim").toLocal8Bit();
    std::vector<QByteArray> storage{program};
    for (const QString& argument : arguments)
        storage.push_back(argument.toLocal8Bit());
    std::vector<char*> argv;
    for (QByteArray& s : storage)
        argv.push_back(s.data());
    argv.push_back(nullptr);
    const pid_t child = fork();
    if (child == 0) {
        freopen("/dev/null", "w", stdout);
        execv(program.constData(), argv.data());
        _exit(127);
    }
    if (runFor > 0) {
        std::this_thread::sleep_for(std::chrono::duration<double>(runFor));
        kill(child, SIGTERM);
    }
    int status = 0;
    rusage usage{};
    wait4(child, &status, 0, &usage);
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    const QStringList arguments = app.arguments();
    const int rounds = zor::roundsArgument(arguments, 3);
    const qsizetype at = arguments.indexOf(QStringLiteral("--seconds"));
    const double span = at > 0 && at + 1 < arguments.size() ? arguments[at + 1].toDouble() : 10.0;

    QTemporaryDir folder;
    const QString state = folder.filePath("state.txt");
    QFile file(state);
    if (!folder.isValid() || !file.open(QIODevice::WriteOnly) || file.write(kState) < 0)
        return 1;
    file.close();

    std::vector<double> live, atOnce;
    for (int round = 0; round < rounds; ++round) {
        const QString wav = folder.filePath("mpx.wav");
        const QString hex = folder.filePath("groups.hex");
        live.push_back(100.0 *
                       processorSeconds({"--state", state, "--mpx", wav, "--rds-hex", hex}, span) /
                       span);
        atOnce.push_back(
            100.0 *
            processorSeconds(
                {"--state", state, "--mpx", wav, "--mpx-seconds", QString::number(span)}, 0) /
            span);
    }
    const zor::BenchResult result{QStringLiteral("on air in real time, share of one core"),
                                  zor::median(live), zor::median(atOnce), QStringLiteral("%")};
    out << "real-time multiplex and hex groups for " << span << " s, " << rounds
        << " rounds (median): " << QString::number(result.measured, 'f', 2)
        << " % of one core (limit 5 %); the same signal computed at once: "
        << QString::number(result.floor, 'f', 2) << " %\n";
    out << zor::resultLine(result) << '\n';
    return 0;
}
