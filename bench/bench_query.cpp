// How long the read-back buttons of the query page take over the serial
// line, against the fixed pauses of their queries (250 ms for each coder
// query, 100 ms for each generator query) that bounded them before they
// ended on the instrument's answer. The window program's own classes run
// offscreen, connected by the initialisation button to zor-sim on a
// pseudo-terminal; a round is one click on a button, from the click until
// the display shows the answers. Every button is clicked in turn; the EON
// button, the longest sequence (the other network's PI, then PS, TP, TA and
// five AF lists of 13 frequencies), gives its median, its slowest round and
// the processor time it takes as a share of its time on the clock. Then the
// EON button against instruments that answer late: 200 ms (inside the
// coder's pause, every answer must be the one of the prompt instrument, and
// the processor time shows what waiting costs) and 300 ms (beyond it, every
// query must show the no-answer text, and the PS button after them must
// show no late answer).
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
#include <algorithm>
#include <ctime>
#include <vector>

namespace {

using zor::ReadBackButton;

// The fixed pauses of the serial queries.
constexpr double kCoderPauseMs = 250.0;
constexpr double kGeneratorPauseMs = 100.0;
constexpr int kPsButton = 5;
// The record stays quiet this long before a round starts, and after a push.
constexpr qint64 kSettledMs = 30;
constexpr qint64 kPushOverMs = 300;
// Caption text shown when a serial query received nothing at all.
constexpr int kNoReplyText = 145;
// The tuned frequency and the alternatives of one AF list.
constexpr int kAfListLength = 13;

QTextStream out(stdout);
QTextStream err(stderr);

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

int numberOf(ReadBackButton button) {
    return zor::buttonName(button).mid(QStringLiteral("Command").size()).toInt();
}

double pausesOf(ReadBackButton button) {
    double ms = 0;
    for (const zor::Question& question : zor::readBackQueries(button))
        ms += question.target == zor::QueryTarget::Coder ? kCoderPauseMs : kGeneratorPauseMs;
    return ms;
}

// The nine answers of the EON display: the first line's four, then one a line.
QStringList eonFields(const QString& display) {
    QStringList lines = display.split(u'\n', Qt::SkipEmptyParts);
    if (lines.isEmpty())
        return {};
    QStringList fields = lines.takeFirst().split(QStringLiteral(" / "));
    return fields + lines;
}

// The window over a simulated instrument, connected and pushed.
class QueryRig {
public:
    explicit QueryRig(const QStringList& simArguments = {}) : rig_(eonAfLists(), simArguments) {
        if (!rig_.problem().isEmpty())
            return;
        page_ = rig_.program().window().queryPage();
        clock_.start();
        rig_.program().initialisation().INIT_Taste_Click();
        qint64 size = 0;
        rig_.instrument().lastByteAt(clock_, kPushOverMs, size);
    }
    ~QueryRig() {
        if (page_)
            rig_.program().initialisation().GTL_Taste_Click();
    }

    QString problem() const { return rig_.problem(); }
    QString noReply() const { return page_->context().texts.text(kNoReplyText); }

