// The program's whole instrument link waiting for the instrument, beside a
// real window on the offscreen platform: the window repaints meanwhile, and
// a command that a timer asks for then follows the command or query under
// way.
#include "support/SimLink.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QTimer>
#include <QWidget>
#include <gtest/gtest.h>

namespace zor::test {
namespace {

class PaintCounter : public QWidget {
public:
    int paints = 0;

protected:
    void paintEvent(QPaintEvent*) override { ++paints; }
};

// A serial command waits 1 ms before and after it is written; a bus command
// waits only for the bus thread, which may be done before a timer is due.
struct Line {
    const char* name;
    Interface interface;
    QByteArray queryEnd;
    bool commandPauses;
};

class LinkWait : public ::testing::TestWithParam<Line> {
protected:
    static void SetUpTestSuite() {
        static int argc = 1;
        static char name[] = "link_window_tests";
        static char* argv[] = {name, nullptr};
        // It lives until the program ends, past every static of Qt's.
        if (!QCoreApplication::instance())
            new QApplication(argc, argv);
    }
};

// While the link waits the window repaints, and a timer's command waits its
// turn behind the command or query under way.
TEST_P(LinkWait, TheWindowRepaintsAndTimersCommandsFollowTheWorkUnderWay) {
    // 200 ms late: inside the coder's pause and the bus's time-out.
    SimLink link(GetParam().interface, {QStringLiteral("--late"), QStringLiteral("200")});
    ASSERT_TRUE(link.ready()) << link.why().toStdString();
    Instrument& instrument = link.instrument();
    PaintCounter window;
    window.show();
    const QDeadlineTimer shown(3000);
    while (window.paints == 0 && !shown.hasExpired())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    ASSERT_GT(window.paints, 0);
    const auto sendLater = [&instrument](int ms, const char* ps) {
        QTimer::singleShot(ms, [&instrument, ps] {
            instrument.send(QStringLiteral("PS"), QLatin1String(ps));
        });
    };

    // Due at the command's first pause.
    const bool pauses = GetParam().commandPauses;
    if (pauses)
        sendLater(0, "TIMER");
    instrument.send(QStringLiteral("PS"), QStringLiteral("BEFORE"));
    // Due while the query waits for its answer.
    sendLater(50, "AFTER");
    window.update();
    const int paintsBefore = window.paints;
    const Question ps{QueryTarget::Coder, QStringLiteral("PS"), QStringLiteral("PS?")};
    EXPECT_EQ(instrument.ask(ps).text.toStdString(), pauses ? "TIMER   " : "BEFORE  ");
    EXPECT_GT(window.paints, paintsBefore);
    EXPECT_EQ(instrument.ask(ps).text.toStdString(), "AFTER   ");

    const QByteArray query = ":STEREO:DIRECT? \"PS\"" + GetParam().queryEnd;
    const QByteArray wire = QByteArray(":STEREO:DIRECT \"PS=BEFORE  \"\n") +
                            (pauses ? ":STEREO:DIRECT \"PS=TIMER   \"\n" : "") + query +
                            ":STEREO:DIRECT \"PS=AFTER   \"\n" + query;
    EXPECT_TRUE(link.waitForSent(wire.size()));
    EXPECT_EQ(link.sentSinceOpening().toStdString(), wire.toStdString());
    EXPECT_TRUE(link.messages().messages.empty());
}

INSTANTIATE_TEST_SUITE_P(Lines, LinkWait,
                         ::testing::Values(Line{"serial", Interface::Serial, "\r\n", true},
                                           Line{"bus", Interface::Bus, "\n", false}),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace zor::test
