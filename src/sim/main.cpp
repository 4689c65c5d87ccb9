#include "sim/SimOptions.h"
#include "sim/SimServer.h"

#include <QCoreApplication>
#include <csignal>
#include <cstdio>
#include <fcntl.h>
#include <unistd.h>

namespace {

int stopPipe[2] = {-1, -1};

void requestStop(int) {
    const char byte = 1;
    [[maybe_unused]] const ssize_t n = ::write(stopPipe[1], &byte, 1);
}

bool installStopSignals() {
    if (::pipe2(stopPipe, O_CLOEXEC | O_NONBLOCK) != 0)
        return false;
    struct sigaction action {};
    action.sa_handler = requestStop;
    sigemptyset(&action.sa_mask);
    sigaction(SIGTERM, &action, nullptr);
    sigaction(SIGINT, &action, nullptr);
    sigaction(SIGHUP, &action, nullptr);
    std::signal(SIGPIPE, SIG_IGN);
    return true;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const zor::sim::SimOptionsResult parsed = zor::sim::parseSimOptions(app.arguments());
    if (parsed.outcome == zor::sim::SimOptionsResult::Outcome::Help) {
        std::fputs(parsed.text.toLocal8Bit().constData(), stdout);
        return 0;
    }
    if (parsed.outcome == zor::sim::SimOptionsResult::Outcome::Error) {
        std::fprintf(stderr, "zor-sim: %s\n(zor-sim --help lists the options)\n",
                     parsed.text.toLocal8Bit().constData());
        return 2;
    }
    if (!installStopSignals()) {
        std::perror("zor-sim: cannot prepare for signals");
        return 1;
    }

    zor::sim::SimServer server(parsed.options);
    QString error;
    if (!server.start(&error)) {
        std::fprintf(stderr, "zor-sim: %s\n", error.toLocal8Bit().constData());
        return 1;
    }
    std::printf("zor-sim: serial line on %s\n", server.serialPath().toLocal8Bit().constData());
    std::fflush(stdout);
    return server.run(stopPipe[0]);
}