    // One click on button `number`: its time on the clock and its processor
    // time, in ms; false when the instrument did not get every question.
    bool click(ReadBackButton button, double& wallMs, double& processorMs) {
        qint64 before = 0;
        rig_.instrument().lastByteAt(clock_, kSettledMs, before);
        const std::clock_t cpu = std::clock();
        const qint64 clicked = clock_.nsecsElapsed();
        page_->Command_Click(numberOf(button));
        wallMs = static_cast<double>(clock_.nsecsElapsed() - clicked) / 1e6;
        processorMs = 1000.0 * static_cast<double>(std::clock() - cpu) / CLOCKS_PER_SEC;
        qint64 after = 0;
        rig_.instrument().lastByteAt(clock_, kSettledMs, after);
        const qsizetype asked = rig_.instrument().receivedFrom(before).count('\n');
        return asked == zor::readBackQueries(button).size();
    }
    QString shown() const { return page_->gelesen()->text(); }

private:
    zor::SerialRig rig_;
    zor::QueryPage* page_ = nullptr;
    QElapsedTimer clock_;
};

struct Timed {
    std::vector<double> wallMs;
    double processorMs = 0;
};

// Every button `rounds` times; false when one failed.
bool timeButtons(QueryRig& rig, int rounds, QString& eonDisplay) {
    const QString noReply = rig.noReply();
    std::vector<zor::BenchResult> others;
    Timed eon;
    for (ReadBackButton button : zor::readBackButtons()) {
        Timed timed;
        for (int round = 1; round <= rounds; ++round) {
            double wallMs = 0;
            double processorMs = 0;
            if (!rig.click(button, wallMs, processorMs) || rig.shown().contains(noReply)) {
                err << zor::buttonName(button) << " round " << round
                    << ": the instrument did not get every question, or the display shows:\n"
                    << rig.shown() << '\n';
                return false;
            }
            timed.wallMs.push_back(wallMs);
            timed.processorMs += processorMs;
        }
        const zor::BenchResult result{zor::buttonName(button), zor::median(timed.wallMs),
                                      pausesOf(button), QStringLiteral("ms")};
        out << QStringLiteral("%1 (%2 queries): median %3 ms, slowest %4 ms; pauses %5 ms; "
                              "ratio %6\n")
                   .arg(result.label)
                   .arg(zor::readBackQueries(button).size())
                   .arg(result.measured, 0, 'f', 2)
                   .arg(*std::max_element(timed.wallMs.begin(), timed.wallMs.end()), 0, 'f', 2)
                   .arg(result.floor, 0, 'f', 0)
                   .arg(result.ratio(), 0, 'f', 4);
        if (button == ReadBackButton::Command19) {
            eon = timed;
            eonDisplay = rig.shown();
        } else {
            others.push_back(result);
        }
    }
    const auto worst = *std::max_element(
        others.begin(), others.end(),
        [](const zor::BenchResult& a, const zor::BenchResult& b) { return a.ratio() < b.ratio(); });
    const double eonPauses = pausesOf(ReadBackButton::Command19);
    double eonWallMs = 0;
    for (double ms : eon.wallMs)
        eonWallMs += ms;
    out << "the EON display:\n"
        << eonDisplay << '\n'
        << zor::resultLine({QStringLiteral("EON read-back, 9 queries (serial), median"),
                            zor::median(eon.wallMs), eonPauses, QStringLiteral("ms")})
        << '\n'
        << zor::resultLine({QStringLiteral("EON read-back, 9 queries (serial), slowest"),
                            *std::max_element(eon.wallMs.begin(), eon.wallMs.end()), eonPauses,
                            QStringLiteral("ms")})
        << '\n'
        << zor::resultLine({QStringLiteral("EON read-back, processor time against the clock"),
                            eon.processorMs, eonWallMs, QStringLiteral("ms")})
        << '\n'
        << zor::resultLine({QStringLiteral("other read-back buttons, slowest ratio (%1)")
                                .arg(worst.label),
                            worst.measured, worst.floor, QStringLiteral("ms")})
        << '\n';
    return true;
}

// The EON button against an instrument `lateMs` late: how many of its nine
// answers are the `expected` fields (without any: the no-answer text), and,
// when asked for, whether the PS button after it shows no late answer.
bool lateAnswers(int lateMs, const QStringList& expected, bool thenPs) {
    QueryRig rig({QStringLiteral("--late"), QString::number(lateMs)});
    if (!rig.problem().isEmpty()) {
        err << rig.problem() << '\n';
        return false;
    }
    double wallMs = 0;
    double processorMs = 0;
    rig.click(ReadBackButton::Command19, wallMs, processorMs);
    const QStringList fields = eonFields(rig.shown());
    int right = 0;
    for (qsizetype i = 0; i < fields.size(); ++i) {
        const bool matches = expected.isEmpty() ? fields.at(i).endsWith(rig.noReply())
                                                : fields.at(i) == expected.value(i);
        right += matches ? 1 : 0;
    }
    out << "the EON display, answers " << lateMs << " ms late:\n"
        << rig.shown() << '\n'
        << zor::resultLine({QStringLiteral("EON read-back, answers %1 ms late, processor time "
                                           "against the clock")
                                .arg(lateMs),
                            processorMs, wallMs, QStringLiteral("ms")})
        << '\n'
        << zor::resultLine({QStringLiteral("EON read-back, answers %1 ms late, %2")
                                .arg(lateMs)
                                .arg(expected.isEmpty() ? QStringLiteral("no-answer texts")
                                                      : QStringLiteral("right answers")),
                            static_cast<double>(right), 9.0, QStringLiteral("answers")})
        << '\n';
    if (!thenPs)
        return true;
    rig.click(ReadBackButton::Command5, wallMs, processorMs);
    const bool own = rig.shown() == rig.noReply();
    out << "the PS display after it: " << rig.shown() << '\n'
        << zor::resultLine({QStringLiteral("PS read-back after them, showing no late answer"),
                            own ? 1.0 : 0.0, 1.0, QStringLiteral("answers")})
        << '\n';
    return true;
}

} // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int rounds = zor::roundsArgument(app.arguments(), 5);

    QString eonDisplay;
    {
        QueryRig rig;
        if (!rig.problem().isEmpty()) {
            err << rig.problem() << '\n';
            return 1;
        }
        if (!timeButtons(rig, rounds, eonDisplay))
            return 1;
    }
    const bool late = lateAnswers(200, eonFields(eonDisplay), false) && lateAnswers(300, {}, true);
    out.flush();
    return late ? 0 : 1;
}
