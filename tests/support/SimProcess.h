#pragma once

#include <QByteArray>
#include <QDir>
#include <QMap>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <sys/types.h>

namespace zor {

// Runs zor-sim (from ZOR_BIN_DIR) for a test: in a fresh temporary folder,
// with a record file, a state file and a bus socket there, plus the given
// extra arguments (a misbehaviour, --gpib-address ...). The constructor waits
// until the serial line exists; the destructor ends the process.
class SimProcess {
  public:
    explicit SimProcess(const QStringList& extraArguments = {});
    SimProcess(const SimProcess&) = delete;
    SimProcess& operator=(const SimProcess&) = delete;
    ~SimProcess();

    // False when the instrument did not come up; errorString() says why.
    bool isReady() const { return !ttyPath_.isEmpty(); }
    QString errorString() const { return error_; }

    QString ttyPath() const { return ttyPath_; } // "/dev/pts/N"
    QString gpibSocket() const;                  // for ZOR_SIM_GPIB_SOCKET
    QString recordPath() const;
    QString statePath() const;
    pid_t processId() const { return pid_; }

    // The record file: every received serial byte, each bus message + LF.
    QByteArray recorded() const;
    // The state file as NAME -> value (the bytes read as Latin-1).
    QMap<QString, QString> state() const;
    // Wait up to `ms` milliseconds for the record to hold at least `bytes`
    // bytes, or for a state entry to take a value.
    bool waitForRecorded(qsizetype bytes, int ms) const;
    bool waitForState(const QString& name, const QString& value, int ms) const;

    bool isRunning();
    // Ends the process (SIGTERM, then SIGKILL after two seconds).
    void stop();

    // The folder holding zor-sim and libzor-gpib-sim.so.
    static QString binDir();
    // The bus shim to load with dlopen, as the program loads a GPIB library.
    static QString gpibLibrary();

  private:
    bool start(const QStringList& arguments);

    QTemporaryDir folder_{QDir::tempPath() + QStringLiteral("/zor-sim-XXXXXX")};
    pid_t pid_ = -1;
    QString ttyPath_;
    QString error_;
};

// Qt's serial port watches its device with notifiers that want an
// application object, even where nothing runs an event loop.
void ensureCoreApplication();

} // namespace zor
