#include "app/CliCommand.h"

#include <QCoreApplication>

#ifdef Q_OS_UNIX
#include <csignal>
#endif

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QStringList arguments = QCoreApplication::arguments();
    arguments.removeFirst();
#ifdef Q_OS_UNIX
    // A signal to end waits until the command is done and its serial port is
    // closed, lock file and all; then it ends the program as it always does.
    // A command takes a few seconds at the most.
    sigset_t ending;
    sigemptyset(&ending);
    for (const int number : {SIGTERM, SIGINT, SIGHUP})
        sigaddset(&ending, number);
    sigprocmask(SIG_BLOCK, &ending, nullptr);
    const int status = zor::runCli(arguments, QCoreApplication::applicationDirPath());
    sigprocmask(SIG_UNBLOCK, &ending, nullptr);
    return status;
#else
    return zor::runCli(arguments, QCoreApplication::applicationDirPath());
#endif
}
