#include "rds/TrafficAnnouncements.h"

#include "panel/DisplayLabel.h"
#include "panel/PageKit.h"
#include "panel/PictureSwitch.h"
#include "panel/StatusLine.h"
#include "rds/DynamicPs.h"
#include "rds/RdsPage.h"
#include "rds/RdsTexts.h"
#include "settings/Captions.h"
#include "settings/OperatorMessages.h"
#include "settings/SettingsStore.h"
#include "translate/Clock.h"
#include "translate/Instrument.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QRadioButton>
#include <QScrollBar>
#include <QTimer>

namespace zor {

namespace {

using std::chrono::milliseconds;
using std::chrono::seconds;

constexpr int kAnnouncementTickMs = 1000;
// Where the announcement times are kept: section "RDS" of the general
// settings file.
constexpr auto kSection = "RDS";
constexpr auto kDurationKey = "TA_ON";
constexpr auto kIntervalKey = "TA_REP";

} // namespace

bool announcementRuns(milliseconds now, std::optional<milliseconds> start, int durationSeconds) {
    return start && now <= *start + seconds(durationSeconds);
}

bool repetitionDue(milliseconds now, std::optional<milliseconds> lastStart, int intervalSeconds) {
    return !lastStart || now > *lastStart + seconds(intervalSeconds);
}

int durationWithin(int wanted, int intervalSeconds) {
    return wanted > intervalSeconds ? intervalSeconds : wanted;
}

int intervalBeyond(int wanted, int durationSeconds) {
    return wanted <= durationSeconds ? durationSeconds + 1 : wanted;
}

TrafficAnnouncements::TrafficAnnouncements(RdsPage& page, DynamicPs& dynamicPs)
    : page_(page), dynamicPs_(dynamicPs), clock_(&systemClock()) {
    connect(page.TA_Taste(), &QAbstractButton::clicked, this,
            &TrafficAnnouncements::TA_Taste_Click);
    connect(page.TA_Option(), &QButtonGroup::idClicked, this,
            &TrafficAnnouncements::TA_Option_Click);
    connect(page.TA_HScroll(), &QScrollBar::valueChanged, this,
            &TrafficAnnouncements::TA_HScroll_Change);
    connect(page.TA_Rep_HScroll(), &QScrollBar::valueChanged, this,
            &TrafficAnnouncements::TA_Rep_HScroll_Change);
    connect(page.TA_Timer(), &QTimer::timeout, this, &TrafficAnnouncements::TA_Timer_Timer);
    connect(page.TA_Rep_Timer(), &QTimer::timeout, this, &TrafficAnnouncements::TA_Rep_Timer_Timer);
    connect(page.TA_EON_Hilfe(), &QAbstractButton::clicked, this,
            &TrafficAnnouncements::TA_EON_Hilfe_Click);
}

void TrafficAnnouncements::TA_Taste_Click() {
    PageContext& context = page_.context();
    page_.TA_Taste()->showOn(false);
    if (on_) {
        context.status.showStatus(StatusField::Ta, context.texts.text(Text::WordOff));
        on_ = false;
        hand(false);
        return;
    }
    context.status.showStatus(StatusField::Ta, context.texts.text(Text::WordOn));
    on_ = true;
    hand(true);
    if (automatic()) {
        // The announcement timer shows the switch on at its next tick.
        start_ = now();
        lastStart_ = start_;
    } else {
        page_.TA_Taste()->showOn(true);
    }
}

void TrafficAnnouncements::TA_Option_Click(int index) {
    dynamicPs_.stop();
    setTimerInterval(page_.TA_Timer(), index == 1 ? kAnnouncementTickMs : 0);
}

// Raising the duration beyond the interval moves the control back, which
// runs this handler once more for the corrected position before this run
// ends.
void TrafficAnnouncements::TA_HScroll_Change(int value) {
    QScrollBar* step = page_.TA_HScroll();
    if (value > interval_)
        step->setValue(durationWithin(value, interval_));
    page_.TA_Zeit_Label()->setText(
        secondsLabel(page_.context().texts.text(Text::DurationWord), step->value()));
    duration_ = step->value();
    page_.context().settings.write(kGeneralFile, kSection, kDurationKey,
                                   QString::number(duration_));
}

void TrafficAnnouncements::TA_Rep_HScroll_Change(int value) {
    QScrollBar* step = page_.TA_Rep_HScroll();
    if (value <= duration_)
        step->setValue(intervalBeyond(value, duration_));
    page_.TA_Rep_Label()->setText(
        secondsLabel(page_.context().texts.text(Text::IntervalWord), step->value()));
    interval_ = step->value();
    page_.context().settings.write(kGeneralFile, kSection, kIntervalKey,
                                   QString::number(interval_));
}

void TrafficAnnouncements::TA_Timer_Timer() {
    if (!automatic())
        return;
    if (announcementRuns(now(), start_, duration_)) {
        page_.TA_Taste()->showOn(true);
        on_ = true;
        offSent_ = false;
        hand(true);
        page_.TA_Option(0)->setEnabled(false);
        return;
    }
    page_.TA_Taste()->showOn(false);
    on_ = false;
    if (!offSent_) {
        hand(false);
        offSent_ = true;
    }
    page_.TA_Option(0)->setEnabled(true);
    if (!page_.Check1()->isChecked())
        chooseManual();
}

void TrafficAnnouncements::TA_Rep_Timer_Timer() {
    if (!automatic())
        return;
    const milliseconds t = now();
    if (!repetitionDue(t, lastStart_, interval_))
        return;
    lastStart_ = t;
    TA_Taste_Click();
}

void TrafficAnnouncements::TA_EON_Hilfe_Click() {
    const Captions& texts = page_.context().texts;
    const int first = textNumber(Text::EonTaHelpFirstLine);
    page_.context().messages.warn(texts.text(Text::EonTaTitle),
                                  eonHelpText(texts.text(first), texts.text(first + 1),
                                              texts.text(first + 2), texts.text(first + 3)));
}

void TrafficAnnouncements::restore() {
    const SettingsStore& settings = page_.context().settings;
    page_.TA_Taste()->showOn(false);
    QScrollBar* durationStep = page_.TA_HScroll();
    QScrollBar* intervalStep = page_.TA_Rep_HScroll();
    duration_ =
        storedSeconds(settings.read(kGeneralFile, kSection, kDurationKey), durationStep->maximum());
    interval_ =
        storedSeconds(settings.read(kGeneralFile, kSection, kIntervalKey), intervalStep->maximum());
    intervalStep->setValue(interval_);
    on_ = false;
    durationStep->setValue(duration_);
    chooseManual();
}

bool TrafficAnnouncements::automatic() const {
    return page_.TA_Option(1)->isChecked();
}

milliseconds TrafficAnnouncements::now() const {
    return clock_->elapsed();
}

void TrafficAnnouncements::hand(bool on) {
    page_.context().instrument.send(QStringLiteral("TA"), switchValue(on));
}

void TrafficAnnouncements::chooseManual() {
    page_.TA_Option(0)->setChecked(true);
    TA_Option_Click(0);
}

} // namespace zor
