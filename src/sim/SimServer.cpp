#include "sim/SimServer.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <poll.h>
#include <vector>

namespace zor::sim {

namespace {

// Junk holds neither a double quote nor a digit nor a line feed, so no reader
// can take a value out of it; longer than the program's 20-byte bus buffer.
constexpr char junk[] = "#?!*~junk&%$@^+=<>|junk~";

QByteArray floodChunk() {
    return QByteArray(junk).repeated(32);
}

// A received command for the log, control and non-ASCII bytes as \xNN.
QString printable(const QByteArray& bytes) {
    QString text;
    for (char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte >= 0x20 && byte < 0x7F)
            text += QLatin1Char(c);
        else
            text += QStringLiteral("\\x%1").arg(byte, 2, 16, QLatin1Char('0'));
    }
    return text;
}

void report(const QString& text) {
    std::fprintf(stderr, "zor-sim: %s\n", text.toLocal8Bit().constData());
}

} // namespace

SimServer::SimServer(const SimOptions& options)
    : options_(options), stateFile_(options.statePath), onAir_(instrument_.state()) {}

bool SimServer::openOnAir(QString* error) {
    if (!options_.rdsHexPath.isEmpty() && !onAir_.openHex(options_.rdsHexPath, error))
        return false;
    if (!options_.mpxPath.isEmpty() && !onAir_.openMpx(options_.mpxPath, error))
        return false;
    if (onAir_.isActive())
        onAir_.start(Clock::now());
    return true;
}

bool SimServer::start(QString* error) {
    QMap<QByteArray, QByteArray> saved;
    if (!stateFile_.read(&saved, error))
        return false;
    instrument_.restore(saved);
    const bool lineOpen = options_.devicePath.isEmpty()
                              ? line_.openPseudoTerminal(error)
                              : line_.openDevice(options_.devicePath, error);
    if (!lineOpen)
        return false;
    if (!options_.linkPath.isEmpty() && !line_.makeLink(options_.linkPath, error))
        return false;
    if (!options_.recordPath.isEmpty() && !record_.open(options_.recordPath, error))
        return false;
    if (!options_.gpibSocketPath.isEmpty() && !bus_.listen(options_.gpibSocketPath, error))
        return false;
    instrument_.takeStateChanged();
    if (!stateFile_.write(instrument_.state().toText(), error))
        return false;
    return openOnAir(error);
}

int SimServer::run(int stopFd) {
    for (;;) {
        std::vector<pollfd> fds{{stopFd, POLLIN, 0}};
        int lineIndex = -1;
        if (line_.isOpen()) {
            lineIndex = static_cast<int>(fds.size());
            const bool wantsWrite = !serialOut_.isEmpty() || flooding_;
            fds.push_back({line_.fd(), static_cast<short>(POLLIN | (wantsWrite ? POLLOUT : 0)), 0});
        }
        int listenIndex = -1;
        if (bus_.listenFd() >= 0) {
            listenIndex = static_cast<int>(fds.size());
            fds.push_back({bus_.listenFd(), POLLIN, 0});
        }
        const QList<int> connections = bus_.connections();
        const auto firstConnection = fds.size();
        for (int id : connections) {
            const short events = POLLIN | (bus_.hasPendingOutput(id) ? POLLOUT : 0);
            fds.push_back({bus_.fdOf(id), events, 0});
        }

        if (::poll(fds.data(), fds.size(), pollTimeoutMs()) < 0 && errno != EINTR) {
            report(QStringLiteral("poll failed: %1").arg(strerror(errno)));
            return 1;
        }
        if (fds[0].revents != 0)
            return 0;

        if (lineIndex >= 0) {
            if (fds[lineIndex].revents & (POLLIN | POLLHUP | POLLERR))
                readSerial();
            if (line_.isOpen() && (fds[lineIndex].revents & POLLOUT))
                writeSerial();
        }
        if (listenIndex >= 0 && (fds[listenIndex].revents & POLLIN))
            bus_.acceptPending();
        for (qsizetype i = 0; i < connections.size(); ++i) {
            const int id = connections[i];
            const short revents = fds[firstConnection + i].revents;
            if (revents & POLLOUT)
                bus_.flush(id);
            if (revents & (POLLIN | POLLHUP | POLLERR)) {
                for (const auto& received : bus_.readFrom(id))
                    handleFrame(received);
            }
            if (!bus_.isOpen(id)) {
                listening_.erase(id);
                dropPendingAnswers(id);
            }
        }
        deliverDueAnswers();
        replugIfDue();
        if (onAir_.isActive())
            onAir_.catchUp(Clock::now());
    }
}

void SimServer::readSerial() {
    QByteArray bytes;
    const PtyLine::ReadStatus status = line_.read(bytes);
    record(bytes);
    for (const QByteArray& line : serialLines_.feed(bytes)) {
        if (!line_.isOpen())
            break;
        handleSerialLine(line);
    }
    if (status == PtyLine::ReadStatus::Closed && line_.isOpen())
        hangUp("the other side closed it");
}

void SimServer::handleSerialLine(const QByteArray& line) {
    if (line.isEmpty())
        return;
    ++commandsReceived_;
    if (options_.misbehaviour == Misbehaviour::Flood)
        flooding_ = true;
    const QByteArray answerBytes = process(line);
    if (!answerBytes.isEmpty())
        answer(serialTarget, answerBytes);
    if (options_.misbehaviour == Misbehaviour::HangupAfter && !hungUpAsAsked_ &&
        commandsReceived_ >= options_.hangupAfter) {
        hungUpAsAsked_ = true;
        hangUp("as asked by --hangup-after");
        if (options_.replugAfterMs >= 0)
            replugDue_ = Clock::now() + std::chrono::milliseconds(options_.replugAfterMs);
    }
}

