#include "app/StartUpMessages.h"

#include "settings/MessageLanguage.h"

#include <QStringList>

namespace zor {

StartUpMessages::StartUpMessages(OperatorMessages& operatorMessages)
    : operator_(operatorMessages) {}

void StartUpMessages::startUpDone() {
    keeping_ = false;
    if (kept_.isEmpty())
        return;
    if (kept_.size() == 1) {
        operator_.warnAfterEvent(kept_.front().title, kept_.front().text);
    } else {
        QStringList told;
        for (const Kept& kept : kept_)
            told << kept.title + QStringLiteral(":\n") + kept.text;
        operator_.warnAfterEvent(spoken(QStringLiteral("Beim Start"), QStringLiteral("At start")),
                                 told.join(QStringLiteral("\n\n")));
    }
    kept_.clear();
}

void StartUpMessages::warn(const QString& title, const QString& text) {
    if (keeping_)
        kept_.append({title, text});
    else
        operator_.warn(title, text);
}

void StartUpMessages::warnAfterEvent(const QString& title, const QString& text) {
    if (keeping_)
        kept_.append({title, text});
    else
        operator_.warnAfterEvent(title, text);
}

void StartUpMessages::critical(const QString& title, const QString& text) {
    operator_.critical(title, text);
}

bool StartUpMessages::askCritical(const QString& title, const QString& text) {
    return operator_.askCritical(title, text);
}

void StartUpMessages::quitProgram() {
    operator_.quitProgram();
}

void StartUpMessages::processPendingEvents() {
    operator_.processPendingEvents();
}

} // namespace zor
