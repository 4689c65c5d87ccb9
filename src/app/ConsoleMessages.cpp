#include "app/ConsoleMessages.h"

#include <QCoreApplication>
#include <cstdio>
#include <cstdlib>

namespace zor {

void ConsoleMessages::print(const QString& title, const QString& text)
{
    reported_ = true;
    QString lines = text;
    lines.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    lines.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    std::fprintf(stderr, "%s: %s\n", qUtf8Printable(title), qUtf8Printable(lines.trimmed()));
}

void ConsoleMessages::warn(const QString& title, const QString& text) { print(title, text); }

void ConsoleMessages::critical(const QString& title, const QString& text) { print(title, text); }

bool ConsoleMessages::askCritical(const QString& title, const QString& text)
{
    print(title, text);
    return true;
}

void ConsoleMessages::quitProgram()
{
    std::fflush(stderr);
    std::exit(EXIT_FAILURE);
}

void ConsoleMessages::processPendingEvents()
{
    QCoreApplication::processEvents(inputHeld() ? QEventLoop::ExcludeUserInputEvents
                                                : QEventLoop::AllEvents);
}

} // namespace zor
