#include "support/SimProcess.h"

#include <QCoreApplication>
#include <QFile>
#include <chrono>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace zor {

namespace {

using Clock = std::chrono::steady_clock;

constexpr int startupMs = 5000;
const QByteArray announcement = "zor-sim: serial line on ";

template <typename Condition> bool waitUntil(int ms, Condition condition) {
    const auto deadline = Clock::now() + std::chrono::milliseconds(ms);
    for (;;) {
        if (condition())
            return true;
        if (Clock::now() >= deadline)
            return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
}

} // namespace

SimProcess::SimProcess(const QStringList& extraArguments) {
    if (!folder_.isValid()) {
        error_ = QStringLiteral("cannot create a temporary folder: %1").arg(folder_.errorString());
        return;
    }
    QStringList arguments{QStringLiteral("--record"),      recordPath(),
                          QStringLiteral("--state"),       statePath(),
                          QStringLiteral("--gpib-socket"), gpibSocket()};
    arguments += extraArguments;
    if (!start(arguments))
        stop();
}

SimProcess::~SimProcess() {
    stop();
}

QString SimProcess::binDir() {
    const QByteArray fromEnvironment = qgetenv("ZOR_BIN_DIR");
    if (!fromEnvironment.isEmpty())
        return QFile::decodeName(fromEnvironment);
    return QStringLiteral(ZOR_DEFAULT_BIN_DIR);
}

QString SimProcess::gpibLibrary() {
    return binDir() + QStringLiteral("/libzor-gpib-sim.so");
}

QString SimProcess::gpibSocket() const {
    return folder_.filePath(QStringLiteral("gpib.sock"));
}

QString SimProcess::recordPath() const {
    return folder_.filePath(QStringLiteral("received.bin"));
}

QString SimProcess::statePath() const {
    return folder_.filePath(QStringLiteral("state.txt"));
}

bool SimProcess::start(const QStringList& arguments) {
    const QByteArray program = QFile::encodeName(binDir() + QStringLiteral("/zor-sim"));
    std::vector<QByteArray> storage{program};
    for (const QString& argument : arguments)
        storage.push_back(argument.toLocal8Bit());
    std::vector<char*> argv;
    for (QByteArray& text : storage)
        argv.push_back(text.data());
    argv.push_back(nullptr);

    // zor-sim announces its serial line on its standard output, a file here.
    const QString out = folder_.filePath(QStringLiteral("stdout.txt"));
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, QFile::encodeName(out).constData(),
                                     O_WRONLY | O_CREAT | O_TRUNC, 0644);
    const int failure =
        posix_spawn(&pid_, program.constData(), &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (failure != 0) {
        pid_ = -1;
        error_ = QStringLiteral("cannot start %1: %2")
                     .arg(QFile::decodeName(program), strerror(failure));
        return false;
    }
    QByteArray line;
    const bool ended = waitUntil(startupMs, [&] {
        QFile file(out);
        line = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
        return line.contains('\n') || !isRunning();
    });
    if (!line.contains('\n')) {
        error_ = ended ? QStringLiteral("zor-sim ended before announcing its serial line")
                       : QStringLiteral("zor-sim did not announce its serial line in time");
        return false;
    }
    line.truncate(line.indexOf('\n'));
    if (!line.startsWith(announcement)) {
        error_ = QStringLiteral("unexpected first line from zor-sim: %1")
                     .arg(QString::fromLocal8Bit(line));
        return false;
    }
    ttyPath_ = QFile::decodeName(line.mid(announcement.size()));
    return true;
}

QByteArray SimProcess::recorded() const {
    QFile file(recordPath());
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

QMap<QString, QString> SimProcess::state() const {
    QMap<QString, QString> entries;
    QFile file(statePath());
    if (!file.open(QIODevice::ReadOnly))
        return entries;
    for (const QByteArray& line : file.readAll().split('\n')) {
        const qsizetype equals = line.indexOf('=');
        if (equals > 0)
            entries.insert(QString::fromLatin1(line.left(equals)),
                           QString::fromLatin1(line.mid(equals + 1)));
    }
    return entries;
}

bool SimProcess::waitForRecorded(qsizetype bytes, int ms) const {
    return waitUntil(ms, [&] { return recorded().size() >= bytes; });
}

bool SimProcess::waitForState(const QString& name, const QString& value, int ms) const {
    return waitUntil(ms, [&] {
        const QMap<QString, QString> entries = state();
        return entries.contains(name) && entries.value(name) == value;
    });
}

bool SimProcess::isRunning() {
    if (pid_ <= 0)
        return false;
    const pid_t result = ::waitpid(pid_, nullptr, WNOHANG);
    // -1: someone else reaped it already; then only a signal probe can tell.
    if (result == pid_ || (result < 0 && ::kill(pid_, 0) != 0)) {
        pid_ = -1;
        return false;
    }
    return true;
}

void SimProcess::stop() {
    if (pid_ <= 0)
        return;
    ::kill(pid_, SIGTERM);
    const bool ended = waitUntil(2000, [this] {
        const pid_t result = ::waitpid(pid_, nullptr, WNOHANG);
        return result == pid_ || result < 0;
    });
    if (!ended) {
        ::kill(pid_, SIGKILL);
        ::waitpid(pid_, nullptr, 0);
    }
    pid_ = -1;
}

void ensureCoreApplication() {
    static int argc = 1;
    static char name[] = "zor_tests";
    static char* argv[] = {name, nullptr};
    if (!QCoreApplication::instance())
        static QCoreApplication application(argc, argv);
}

} // namespace zor
