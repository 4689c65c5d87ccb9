#pragma once

#include "link/OperatorMessages.h"

namespace zor {

// A bench has nobody to click a message box: every message goes to standard
// error, a question is answered "go on", and pending events run as they do
// under the window.
class PrintedMessages : public OperatorMessages {
public:
    void warn(const QString& title, const QString& text) override;
    void critical(const QString& title, const QString& text) override;
    bool askCritical(const QString& title, const QString& text) override;
    void quitProgram() override {}
    void processPendingEvents() override;
};

} // namespace zor