void SimServer::writeSerial() {
    if (flooding_ && serialOut_.isEmpty())
        serialOut_ = floodChunk();
    if (serialOut_.isEmpty())
        return;
    const qsizetype written = line_.write(serialOut_);
    if (written < 0)
        hangUp("writing failed");
    else
        serialOut_.remove(0, written);
}

void SimServer::hangUp(const char* reason) {
    line_.close();
    serialOut_.clear();
    flooding_ = false;
    dropPendingAnswers(serialTarget);
    report(QStringLiteral("serial line closed after %1 commands: %2")
               .arg(commandsReceived_)
               .arg(QString::fromLatin1(reason)));
}

// A fresh line at the link, as an adapter plugged in again. Half a line from
// before the hang-up is no part of the first one after it.
void SimServer::replugIfDue() {
    if (!replugDue_ || Clock::now() < *replugDue_)
        return;
    replugDue_.reset();
    QString error;
    if (!line_.openPseudoTerminal(&error) || !line_.makeLink(options_.linkPath, &error)) {
        line_.close();
        report(QStringLiteral("the serial line cannot come back: %1").arg(error));
        return;
    }
    serialLines_ = LineAssembler();
    report(QStringLiteral("serial line back on %1").arg(line_.path()));
}

void SimServer::handleFrame(const GpibSocketServer::Received& received) {
    using gpibwire::FrameType;
    const int id = received.connection;
    const gpibwire::Frame& frame = received.frame;
    if (frame.type == FrameType::Hello) {
        const bool present = !frame.payload.empty() &&
                             static_cast<unsigned char>(frame.payload[0]) == options_.gpibAddress;
        listening_[id] = present;
        bus_.send(id, FrameType::Listener, present ? "1" : "0");
        return;
    }
    if (!listening_[id]) {
        bus_.send(id, FrameType::NoListener, {});
        return;
    }
    switch (frame.type) {
    case FrameType::Write:
        bus_.send(id, FrameType::Ack, {});
        handleBusMessage(id, frame.payload);
        break;
    case FrameType::Clear:
        dropPendingAnswers(id);
        bus_.send(id, FrameType::Ack, {});
        break;
    case FrameType::Local:
        bus_.send(id, FrameType::Ack, {});
        break;
    default:
        break;
    }
}

void SimServer::handleBusMessage(int connection, const std::string& payload) {
    const QByteArray message(payload.data(), static_cast<qsizetype>(payload.size()));
    record(message + '\n');
    LineAssembler lines;
    QList<QByteArray> received = lines.feed(message);
    received.append(lines.takeRest());
    QByteArray answers;
    for (const QByteArray& line : received) {
        if (!line.isEmpty())
            answers += process(line);
    }
    // A bus device talks only when addressed, so flooding means a junk answer
    // to every message.
    if (options_.misbehaviour == Misbehaviour::Flood)
        answers = floodChunk();
    if (!answers.isEmpty())
        answer(connection, answers);
}

QByteArray SimServer::process(const QByteArray& line) {
    const QByteArray answerBytes = instrument_.handleLine(line);
    const QList<QByteArray>& rejected = instrument_.rejectedCommands();
    for (; rejectionsReported_ < rejected.size(); ++rejectionsReported_)
        report(QStringLiteral("refused: %1").arg(printable(rejected[rejectionsReported_])));
    if (instrument_.takeStateChanged())
        writeState();
    return answerBytes;
}

void SimServer::answer(int target, const QByteArray& bytes) {
    switch (options_.misbehaviour) {
    case Misbehaviour::Silent:
        return;
    case Misbehaviour::Garbage:
        deliver(target, QByteArray(junk));
        return;
    case Misbehaviour::Late:
        late_.push_back({Clock::now() + std::chrono::milliseconds(options_.lateMs), target, bytes});
        return;
    default:
        deliver(target, bytes);
    }
}

void SimServer::deliver(int target, const QByteArray& bytes) {
    if (target == serialTarget) {
        if (!line_.isOpen())
            return;
        serialOut_ += bytes;
        writeSerial();
        return;
    }
    bus_.send(target, gpibwire::FrameType::Data, bytes.toStdString());
}

void SimServer::deliverDueAnswers() {
    const auto now = Clock::now();
    while (!late_.empty() && late_.front().due <= now) {
        const PendingAnswer pending = late_.front();
        late_.pop_front();
        deliver(pending.target, pending.bytes);
    }
}

void SimServer::dropPendingAnswers(int target) {
    std::erase_if(late_, [target](const PendingAnswer& p) { return p.target == target; });
}

int SimServer::pollTimeoutMs() const {
    std::optional<Clock::time_point> due = replugDue_;
    if (!late_.empty() && (!due || late_.front().due < *due))
        due = late_.front().due;
    const int onAirMs = onAir_.isActive() ? onAir_.msUntilNextCatchUp(Clock::now()) : -1;
    if (!due)
        return onAirMs;
    const auto wait = std::chrono::ceil<std::chrono::milliseconds>(*due - Clock::now());
    const int waitMs = wait.count() < 0 ? 0 : static_cast<int>(wait.count());
    return onAirMs >= 0 ? std::min(waitMs, onAirMs) : waitMs;
}

void SimServer::record(const QByteArray& bytes) {
    if (!bytes.isEmpty() && !record_.append(bytes))
        report(QStringLiteral("cannot append to the record file %1").arg(options_.recordPath));
}

void SimServer::writeState() {
    QString error;
    if (!stateFile_.write(instrument_.state().toText(), &error))
        report(error);
}

} // namespace zor::sim
