#pragma once

#include <QObject>
#include <chrono>
#include <optional>

namespace zor {

class Clock;
class DynamicPs;
class RdsPage;

// Whether an automatic announcement that started at `start` still runs at
// `now`: up to and including `durationSeconds` after its start. None runs
// before the first start.
bool announcementRuns(std::chrono::milliseconds now, std::optional<std::chrono::milliseconds> start,
                      int durationSeconds);
// Whether the next automatic announcement is due at `now`: strictly more than
// `intervalSeconds` after the last start, or at once when none started yet.
bool repetitionDue(std::chrono::milliseconds now,
                   std::optional<std::chrono::milliseconds> lastStart, int intervalSeconds);
// The duration a step control may take: never more than the interval.
int durationWithin(int wanted, int intervalSeconds);
// The interval a step control may take: at least one second beyond the
// duration.
int intervalBeyond(int wanted, int durationSeconds);

// The frame "TA Funktion" of the RDS page: the traffic announcement switch,
// manual and automatic mode, the duration and repetition interval with their
// step controls and labels, the announcement timer TA_Timer, the repetition
// timer TA_Rep_Timer and the EON help box. Every change of the coder's TA
// flag is handed over as "TA" with "1" or "0".
//
// Times come from the page's clock on a monotonic scale: an announcement
// that spans midnight runs its set duration like any other.
class TrafficAnnouncements : public QObject {
    Q_OBJECT

public:
    TrafficAnnouncements(RdsPage& page, DynamicPs& dynamicPs);

    void setClock(const Clock& clock) { clock_ = &clock; }

    // The TA flag: an announcement is on.
    bool on() const { return on_; }
    void setOn(bool on) { on_ = on; }
    // The duration D and the interval R in seconds.
    int duration() const { return duration_; }
    int interval() const { return interval_; }
    // Whether "TA" "0" has gone out since the last automatic announcement.
    bool offSent() const { return offSent_; }

    // The switch: toggles the flag and hands it over. In automatic mode
    // switching on starts an announcement now and leaves showing it to the
    // announcement timer.
    void TA_Taste_Click();
    // Mode choice: 0 manual (announcement timer stopped), 1 automatic
    // (announcement timer every second). Stops the dynamic PS.
    void TA_Option_Click(int index);
    void TA_HScroll_Change(int value);
    void TA_Rep_HScroll_Change(int value);
    // Every second in automatic mode: keeps TA on while the announcement
    // runs, then sends "0" once; without TP the mode falls back to manual.
    void TA_Timer_Timer();
    // Every half second in automatic mode: starts the next announcement when
    // the interval has passed since the last start.
    void TA_Rep_Timer_Timer();
    void TA_EON_Hilfe_Click();

    // Start-up: the stored duration and interval onto their step controls
    // (each change runs its handler), TA off and manual mode selected.
    void restore();

private:
    bool automatic() const;
    std::chrono::milliseconds now() const;
    void hand(bool on);
    void chooseManual();

    RdsPage& page_;
    DynamicPs& dynamicPs_;
    const Clock* clock_;

    bool on_ = false;
    int duration_ = 0;
    int interval_ = 0;
    std::optional<std::chrono::milliseconds> start_;
    std::optional<std::chrono::milliseconds> lastStart_;
    bool offSent_ = false;
};

} // namespace zor
