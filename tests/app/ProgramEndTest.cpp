// Nothing the programs hold outlives them or holds them up: the serial port's
// lock, a stale lock, a write cut short, a named pipe as the command log.
#include "StartFixture.h"
#include "app/WindowProgram.h"
#include "support/ProgramRun.h"

#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <csignal>
#include <cstdlib>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace zor {
namespace {

// The folders Qt SerialPort keeps its lock files in, as far as tests can write.
const QStringList kLockFolders = {QStringLiteral("/var/lock"), QStringLiteral("/tmp")};

class ProgramEndTest : public test::StartTest {
protected:
    // Port 1 leads to the instrument, connected at once by the start-up.
    void connectAtStart() {
        folder.copyBundled();
        ASSERT_TRUE(sim.isReady()) << sim.errorString().toStdString();
        reach(sim);
        setGeneral("BUS", "IECBUS", QStringLiteral("AUTO"));
    }

    QString lockName() const {
        return QStringLiteral("LCK..") + sim.ttyPath().mid(5).replace(u'/', u'_');
    }
    // The lock file of the instrument's line, or empty while there is none.
    QString lockFile() const {
        for (const QString& folder : kLockFolders)
            if (QFile::exists(folder + u'/' + lockName()))
                return folder + u'/' + lockName();
        return {};
    }

    QProcess* program(const char* name, const QStringList& arguments) {
        process.setProgram(SimProcess::binDir() + u'/' + QLatin1String(name));
        process.setArguments(QStringList{"--data-dir", folder.path()} + arguments);
        return &process;
    }

    SimProcess sim;
    QProcess process;
};

// The signals that end a program from outside end it as the end button does.
TEST_F(ProgramEndTest, EndSignalsCloseThePortAndRemoveItsLock) {
    connectAtStart();
    for (const int signal : {SIGTERM, SIGINT, SIGHUP}) {
        SCOPED_TRACE(signal);
        program("zor-rds", {})->start();
        for (int waited = 0; lockFile().isEmpty() && waited < 15000; waited += 50)
            ::usleep(50000);
        ASSERT_NE(lockFile(), QString());
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
        // The end button is pressed while not connected, as it is enabled then.
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

// A lock file another user cannot remove keeps the port locked for them, and
// the message names it and its process.
TEST_F(ProgramEndTest, AStaleLockThatCannotBeRemovedIsNamed) {
    if (::geteuid() != 0 || !QFileInfo(kLockFolders[0]).isWritable())
        GTEST_SKIP() << "needs root, to leave a lock file another user cannot remove";
    connectAtStart();
    ASSERT_EQ(::chmod(QFile::encodeName(folder.path()).constData(), 0755), 0);
    const pid_t gone = ::fork();
    if (gone == 0)
        ::_exit(0);
    ::waitpid(gone, nullptr, 0);
    const QString lock = kLockFolders[0] + u'/' + lockName();
    {
        QFile stale(lock);
        ASSERT_TRUE(stale.open(QIODevice::WriteOnly) &&
                    stale.write(QByteArray::number(gone) + "\nzor-rds\nlabor-pc\n") > 0);
    }

    // The other user runs a copy of the tool, as the build folder may lie
    // where only root can reach it.
    QTemporaryDir elsewhere;
    const QString tool = elsewhere.filePath("zor-rds-cli");
    ASSERT_TRUE(QFile::copy(SimProcess::binDir() + "/zor-rds-cli", tool));
    ASSERT_EQ(::chmod(QFile::encodeName(elsewhere.path()).constData(), 0755), 0);
    QProcess* cli = program("zor-rds-cli", {"send", "PS", "RADIO 1"});
    cli->setProgram(tool);
    cli->setChildProcessModifier([] {
        if (::setgid(65534) != 0 || ::setuid(65534) != 0)
            ::_exit(99);
    });
    cli->start();
    const bool finished = cli->waitForFinished(20000);
    QFile::remove(lock);
    ASSERT_TRUE(finished) << cli->errorString().toStdString();
    const QString err = QString::fromUtf8(cli->readAllStandardError());
    EXPECT_EQ(cli->exitCode(), 1) << err.toStdString();
    EXPECT_TRUE(err.contains("\"" + lock + "\" was left by process " + QString::number(gone)))
        << err.toStdString();
}

// A file-size limit cuts a write short as a full disk does: told, and the old
// file stays byte for byte.
TEST_F(ProgramEndTest, ACliWriteCutShortFailsAndSaysWhy) {
    folder.copyBundled();
    const QByteArray before = folder.bytes(kDataSetFile);
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
        EXPECT_EQ(folder.bytes(kDataSetFile), before);
        EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files), entries);
    }
}

// A named pipe nobody reads in place of the command log is told, and the
// command still goes out.
TEST_F(ProgramEndTest, ANamedPipeAsTheLogHoldsUpNeitherProgram) {
    folder.copyBundled();
    ASSERT_TRUE(sim.isReady());
    reach(sim);
    setGeneral("ADRESSEN", "Log_Key", QStringLiteral("1"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(folder.path("RDS_Log.txt")).constData(), 0644), 0);

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
