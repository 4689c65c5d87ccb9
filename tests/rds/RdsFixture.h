#pragma once

#include "panel/PageFixture.h"
#include "rds/RdsPage.h"
#include "translate/Clock.h"

#include <QCoreApplication>
#include <QTimer>
#include <QTimerEvent>
#include <vector>

namespace zor::test {

// A clock that stands still until the test moves it.
struct ManualClock : Clock {
    std::chrono::milliseconds elapsed() const override { return now; }
    QDateTime localTime() const override {
        return QDateTime(QDate(2024, 3, 5), QTime(14, 7, 9)).addMSecs(now.count());
    }
    std::chrono::milliseconds now{3'600'000};
};

// Runs timers on a manual clock: their own time-outs are held back, and
// advance() moves the clock a millisecond at a time and fires each running
// timer whenever its interval has passed since it was (re)started, in the
// order the timers were given.
class TimerDriver : public QObject {
public:
    TimerDriver(ManualClock& clock, const QList<QTimer*>& timers) : clock_(clock) {
        for (QTimer* timer : timers) {
            timer->installEventFilter(this);
            watches_.push_back({timer, false, 0, {}});
        }
    }
    void advance(int ms) {
        for (int step = 0; step < ms; ++step) {
            clock_.now += std::chrono::milliseconds(1);
            for (Watch& watch : watches_) {
                QTimer* timer = watch.timer;
                if (timer->isActive() != watch.active || timer->interval() != watch.interval)
                    watch = {timer, timer->isActive(), timer->interval(),
                             clock_.now + std::chrono::milliseconds(timer->interval() - 1)};
                if (watch.active && clock_.now >= watch.due) {
                    watch.due += std::chrono::milliseconds(watch.interval);
                    QTimerEvent event(timer->timerId());
                    passing_ = &event;
                    QCoreApplication::sendEvent(timer, &event);
                    passing_ = nullptr;
                }
            }
        }
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        return event->type() == QEvent::Timer && event != passing_;
    }

private:
    struct Watch {
        QTimer* timer;
        bool active;
        int interval;
        std::chrono::milliseconds due;
    };
    ManualClock& clock_;
    std::vector<Watch> watches_;
    const QEvent* passing_ = nullptr;
};

// The captions the RDS pages show, in German.
inline void setRdsCaptions(Captions& texts) {
    const std::pair<int, const char*> captions[] = {
        {40, "Dauer [s]:"}, {41, "Wiederholung [s]:"}, {56, "Musik"}, {57, "Sprache"},
        {83, "Gruppenfolge"}, {161, "AF-Liste"}, {164, "Bereich"}, {166, "Komma"},
        {167, "EON TA"}, {168, "ohne TP"}, {169, "mit TA"}, {171, "ab dem zweiten"},
        {172, "Einfügen"}, {186, "EON TA nur mit"}, {187, "TP aus,"}, {188, "TA ein"},
        {189, "und EON TP ein."}, {192, "ein"}, {193, "aus"}};
    for (const auto& [number, text] : captions)
        texts.setText(number, QString::fromUtf8(text));
}

// The names of the 32 programme types.
inline QStringList programmeTypes() {
    QStringList names;
    for (int code = 0; code < 32; ++code)
        names << QStringLiteral("Type %1").arg(code);
    return names;
}

// The RDS page, its clock and timers on a manual clock.
class RdsPageTest : public ::testing::Test {
protected:
    RdsPageTest() {
        setRdsCaptions(services.texts);
        page.setClock(clock);
    }
    void advance(int ms) { timers.advance(ms); }
    QString dataSet(const char* key) const { return services.stored(kDataSetFile, "RDS", key); }
    QString status(StatusField field) const { return services.status.statusText(field); }
    QStringList sent() { return services.instrument.takeSent(); }

    PageServices services;
    ManualClock clock;
    RdsPage page{services.context};
    TimerDriver timers{clock, {page.Timer1(), page.TA_Timer(), page.TA_Rep_Timer(), page.PS_Timer()}};
};

} // namespace zor::test
