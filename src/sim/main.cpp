#include "sim/OnAir.h"
#include "sim/SimInstrument.h"
#include "sim/SimOptions.h"
#include "sim/SimServer.h"
#include "sim/StateFile.h"

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

int fail(const QString& message) {
    std::fprintf(stderr, "zor-sim: %s\n", message.toLocal8Bit().constData());
    return 1;
}

// The on-air files from the saved state, each from the first group on, so a
// hex file and a WAV file of one state carry the same groups.
int writeAtOnce(const zor::sim::SimOptions& options) {
    zor::sim::SimInstrument instrument;
    QMap<QByteArray, QByteArray> saved;
    QString error;
    if (!zor::sim::StateFile(options.statePath).read(&saved, &error))
        return fail(error);
    instrument.restore(saved);
    if (!options.rdsHexPath.isEmpty()) {
        zor::sim::OnAir air(instrument.state());
        if (!air.openHex(options.rdsHexPath, &error))
            return fail(error);
        air.writeGroups(options.rdsHexGroups);
    }
    if (!options.mpxPath.isEmpty()) {
        zor::sim::OnAir air(instrument.state());
        if (!air.openMpx(options.mpxPath, &error))
            return fail(error);
        if (!air.writeSeconds(options.mpxSeconds))
            return 1;
    }
    return 0;
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
    if (parsed.options.writesAtOnce())
        return writeAtOnce(parsed.options);
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
