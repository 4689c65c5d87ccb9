// Nothing the programs hold outlives them or holds them up: every ordinary
// end of the window closes the serial port and removes its lock file, a
// stale lock is named, a write cut short is told by zor-rds-cli, and a
// named pipe in place of the command log stops neither program.
#include "StartFixture.h"
#include "app/WindowProgram.h"
#include "support/ProgramRun.h"

#include <QProcess>
#include <QPushButton>
#include <QTimer>
#include <csignal>
#include <cstdlib>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace zor {
namespace {

using test::StartTest;

// The folders Qt SerialPort keeps its lock files in, as far as the tests
// can write them.
const QStringList kLockFolders = {QStringLiteral("/var/lock"), QStringLiteral("/tmp")};

class ProgramEndTest : public StartTest {
protected:
    // Port 1 leads to the instrument, connected at once by the start-up.
    void connectAtStart() {
        copyBundledData();
        ASSERT_TRUE(sim.isReady()) << sim.errorString().toStdString();
        serialTo(sim);
        setGeneral("BUS", "IECBUS", QStringLiteral("AUTO"));
    }

    QString lockName() const {
        return QStringLiteral("LCK..") + sim.ttyPath().mid(5).replace(u'/', u'_');
    }
    // The lock file of the instrument's line, or empty while there is none.
    QString lockFile() const {
        for (const QString& folder : kLockFolders) {
            if (QFile::exists(folder + u'/' + lockName()))
                return folder + u'/' + lockName();
        }
        return {};
    }
    bool waitForLock(int ms) const {
        for (int waited = 0; lockFile().isEmpty() && waited < ms; waited += 50)
            ::usleep(50000);
        return !lockFile().isEmpty();
    }

    QProcess* program(const char* name, const QStringList& arguments) {
        process.setProgram(SimProcess::binDir() + u'/' + QLatin1String(name));
        process.setArguments(QStringList{"--data-dir", folder.path()} + arguments);
        return &process;
    }

