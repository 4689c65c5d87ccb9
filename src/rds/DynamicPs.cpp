#include "rds/DynamicPs.h"

#include "panel/PageKit.h"
#include "panel/PictureSwitch.h"
#include "panel/StatusLine.h"
#include "rds/RdsPage.h"
#include "rds/RdsTexts.h"
#include "settings/OperatorMessages.h"
#include "translate/Instrument.h"

#include <QLineEdit>
#include <QTimer>

namespace zor {

namespace {

constexpr int kStepMs = 2000;
const QString kPsKey = QStringLiteral("PS");

} // namespace

DynamicPs::DynamicPs(RdsPage& page) : page_(page) {
    connect(page.Taste_PS_Auto(), &QAbstractButton::clicked, this, &DynamicPs::Taste_PS_Auto_Click);
    connect(page.PS_Timer(), &QTimer::timeout, this, &DynamicPs::PS_Timer_Timer);
}

void DynamicPs::Taste_PS_Auto_Click() {
    running_ = !running_;
    page_.Taste_PS_Auto()->showOn(running_);
    setTimerInterval(page_.PS_Timer(), running_ ? kStepMs : 0);
}

void DynamicPs::PS_Timer_Timer() {
    if (!running_)
        return;
    PageContext& context = page_.context();
    alternation_ = nextAlternation(alternation_, page_.PS_T()->text());
    context.status.showStatus(StatusField::Ps, alternation_);
    context.instrument.send(kPsKey, alternation_);
    context.messages.processPendingEvents();
    if (running_)
        return;
    context.status.showStatus(StatusField::Ps, page_.PS_T()->text());
    context.instrument.send(kPsKey, context.status.statusText(StatusField::Ps));
}

void DynamicPs::reset() {
    running_ = false;
    alternation_.clear();
    page_.Taste_PS_Auto()->showOn(false);
}

} // namespace zor
