#pragma once

#include "settings/OperatorMessages.h"

#include <QList>
#include <QString>

namespace zor {

// Between the start-up and the operator: while the start-up runs, the
// problems it finds (a missing catalogue, a broken settings file, a serial
// port that cannot be opened) are kept instead of shown, so that nothing
// holds up an unattended start; once the window is up they are told once,
// together. The bus's questions are asked at once, as the operator has to
// answer them before the start-up can go on.
class StartUpMessages final : public OperatorMessages {
public:
    explicit StartUpMessages(OperatorMessages& operatorMessages);

    // Tells what was kept, in one message after the window has come up, and
    // passes every later message straight on.
    void startUpDone();

    void warn(const QString& title, const QString& text) override;
    void warnAfterEvent(const QString& title, const QString& text) override;
    void critical(const QString& title, const QString& text) override;
    bool askCritical(const QString& title, const QString& text) override;
    void quitProgram() override;
    void processPendingEvents() override;

private:
    struct Kept {
        QString title;
        QString text;
    };

    OperatorMessages& operator_;
    bool keeping_ = true;
    QList<Kept> kept_;
};

} // namespace zor