    SimProcess sim;
    QProcess process;
};

TEST_F(ProgramEndTest, EndSignalsCloseThePortAndRemoveItsLock) {
    connectAtStart();
    for (const int signal : {SIGTERM, SIGINT, SIGHUP}) {
        SCOPED_TRACE(signal);
        program("zor-rds", {})->start();
        ASSERT_TRUE(waitForLock(15000));
        ::kill(static_cast<pid_t>(process.processId()), signal);
        ASSERT_TRUE(process.waitForFinished(10000));
        EXPECT_EQ(process.exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(process.exitCode(), 0);
        EXPECT_EQ(lockFile(), QString());
    }
}

// The end button and the close box end through the event loop, so the run
// returns; a program ended by std::exit would end this test with it.
TEST_F(ProgramEndTest, EndButtonAndCloseBoxReturnFromTheRun) {
    static bool running = false;
    std::atexit([] {
        if (running)
            ::_exit(EXIT_FAILURE);
    });
    connectAtStart();
    for (const bool endButton : {false, true}) {
        SCOPED_TRACE(endButton ? "end button" : "close box");
        // Pressed while not connected, as the end button is disabled while
        // connected.
        setGeneral("BUS", "IECBUS", endButton ? QString() : QStringLiteral("AUTO"));
        QTimer poll;
        QObject::connect(&poll, &QTimer::timeout, [&] {
            for (QWidget* shown : QApplication::topLevelWidgets()) {
                auto* window = qobject_cast<HMenue*>(shown);
                if (!window || !window->isVisible())
                    continue;
                if (endButton)
                    window->Ende_Taste()->click();
                else if (!lockFile().isEmpty())
                    window->close();
            }
        });
        poll.start(50);
        running = true;
        EXPECT_EQ(runWindowProgram(parseWindowArguments({"--data-dir", folder.path()}), {}), 0);
        running = false;
        EXPECT_EQ(lockFile(), QString());
    }
}

// Root may remove any lock file, but another user may not: the port stays
// locked for that user until the file is removed, and the message says so.
TEST_F(ProgramEndTest, AStaleLockThatCannotBeRemovedIsNamed) {
    if (::geteuid() != 0 || !QFileInfo(kLockFolders[0]).isWritable())
        GTEST_SKIP() << "needs root, to leave a lock file another user cannot remove";
    copyBundledData();
    ASSERT_TRUE(sim.isReady());
    serialTo(sim);
    ASSERT_EQ(::chmod(QFile::encodeName(folder.path()).constData(), 0755), 0);
    const pid_t gone = ::fork();
    if (gone == 0)
        ::_exit(0);
    ::waitpid(gone, nullptr, 0);
    const QString lock = kLockFolders[0] + u'/' + lockName();
    QFile stale(lock);
    ASSERT_TRUE(stale.open(QIODevice::WriteOnly));
    stale.write(QByteArray::number(gone) + "\nzor-rds\nlabor-pc\n");
    stale.close();

    QProcess* cli = program("zor-rds-cli", {"send", "PS", "RADIO 1"});
    cli->setChildProcessModifier([] {
        if (::setgid(65534) != 0 || ::setuid(65534) != 0)
            ::_exit(99);
    });
    cli->start();
    ASSERT_TRUE(cli->waitForFinished(20000));
    QFile::remove(lock);
    const QString err = QString::fromUtf8(cli->readAllStandardError());
    EXPECT_EQ(cli->exitCode(), 1) << err.toStdString();
    EXPECT_TRUE(err.contains("\"" + lock + "\" was left by process " + QString::number(gone)))
        << err.toStdString();
}

// A file-size limit cuts the new content off after `limit` bytes (0: at
// once), as a full disk or a quota does; the old file stays byte for byte.
TEST_F(ProgramEndTest, ACliWriteCutShortFailsAndSaysWhy) {
    copyBundledData();
    QFile file(path("Datenset1.INI"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray before = file.readAll();
    file.close();
    const QStringList entries = QDir(folder.path()).entryList(QDir::Files);
    for (const auto& [limit, why] :
         {std::pair{0, "File too large"}, std::pair{20, "only 20 of "}}) {
        SCOPED_TRACE(limit);
        QProcess* cli =
            program("zor-rds-cli", {"ini", "set", "Datenset1.INI", "RDS", "PS", "FULL"});
        cli->setChildProcessModifier([limit = rlim_t(limit)] {
            const rlimit size{limit, limit};
            ::signal(SIGXFSZ, SIG_IGN);
            ::setrlimit(RLIMIT_FSIZE, &size);
        });
        cli->start();
        ASSERT_TRUE(cli->waitForFinished(20000));
        EXPECT_EQ(cli->exitCode(), 1);
        const QString err = QString::fromUtf8(cli->readAllStandardError());
        EXPECT_TRUE(err.contains("cannot write") && err.contains(why)) << err.toStdString();
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        EXPECT_EQ(file.readAll(), before);
        file.close();
        EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files), entries);
    }
}

TEST_F(ProgramEndTest, ANamedPipeAsTheLogHoldsUpNeitherProgram) {
    copyBundledData();
    ASSERT_TRUE(sim.isReady());
    serialTo(sim);
    setGeneral("ADRESSEN", "Log_Key", QStringLiteral("1"));
    QFile::remove(path("RDS_Log.txt"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(path("RDS_Log.txt")).constData(), 0644), 0);

    const ProgramRun run = runProgram(SimProcess::binDir() + "/zor-rds-cli",
                                      {"--data-dir", folder.path(), "send", "PS", "RADIO 1"},
                                      QProcessEnvironment::systemEnvironment(), 10000);
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_TRUE(run.err.contains("a named pipe (FIFO)")) << run.err.toStdString();

    startUp();
    ASSERT_EQ(messages.warnings.size(), 1) << messages.warnings.join('\n').toStdString();
    EXPECT_TRUE(messages.warnings[0].contains("eine benannte Pipe (FIFO)"));
}

} // namespace
} // namespace zor
