// The figures that matter to an operator, each against its floor measured in
// the same run, from one command: runs bench_startup (start-up and peak
// memory against a bare nine-tab window), bench_init (the initialisation
// push against its fixed pauses), bench_query (every read-back button
// against the fixed pauses of its queries, the EON button's processor time,
// and late answers), bench_cli (zor-rds-cli asking the coder against its own
// start-up) and bench_onair (the coder on air in real time
// against computing the same signal at once) from its own folder, gathers
// the "result:" lines they end with and prints one table. The machine's load
// average before and after is printed too: other work on the machine slows
// every figure.
//
//   bench_report [--rounds N] [--link-rounds N] [--verbose]
//
// --rounds sets the starts of each kind (default 21), --link-rounds the
// pushes and the queries over the serial line (default 9); --verbose also
// prints what each program printed.

#include "BenchResult.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTextStream>
#include <algorithm>
#include <vector>

namespace {

QTextStream out(stdout);
QTextStream err(stderr);

constexpr int kProgramLimitMs = 30 * 60 * 1000;

struct BenchRun {
    QString program;
    QStringList arguments;
};

QString loadAverage() {
    QFile file(QStringLiteral("/proc/loadavg"));
    if (!file.open(QIODevice::ReadOnly))
        return QStringLiteral("unknown");
    return QString::fromLatin1(file.readAll()).section(u' ', 0, 2);
}

int optionValue(const QStringList& arguments, const QString& option, int fallback) {
    const qsizetype at = arguments.indexOf(option);
    if (at > 0 && at + 1 < arguments.size())
        return std::max(1, arguments.at(at + 1).toInt());
    return fallback;
}

// What the programs told on standard error, without the offscreen platform's
// notes on window features it lacks, which every start repeats.
void printMessages(const QByteArray& printed) {
    for (const QByteArray& line : printed.split('\n')) {
        if (!line.isEmpty() && !line.startsWith("This plugin does not support") &&
            !line.startsWith("QStandardPaths: XDG_RUNTIME_DIR not set"))
            err << "  " << QString::fromUtf8(line) << '\n';
    }
}

// Runs one bench program beside this one and adds its results; false (with
// the reason on standard error) when it could not run or failed.
bool runBench(const BenchRun& run, bool verbose, std::vector<zor::BenchResult>& results) {
    const QString path = QCoreApplication::applicationDirPath() + u'/' + run.program;
    err << "running " << run.program << ' ' << run.arguments.join(u' ') << " ...\n";
    err.flush();
    QElapsedTimer took;
    took.start();
    QProcess process;
    process.start(path, run.arguments);
    const bool finished = process.waitForFinished(kProgramLimitMs);
    printMessages(process.readAllStandardError());
    if (!finished || process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0) {
        err << run.program << " failed: " << process.errorString() << " (exit code "
            << process.exitCode() << ")\n";
        return false;
    }
    const QString printed = QString::fromUtf8(process.readAllStandardOutput());
    if (verbose)
        out << "---- " << run.program << '\n' << printed;
    qsizetype found = 0;
    for (const QString& line : printed.split(u'\n')) {
        if (const auto result = zor::parseResultLine(line)) {
            results.push_back(*result);
            ++found;
        }
    }
    err << "  " << found << " figures in " << took.elapsed() / 1000 << " s\n";
    if (found == 0)
        err << run.program << " printed no result line\n";
    return found > 0;
}

QString figure(double value, const QString& unit) {
    return QString::number(value, 'f', 1) + u' ' + unit;
}

void printTable(const std::vector<zor::BenchResult>& results) {
    qsizetype labelWidth = 6;
    for (const zor::BenchResult& result : results)
        labelWidth = std::max(labelWidth, result.label.size());
    out << QStringLiteral("%1  %2  %3  %4\n")
               .arg(QStringLiteral("figure"), int(-labelWidth))
               .arg(QStringLiteral("measured"), 12)
               .arg(QStringLiteral("floor"), 12)
               .arg(QStringLiteral("ratio"), 7);
    for (const zor::BenchResult& result : results) {
        out << QStringLiteral("%1  %2  %3  %4\n")
                   .arg(result.label, int(-labelWidth))
                   .arg(figure(result.measured, result.unit), 12)
                   .arg(figure(result.floor, result.unit), 12)
                   .arg(QString::number(result.ratio(), 'f', 3), 7);
    }
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    const QStringList arguments = app.arguments();
    const QString rounds = QString::number(optionValue(arguments, QStringLiteral("--rounds"), 21));
    const QString linkRounds =
        QString::number(optionValue(arguments, QStringLiteral("--link-rounds"), 9));
    const bool verbose = arguments.contains(QStringLiteral("--verbose"));

    const std::vector<BenchRun> runs = {
        {QStringLiteral("bench_startup"),
         {QStringLiteral("--rounds"), rounds, QStringLiteral("--starts-only")}},
        {QStringLiteral("bench_init"), {QStringLiteral("--rounds"), linkRounds}},
        {QStringLiteral("bench_query"), {QStringLiteral("--rounds"), linkRounds}},
        {QStringLiteral("bench_cli"), {QStringLiteral("--rounds"), linkRounds}},
        {QStringLiteral("bench_onair"), {QStringLiteral("--rounds"), QStringLiteral("3")}},
    };
    const QString loadBefore = loadAverage();
    std::vector<zor::BenchResult> results;
    bool complete = true;
    for (const BenchRun& run : runs)
        complete = runBench(run, verbose, results) && complete;

    out << "load average before " << loadBefore << ", after " << loadAverage() << "; starts "
        << rounds << " of each kind (median), serial rounds " << linkRounds << " (median)\n";
    printTable(results);
    return complete ? 0 : 1;
}
