// How long the instrument initialisation takes over the serial line, against
// the floor its fixed pauses impose: 1 ms before and 1 ms after every serial
// command, so 2 ms times the number of commands. The window program's own
// classes run offscreen over a copy of the bundled data folder; zor-sim
// (beside this program) stands in for the instrument on a pseudo-terminal
// and records every byte it receives. A round runs from the click on the
// initialisation button to the last byte the instrument received; "Local"
// separates the rounds.
//
//   bench_init [--rounds N]

#include "BenchResult.h"
#include "SerialRig.h"
#include "app/ProgramStart.h"
#include "ui/Initialisation.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTextStream>
#include <vector>

namespace {

// The pause before and the pause after every command on the serial line.
constexpr double kCommandPausesMs = 2.0;
// The record stays quiet this long between the steps of a round.
constexpr qint64 kSettledMs = 50;
// A push is over once the line has been quiet this long.
constexpr qint64 kPushOverMs = 300;

} // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTextStream out(stdout);
    const int rounds = zor::roundsArgument(app.arguments(), 5);

    zor::SerialRig rig;
    if (!rig.problem().isEmpty()) {
        QTextStream(stderr) << rig.problem() << '\n';
        return 1;
    }
    const zor::SimulatedInstrument& instrument = rig.instrument();

    std::vector<double> times;
    qint64 commands = 0;
    double floorMs = 0;
    QElapsedTimer clock;
    clock.start();
    for (int round = 1; round <= rounds; ++round) {
        qint64 before = 0;
        instrument.lastByteAt(clock, kSettledMs, before);
        const qint64 pushed = clock.nsecsElapsed();
        rig.program().initialisation().INIT_Taste_Click();
        qint64 after = 0;
        const qint64 last = instrument.lastByteAt(clock, kPushOverMs, after);
        commands = instrument.receivedFrom(before).count('\n');
        floorMs = kCommandPausesMs * static_cast<double>(commands);
        const double ms = static_cast<double>(last - pushed) / 1e6;
        times.push_back(ms);
        out << QStringLiteral("round %1: %2 commands in %3 ms, %4 x the floor of %5 ms\n")
                   .arg(round)
                   .arg(commands)
                   .arg(ms, 0, 'f', 2)
                   .arg(ms / floorMs, 0, 'f', 2)
                   .arg(floorMs, 0, 'f', 0);
        out.flush();
        rig.program().initialisation().GTL_Taste_Click();
    }
    const zor::BenchResult result{
        QStringLiteral("initialisation push, %1 commands (serial)").arg(commands),
        zor::median(times), floorMs, QStringLiteral("ms")};
    out << QStringLiteral("initialisation over the serial line: median %1 ms for %2 commands; "
                          "floor 2 ms x %2 = %3 ms; ratio %4\n")
               .arg(result.measured, 0, 'f', 2)
               .arg(commands)
               .arg(floorMs, 0, 'f', 0)
               .arg(result.ratio(), 0, 'f', 2)
        << zor::resultLine(result) << '\n';
    return 0;
}
