#pragma once

#include "settings/OperatorMessages.h"

#include <QCoreApplication>
#include <QStringList>
#include <functional>
#include <vector>

namespace zor::test {

// Stands in for the operator's message boxes: records every call, answers
// the Yes/No question as told and lets pending events run as the window's
// boxes do. A message meant for after its event is recorded at once.
class RecordingOperator : public OperatorMessages {
public:
    struct Message {
        QString kind; // "warn", "critical" or "ask"
        QString title;
        QString text;
    };

    void warn(const QString& title, const QString& text) override {
        messages.push_back({QStringLiteral("warn"), title, text});
        warnings << title + QStringLiteral(" | ") + text;
    }
    void critical(const QString& title, const QString& text) override {
        messages.push_back({QStringLiteral("critical"), title, text});
    }
    bool askCritical(const QString& title, const QString& text) override {
        messages.push_back({QStringLiteral("ask"), title, text});
        return answerYes;
    }
    void quitProgram() override { ++quitRequests; }
    void processPendingEvents() override {
        ++eventRuns;
        if (QCoreApplication::instance())
            QCoreApplication::processEvents();
    }

    // The messages of one kind, each as "title | text".
    QStringList told(const QString& kind) const {
        QStringList found;
        for (const Message& message : messages) {
            if (message.kind == kind)
                found << message.title + QStringLiteral(" | ") + message.text;
        }
        return found;
    }

    std::vector<Message> messages;
    // The warnings alone, as told() gives them.
    QStringList warnings;
    bool answerYes = true;
    int quitRequests = 0;
    int eventRuns = 0;
};

} // namespace zor::test
