#pragma once

#include "sim/GpibSocketServer.h"
#include "sim/LineAssembler.h"
#include "sim/OnAir.h"
#include "sim/PtyLine.h"
#include "sim/RecordFile.h"
#include "sim/SimInstrument.h"
#include "sim/SimOptions.h"
#include "sim/StateFile.h"

#include <QByteArray>
#include <QString>
#include <chrono>
#include <deque>
#include <map>
#include <optional>

namespace zor::sim {

// zor-sim's single-threaded poll loop: the serial line, the bus socket, the
// record and state files, and the chosen misbehaviour around one SimInstrument.
class SimServer {
  public:
    explicit SimServer(const SimOptions& options);

    // Loads the state file when it exists, opens the serial line (and its
    // link), the record file, the bus socket and the on-air files, and writes
    // the first state file.
    bool start(QString* error);
    QString serialPath() const { return line_.path(); }

    // Serves until `stopFd` becomes readable. 0, or 1 when polling failed.
    int run(int stopFd);

  private:
    using Clock = std::chrono::steady_clock;
    struct PendingAnswer {
        Clock::time_point due;
        int target;
        QByteArray bytes;
    };
    // Answers go to the serial line or to one bus connection (ids from 1).
    static constexpr int serialTarget = 0;

    void readSerial();
    void handleSerialLine(const QByteArray& line);
    void writeSerial();
    void hangUp(const char* reason);
    void replugIfDue();
    void handleFrame(const GpibSocketServer::Received& received);
    void handleBusMessage(int connection, const std::string& payload);
    QByteArray process(const QByteArray& line);
    void answer(int target, const QByteArray& bytes);
    void deliver(int target, const QByteArray& bytes);
    void deliverDueAnswers();
    void dropPendingAnswers(int target);
    int pollTimeoutMs() const;
    void record(const QByteArray& bytes);
    void writeState();
    bool openOnAir(QString* error);

    SimOptions options_;
    SimInstrument instrument_;
    PtyLine line_;
    GpibSocketServer bus_;
    RecordFile record_;
    StateFile stateFile_;
    OnAir onAir_;
    LineAssembler serialLines_;
    QByteArray serialOut_;
    bool flooding_ = false;
    int commandsReceived_ = 0;
    bool hungUpAsAsked_ = false;
    std::optional<Clock::time_point> replugDue_;
    std::deque<PendingAnswer> late_;
    std::map<int, bool> listening_;
    qsizetype rejectionsReported_ = 0;
};

} // namespace zor::sim
