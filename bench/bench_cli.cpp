// How long `zor-rds-cli query coder PS` takes as a whole process over a
// pseudo-terminal to zor-sim, against the process's own start-up: the same
// program printing one value of a settings file (`ini get`), which opens no
// interface. The two kinds of run take turns; the coder holds the bundled
// PS, sent once by `zor-rds-cli send PS` before the rounds.
//
//   bench_cli [--rounds N]

#include "BenchResult.h"
#include "SerialDataFolder.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QTextStream>
#include <vector>

namespace {

constexpr int kRunLimitMs = 30000;

QTextStream out(stdout);
QTextStream err(stderr);

// Runs zor-rds-cli over the data folder; its time on the clock in ms, or a
// negative time when it failed or printed something else than `expected`.
double runCli(const QString& dataFolder, const QStringList& command, const QByteArray& expected) {
    QProcess cli;
    cli.setProgram(QCoreApplication::applicationDirPath() + QStringLiteral("/zor-rds-cli"));
    cli.setArguments(QStringList{QStringLiteral("--data-dir"), dataFolder} + command);
    QElapsedTimer took;
    took.start();
    cli.start();
    const bool finished = cli.waitForFinished(kRunLimitMs);
    const double ms = static_cast<double>(took.nsecsElapsed()) / 1e6;
    const QByteArray printed = cli.readAllStandardOutput();
    if (!finished || cli.exitStatus() != QProcess::NormalExit || cli.exitCode() != 0 ||
        (!expected.isNull() && printed != expected)) {
        err << "zor-rds-cli " << command.join(u' ') << " failed (exit code " << cli.exitCode()
            << "): " << printed << cli.readAllStandardError() << '\n';
        return -1;
    }
    return ms;
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    const int rounds = zor::roundsArgument(app.arguments(), 9);
    const zor::SerialDataFolder folder;
    if (!folder.problem().isEmpty()) {
        err << folder.problem() << '\n';
        return 1;
    }
    const QStringList startUp{QStringLiteral("ini"), QStringLiteral("get"),
                              QStringLiteral("RDS_Allg.INI"), QStringLiteral("BUS"),
                              QStringLiteral("Interface")};
    const QStringList query{QStringLiteral("query"), QStringLiteral("coder"), QStringLiteral("PS")};
    if (runCli(folder.path(), {QStringLiteral("send"), QStringLiteral("PS")}, QByteArray()) < 0)
        return 1;

    std::vector<double> startUps;
    std::vector<double> queries;
    for (int round = 1; round <= rounds; ++round) {
        const double started = runCli(folder.path(), startUp, "COM\n");
        const double asked = runCli(folder.path(), query, "ZOR RDS \n");
        if (started < 0 || asked < 0)
            return 1;
        startUps.push_back(started);
        queries.push_back(asked);
        out << QStringLiteral("round %1: start-up %2 ms, query coder PS %3 ms\n")
                   .arg(round)
                   .arg(started, 0, 'f', 2)
                   .arg(asked, 0, 'f', 2);
        out.flush();
    }
    out << zor::resultLine({QStringLiteral("zor-rds-cli query coder PS, whole process"),
                            zor::median(queries), zor::median(startUps), QStringLiteral("ms")})
        << '\n';
    return 0;
}
