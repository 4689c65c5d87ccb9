#pragma once

#include <QObject>
#include <QString>

namespace zor {

class RdsPage;

// The dynamic PS of the RDS page: while it runs, the programme service name
// sent to the coder alternates every two seconds between the pattern
// ">--<>--<" and the text of the PS field. The switch Taste_PS_Auto turns it
// on and off, PS_Timer drives the steps. The stored PS and the current PS
// value stay as the PS button left them.
class DynamicPs : public QObject {
    Q_OBJECT

public:
    explicit DynamicPs(RdsPage& page);

    bool running() const { return running_; }

    // The switch: on starts the two-second steps, off stops the timer and
    // sends nothing, so the coder keeps the last step's name.
    void Taste_PS_Auto_Click();
    // One step while running. Pending window events run after the step is
    // sent; when the switch was turned off meanwhile, the PS field's name is
    // sent again so the coder gets the normal PS back.
    void PS_Timer_Timer();
    // Clears the running flag alone: the switch picture and the timer stay,
    // the ticks do nothing until the switch is clicked again.
    void stop() { running_ = false; }
    // The start-up state: not running, the switch shows off, and the next
    // first step sends the pattern again.
    void reset();

private:
    RdsPage& page_;
    bool running_ = false;
    QString alternation_;
};

} // namespace zor
