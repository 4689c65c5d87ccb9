#pragma once

#include "settings/OperatorMessages.h"

#include <QTextStream>

namespace zor {

// The operator of the command-line tool, the benches and the screenshot tool
// is standard error: every message box becomes a few lines there. A device
// status question is answered "go on" so the run can finish and report the
// failure through its exit status. Pending events run as they do under the
// window, so timers of the pages keep their order.
class ConsoleMessages : public OperatorMessages {
public:
    void warn(const QString& title, const QString& text) override;
    void critical(const QString& title, const QString& text) override;
    bool askCritical(const QString& title, const QString& text) override;
    void quitProgram() override;
    void processPendingEvents() override;

    // True once anything was reported.
    bool reported() const { return reported_; }

private:
    void print(const QString& title, const QString& text);

    bool reported_ = false;
};

} // namespace zor
