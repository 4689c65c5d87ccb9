#include "PrintedMessages.h"

#include <QCoreApplication>
#include <cstdio>

namespace zor {

namespace {

void print(const QString& title, const QString& text) {
    std::fprintf(stderr, "message [%s]: %s\n", qUtf8Printable(title), qUtf8Printable(text));
    std::fflush(stderr);
}

} // namespace

void PrintedMessages::warn(const QString& title, const QString& text) {
    print(title, text);
}

void PrintedMessages::critical(const QString& title, const QString& text) {
    print(title, text);
}

bool PrintedMessages::askCritical(const QString& title, const QString& text) {
    print(title, text);
    return true;
}

void PrintedMessages::processPendingEvents() {
    QCoreApplication::processEvents();
}

} // namespace zor
