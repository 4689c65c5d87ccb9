// How long the instrument initialisation takes over the serial line, against
// the floor its fixed pauses impose: 1 ms before and 1 ms after every serial
// command, so 2 ms times the number of commands. The window program's own
// classes run offscreen over a copy of the bundled data folder; zor-sim
// (beside this program) stands in for the instrument on a pseudo-terminal
// and records every byte it receives. A round runs from the click on the
// initialisation button to the last byte the instrument received; "Local"
// separates the rounds.
//
//   bench_init [--rounds N]

#include "app/ProgramStart.h"
#include "link/OperatorMessages.h"
#include "settings/DataFolder.h"
#include "settings/IniFile.h"
#include "ui/Initialisation.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTextStream>
#include <QThread>
#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

QTextStream out(stdout);
QTextStream err(stderr);

// Messages go to standard error; nobody is there to close a box.
class PrintedMessages : public zor::OperatorMessages {
public:
    void warn(const QString& title, const QString& text) override { print(title, text); }
    void critical(const QString& title, const QString& text) override { print(title, text); }
    bool askCritical(const QString& title, const QString& text) override {
        print(title, text);
        return true;
    }
    void quitProgram() override {}
    void processPendingEvents() override { QCoreApplication::processEvents(); }

private:
    static void print(const QString& title, const QString& text) {
        err << "message [" << title << "]: " << text << '\n';
        err.flush();
    }
};

// zor-sim on a pseudo-terminal of its own, recording into `record`.
class Instrument {
public:
    explicit Instrument(const QString& record) {
        process_.setProgram(QCoreApplication::applicationDirPath() + QStringLiteral("/zor-sim"));
        process_.setArguments({QStringLiteral("--record"), record});
        process_.start();
        if (!process_.waitForStarted(5000))
            return;
        QByteArray line;
        QElapsedTimer waited;
        waited.start();
        while (!line.contains('\n') && waited.elapsed() < 5000) {
            process_.waitForReadyRead(100);
            line += process_.readAllStandardOutput();
        }
        const QByteArray announcement = "zor-sim: serial line on ";
        if (line.startsWith(announcement))
            tty_ = QString::fromLocal8Bit(line.mid(announcement.size()).trimmed());
    }
    ~Instrument() {
        process_.terminate();
        if (!process_.waitForFinished(2000))
            process_.kill();
        process_.waitForFinished(2000);
    }

    QString tty() const { return tty_; }

private:
    QProcess process_;
    QString tty_;
};

bool copyFolder(const QString& from, const QString& to) {
    const QDir source(from);
    if (!source.exists())
        return false;
    for (const QString& name : source.entryList(QDir::Files)) {
        if (!QFile::copy(source.filePath(name), QDir(to).filePath(name)))
            return false;
    }
    return true;
}

// The record's size as the instrument writes it, watched until it has not
// grown for `quietMs`; returns the time (on `clock`) of the last growth.
qint64 lastByteAt(const QString& record, const QElapsedTimer& clock, qint64 quietMs, qint64& size) {
    qint64 last = clock.nsecsElapsed();
    size = QFileInfo(record).size();
    for (;;) {
        QThread::usleep(100);
        const qint64 now = clock.nsecsElapsed();
        const qint64 grown = QFileInfo(record).size();
        if (grown != size) {
            size = grown;
            last = now;
        } else if (now - last > quietMs * 1000000) {
            return last;
        }
    }
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const size_t middle = values.size() / 2;
    return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

} // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    int rounds = 5;
    const QStringList arguments = app.arguments();
    const qsizetype roundsAt = arguments.indexOf(QStringLiteral("--rounds"));
    if (roundsAt > 0 && roundsAt + 1 < arguments.size())
        rounds = std::max(1, arguments.at(roundsAt + 1).toInt());

    QTemporaryDir scratch;
    const QString bundled = QCoreApplication::applicationDirPath() + QStringLiteral("/Daten");
    if (!scratch.isValid() || !copyFolder(bundled, scratch.path())) {
        err << "cannot copy the data folder " << bundled << '\n';
        return 1;
    }
    const QString record = scratch.filePath(QStringLiteral("received.bin"));
    Instrument instrument(record);
    if (instrument.tty().isEmpty()) {
        err << "zor-sim did not come up\n";
        return 1;
    }
    const zor::DataFolder data(scratch.path());
    const QString general = data.file(QLatin1String(zor::kGeneralFile));
    const QString serial = data.file(QLatin1String(zor::kSerialFile));
    zor::Ini_Schreiben(QStringLiteral("BUS"), QStringLiteral("Interface"), QStringLiteral("COM"),
                       general);
    zor::Ini_Schreiben(QStringLiteral("BUS"), QStringLiteral("IECBUS"), QString(), general);
    zor::Ini_Schreiben(QStringLiteral("38xx"), QStringLiteral("ComPort"), QStringLiteral("1"),
                       serial);
    zor::Ini_Schreiben(QStringLiteral("38xx"), QStringLiteral("Port1"), instrument.tty(), serial);

    PrintedMessages messages;
    zor::ProgramStart start(data, messages);
    start.run();

    std::vector<double> times;
    qint64 commands = 0;
    double floorMs = 0;
    QElapsedTimer clock;
    clock.start();
    for (int round = 1; round <= rounds; ++round) {
        qint64 before = 0;
        lastByteAt(record, clock, 50, before);
        const qint64 pushed = clock.nsecsElapsed();
        start.initialisation().INIT_Taste_Click();
        qint64 after = 0;
        const qint64 last = lastByteAt(record, clock, 300, after);
        QFile file(record);
        file.open(QIODevice::ReadOnly);
        file.seek(before);
        commands = file.readAll().count('\n');
        floorMs = 2.0 * static_cast<double>(commands);
        const double ms = static_cast<double>(last - pushed) / 1e6;
        times.push_back(ms);
        out << QStringLiteral("round %1: %2 commands in %3 ms, %4 x the floor of %5 ms\n")
                   .arg(round)
                   .arg(commands)
                   .arg(ms, 0, 'f', 2)
                   .arg(ms / floorMs, 0, 'f', 2)
                   .arg(floorMs, 0, 'f', 0);
        out.flush();
        start.initialisation().GTL_Taste_Click();
    }
    const double typical = median(times);
    out << QStringLiteral("initialisation over the serial line: median %1 ms for %2 commands; "
                          "floor 2 ms x %2 = %3 ms; ratio %4\n")
               .arg(typical, 0, 'f', 2)
               .arg(commands)
               .arg(floorMs, 0, 'f', 0)
               .arg(typical / floorMs, 0, 'f', 2);
    return 0;
}
