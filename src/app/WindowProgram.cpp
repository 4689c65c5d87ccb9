#include "app/WindowProgram.h"

#include "app/ProgramStart.h"
#include "settings/DataFolder.h"
#include "ui/HMenue.h"
#include "ui/MessageBoxes.h"

#include <QApplication>
#include <QFileInfo>
#include <QSocketNotifier>
#include <functional>
#include <memory>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <unistd.h>
#endif

namespace zor {

namespace {

#ifdef Q_OS_UNIX
int endPipe[2] = {-1, -1};

extern "C" void onEndSignal(int) {
    const int saved = errno;
    const char end = 1;
    [[maybe_unused]] const ssize_t written = ::write(endPipe[1], &end, 1);
    errno = saved;
}
#endif

// SIGTERM, SIGINT and SIGHUP end the window program the way its end button
// does. A signal handler may not call Qt, so it only writes one byte into a
// pipe; the event loop hears it and ends the program from there.
class EndSignals {
public:
    explicit EndSignals(std::function<void()> end) {
#ifdef Q_OS_UNIX
        if (::pipe(endPipe) != 0)
            return;
        for (const int fd : endPipe)
            ::fcntl(fd, F_SETFD, FD_CLOEXEC);
        ::fcntl(endPipe[1], F_SETFL, O_NONBLOCK);
        notifier_ = std::make_unique<QSocketNotifier>(endPipe[0], QSocketNotifier::Read);
        QObject::connect(notifier_.get(), &QSocketNotifier::activated, [end = std::move(end)] {
            char byte = 0;
            [[maybe_unused]] const ssize_t read = ::read(endPipe[0], &byte, 1);
            end();
        });
        struct sigaction action {};
        action.sa_handler = onEndSignal;
        sigemptyset(&action.sa_mask);
        action.sa_flags = SA_RESTART;
        for (const int number : kEndSignals)
            ::sigaction(number, &action, nullptr);
#else
        Q_UNUSED(end);
#endif
    }

    ~EndSignals() {
#ifdef Q_OS_UNIX
        for (const int number : kEndSignals)
            ::signal(number, SIG_DFL);
        notifier_.reset();
        for (int& fd : endPipe) {
            if (fd >= 0)
                ::close(fd);
            fd = -1;
        }
#endif
    }

    EndSignals(const EndSignals&) = delete;
    EndSignals& operator=(const EndSignals&) = delete;

private:
#ifdef Q_OS_UNIX
    static constexpr int kEndSignals[] = {SIGTERM, SIGINT, SIGHUP};
    std::unique_ptr<QSocketNotifier> notifier_;
#endif
};

} // namespace

WindowArguments parseWindowArguments(const QStringList& arguments) {
    WindowArguments parsed;
    QStringList rest = arguments;
    while (!rest.isEmpty()) {
        const QString option = rest.takeFirst();
        if (option == QLatin1String("-h") || option == QLatin1String("--help")) {
            parsed.help = true;
        } else if (option == QLatin1String("--data-dir")) {
            if (rest.isEmpty()) {
                parsed.error = QStringLiteral("--data-dir needs a folder");
                return parsed;
            }
            parsed.dataDir = rest.takeFirst();
        } else if (option.startsWith(QLatin1String("--data-dir="))) {
            parsed.dataDir = option.section(QLatin1Char('='), 1);
        } else {
            parsed.error = QStringLiteral("unknown argument '%1'").arg(option);
            return parsed;
        }
    }
    return parsed;
}

QString windowUsage() {
    return QStringLiteral(
        "Usage: zor-rds [--data-dir DIR]\n"
        "\n"
        "Remote control of the ZOR generator and its Q7 stereo/RDS coder: the\n"
        "main window with the stereo, RDS, AF, group, EON, query, store, TMC and\n"
        "RF pages. The window comes up with the settings stored in the data\n"
        "folder and in demo mode; \"Init COM\" or \"Init IEEE\" connects to the\n"
        "instrument over the interface chosen in the Info menu and sends the\n"
        "whole configuration (at once when IECBUS=AUTO in section [BUS] of\n"
        "RDS_Allg.INI).\n"
        "\n"
        "Options:\n"
        "  --data-dir DIR   the data folder to use\n"
        "  -h, --help       show this text\n"
        "\n") +
        dataFolderRuleText() +
        QStringLiteral(
            "\n"
            "Files of the data folder: RDS_Allg.INI (general and stereo settings),\n"
            "Datenset1.INI (RDS content), Rs232.ini (serial line; key PortN names\n"
            "the device of port N), Sprachen.ini (window texts), Event.txt and\n"
            "Location.txt (TMC catalogues), RDS_Log.txt (command log, emptied at\n"
            "every start).\n");
}

// Every way out returns from here, so that the start's destructors close the
// serial port and remove its lock file: the end button, the close box, the
// operator's No in a bus status message, and SIGTERM, SIGINT or SIGHUP.
int runWindowProgram(const WindowArguments& arguments, const QString& programFolder) {
    const PreparedDataFolder data = prepareDataFolder(
        arguments.dataDir, programFolder, userDataHome(), installedDefaults(programFolder));
    MessageBoxes messages;
    const EndSignals endSignals([&messages] { messages.quitProgram(); });
    ProgramStart start(data.folder, messages);
    messages.setWindow(&start.window());
    // Said first, because the start-up's own complaints about missing files
    // follow from it. A folder that does not exist at all the start-up
    // reports itself, once.
    if (!data.problem.isEmpty() && QFileInfo(data.folder.path()).isDir())
        start.messages().warn(QStringLiteral("zor-rds"), data.problem);
    start.run();
    if (messages.endRequested())
        return 0;
    start.window().show();
    return QApplication::exec();
}

} // namespace zor
