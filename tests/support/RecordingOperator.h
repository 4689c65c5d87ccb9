#pragma once

#include "settings/OperatorMessages.h"

#include <QString>
#include <vector>

namespace zor::test {

// Stands in for the window's message boxes: records every call and answers
// the Yes/No question as told.
class RecordingOperator : public OperatorMessages {
public:
    struct Message {
        QString kind; // "warn", "critical" or "ask"
        QString title;
        QString text;
    };

    void warn(const QString& title, const QString& text) override {
        messages.push_back({QStringLiteral("warn"), title, text});
    }
    void critical(const QString& title, const QString& text) override {
        messages.push_back({QStringLiteral("critical"), title, text});
    }
    bool askCritical(const QString& title, const QString& text) override {
        messages.push_back({QStringLiteral("ask"), title, text});
        return answerYes;
    }
    void quitProgram() override { ++quitRequests; }
    void processPendingEvents() override { ++eventRuns; }

    std::vector<Message> messages;
    bool answerYes = true;
    int quitRequests = 0;
    int eventRuns = 0;
};

} // namespace zor::test
