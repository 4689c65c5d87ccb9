// How long the longest query sequence takes over the serial line: the EON
// button of the query page, which asks the other network's PI, then its PS,
// TP, TA and five AF lists, each question followed by the coder's fixed
// 250 ms answer pause. The floor is the sum of those pauses. The window
// program's own classes run offscreen, connected by the initialisation
// button to zor-sim on a pseudo-terminal; a round is one click on the
// button, from the click until the display shows the answers.
//
//   bench_query [--rounds N]

#include "BenchResult.h"
#include "SerialRig.h"
#include "app/ProgramStart.h"
#include "panel/DisplayLabel.h"
#include "settings/Captions.h"
#include "translate/ReadBack.h"
#include "ui/HMenue.h"
#include "ui/Initialisation.h"
#include "ui/QueryPage.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTextStream>
#include <vector>

namespace {

// The coder's answer pause after a query on the serial line.
constexpr double kCoderPauseMs = 250.0;
constexpr int kEonButton = 19;
// The record stays quiet this long before a round starts.
constexpr qint64 kSettledMs = 300;
// Caption text shown when a serial query received nothing at all.
constexpr int kNoReplyText = 145;
// The tuned frequency and the alternatives of one AF list.
constexpr int kAfListLength = 13;

// Five full lists for the other network, so every AF answer carries a list
// as long as an operator would keep there.
QList<zor::StoredRdsValue> eonAfLists() {
    QList<zor::StoredRdsValue> lists;
    for (int n = 1; n <= 5; ++n) {
        QStringList frequencies;
        for (int step = 0; step < kAfListLength; ++step)
            frequencies << QString::number(87.6 + 0.1 * (n + 4 * step), 'f', 1);
        lists.append({QStringLiteral("EON_AFB%1").arg(n), frequencies.join(u',')});
    }
    return lists;
}

} // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);
    const int rounds = zor::roundsArgument(app.arguments(), 5);

    zor::SerialRig rig(eonAfLists());
    if (!rig.problem().isEmpty()) {
        err << rig.problem() << '\n';
        return 1;
    }
    const zor::SimulatedInstrument& instrument = rig.instrument();
    zor::QueryPage& page = *rig.program().window().queryPage();
    const QString noReply = page.context().texts.text(kNoReplyText);
    const qsizetype queries = zor::readBackQueries(zor::ReadBackButton::Command19).size();
    const double floorMs = kCoderPauseMs * static_cast<double>(queries);

    QElapsedTimer clock;
    clock.start();
    rig.program().initialisation().INIT_Taste_Click();
    std::vector<double> times;
    for (int round = 1; round <= rounds; ++round) {
        qint64 before = 0;
        instrument.lastByteAt(clock, kSettledMs, before);
        const qint64 clicked = clock.nsecsElapsed();
        page.Command_Click(kEonButton);
        const double ms = static_cast<double>(clock.nsecsElapsed() - clicked) / 1e6;
        qint64 after = 0;
        instrument.lastByteAt(clock, kSettledMs, after);
        const qsizetype asked = instrument.receivedFrom(before).count('\n');
        const QString shown = page.gelesen()->text();
        if (asked != queries || (!noReply.isEmpty() && shown.contains(noReply))) {
            err << "round " << round << ": the instrument received " << asked << " of " << queries
                << " queries; the display shows:\n"
                << shown << '\n';
            return 1;
        }
        if (round == 1)
            out << "the display after the first round:\n" << shown;
        times.push_back(ms);
        out << QStringLiteral("round %1: %2 queries in %3 ms, %4 x the floor of %5 ms\n")
                   .arg(round)
                   .arg(queries)
                   .arg(ms, 0, 'f', 2)
                   .arg(ms / floorMs, 0, 'f', 3)
                   .arg(floorMs, 0, 'f', 0);
        out.flush();
    }
    rig.program().initialisation().GTL_Taste_Click();
    const zor::BenchResult result{QStringLiteral("EON query, %1 queries (serial)").arg(queries),
                                  zor::median(times), floorMs, QStringLiteral("ms")};
    out << QStringLiteral("EON query over the serial line: median %1 ms for %2 queries; "
                          "floor 250 ms x %2 = %3 ms; ratio %4\n")
               .arg(result.measured, 0, 'f', 2)
               .arg(queries)
               .arg(floorMs, 0, 'f', 0)
               .arg(result.ratio(), 0, 'f', 3)
        << zor::resultLine(result) << '\n';
    return 0;
}
