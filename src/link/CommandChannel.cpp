#include "link/CommandChannel.h"

#include "link/BusAdapter.h"
#include "link/CommandLog.h"
#include "link/GpibCodes.h"
#include "link/LinkState.h"
#include "link/SerialLine.h"
#include "link/Waiting.h"
#include "settings/MessageLanguage.h"
#include "settings/OperatorMessages.h"
#include "settings/AnsiText.h"
#include "settings/Captions.h"

namespace zor {

namespace {

const QString kGenerator = QStringLiteral("ZOR");
const QString kCoderQuery = QStringLiteral(":STEREO:DIRECT? ");

// The pauses around a serial command, and the longest a serial query waits
// for its answer.
constexpr short kCommandPauseMs = 1;
constexpr short kCoderPauseMs = 250;
constexpr short kGeneratorPauseMs = 100;
// Read buffers of the bus queries; a longer answer is cut.
constexpr qsizetype kCoderBufferSize = 70;
constexpr qsizetype kGeneratorBufferSize = 20;

constexpr int kQueryFailed = 141;
constexpr int kAnswerName = 142;
constexpr int kNoValue = 143;
constexpr int kNoAnswer = 145;

const QByteArray kLineFeed = QByteArrayLiteral("\n");
const QByteArray kQueryEnd = QByteArrayLiteral("\r\n");
const QByteArray kWakeUp = QByteArrayLiteral("\r");

// The title of every message about the serial line, in every language, as
// the serial settings dialog's own.
const QString kSerialTitle = QStringLiteral("Kommunikationsparameter");

} // namespace

CommandChannel::CommandChannel(LinkState& state, SerialLine& serial, BusAdapter& bus,
                               CommandLog& log, const Captions& captions,
                               OperatorMessages& messages)
    : state_(state), serial_(serial), bus_(bus), log_(log), captions_(captions),
      messages_(messages) {}

bool CommandChannel::Befehl_Senden(const QString& line) {
    if (!state_.serialInterface) {
        discardLateBusAnswer();
        bus_.ibwrt(state_.generatorDescriptor, line);
        return !bus_.failed();
    }
    if (state_.demo)
        return false;
    if (!serial_.isOpen() || !discardLateInput())
        return false;
    Warten(kCommandPauseMs);
    const bool sent = sendSerial(toAnsi(line) + kLineFeed);
    Warten(kCommandPauseMs);
    return sent;
}

QueryResult CommandChannel::Q7_Abfrage(const QString& text, const QString& auswahl) {
    const QString query = kCoderQuery + QLatin1Char('"') + auswahl + QLatin1Char('"');
    QString answer;
    if (state_.serialInterface) {
        const bool asked = sendSerialQuery(toAnsi(query) + kQueryEnd);
        const QDeadlineTimer pause(kCoderPauseMs, Qt::PreciseTimer);
        log_.Log_Schreiben(text, kCoderQuery, auswahl);
        const QString received = fromAnsi(asked ? serialAnswer(pause) : QByteArray());
        if (received.isEmpty())
            return {QueryResult::Kind::NoReply, captions_.text(kNoAnswer)};
        answer = coderAnswer(received);
    } else {
        discardLateBusAnswer();
        bus_.ibwrt(state_.generatorDescriptor, query);
        log_.Log_Schreiben(text, kCoderQuery, auswahl);
        QString buffer(kCoderBufferSize, QLatin1Char(' '));
        readBus(buffer);
        if (bus_.failed())
            bus_.deviceStatusMessage(captions_.text(kQueryFailed), kGenerator);
        else
            answer = coderAnswer(buffer);
    }
    return answered(answer, auswahl);
}

QueryResult CommandChannel::ZOR_Abfrage(const QString& text, const QString& auswahl) {
    const QString query = auswahl + QLatin1Char('?');
    QString answer;
    if (state_.serialInterface) {
        const bool asked = sendSerialQuery(toAnsi(query) + kQueryEnd);
        const QDeadlineTimer pause(kGeneratorPauseMs, Qt::PreciseTimer);
        log_.Log_Schreiben(text, QStringLiteral(" "), query);
        answer = fromAnsi(asked ? serialAnswer(pause) : QByteArray());
    } else {
        discardLateBusAnswer();
        bus_.ibwrt(state_.generatorDescriptor, query);
        log_.Log_Schreiben(text, QString(), auswahl);
        QString buffer(kGeneratorBufferSize, QLatin1Char(' '));
        readBus(buffer);
        if (bus_.failed())
            bus_.deviceStatusMessage(captions_.text(kQueryFailed), kGenerator);
        else
            answer = generatorAnswer(buffer, bus_.fullCount());
    }
    return answered(answer, auswahl);
}

// Every answer that came back, also the no-value text, is logged.
QueryResult CommandChannel::answered(const QString& answer, const QString& auswahl) const {
    const QueryResult result =
        answer.isEmpty() ? noValue(auswahl) : QueryResult{QueryResult::Kind::Value, answer};
    log_.Log_Schreiben(captions_.text(kAnswerName), result.text, QString());
    return result;
}

bool CommandChannel::openInterface() {
    if (state_.serialInterface) {
        serialSettings_.readAddress();
        applySerialSettings();
        if (!openSerial())
            return false;
        lateAnswers_.forget();
        sendSerial(kWakeUp);
        return serial_.isOpen();
    }
    state_.generatorDescriptor =
        bus_.ibdev(gpib::kBoard, state_.generatorAddress, gpib::kNoSecondaryAddress,
                   gpib::kTimeout3s, gpib::kEndOnLastByte, gpib::kNoEndOfString);
    if (state_.generatorDescriptor < 0)
        bus_.deviceStatusMessage(QStringLiteral("INIT-Error"), kGenerator);
    bus_.ibclr(state_.generatorDescriptor);
    busAnswerLeft_ = false;
    if (bus_.failed()) {
        bus_.deviceStatusMessage(QStringLiteral("Clear-Error"), kGenerator);
        return false;
    }
    return true;
}

void CommandChannel::goToLocal() {
    if (state_.serialInterface) {
        sendSerial(kWakeUp);
        serial_.close();
    } else {
        bus_.ibloc(state_.generatorDescriptor);
        bus_.ibonl(state_.generatorDescriptor, 0);
        bus_.ibloc(state_.secondDescriptor);
        bus_.ibonl(state_.secondDescriptor, 0);
    }
    state_.demo = true;
}

void CommandChannel::loadSerialSettings() {
    serialSettings_.readAll();
    applySerialSettings();
}

void CommandChannel::applySerialSettings() {
    serial_.setPortNumber(serialSettings_.portNumber());
    serial_.setSettings(serialSettings_.lineSettings());
    serial_.setHandshake(serialSettings_.handshakeMode());
}

int CommandChannel::serialPortNumber() const {
    return serial_.portNumber();
}

bool CommandChannel::tryPort(int number, QString& why) {
    const int previous = serial_.portNumber();
    if (serial_.isOpen())
        serial_.close();
    serial_.setPortNumber(number);
    const bool opened = serial_.open();
    if (opened)
        serial_.close();
    else
        why = serial_.errorText();
    serial_.setPortNumber(opened ? number : previous);
    return opened;
}

bool CommandChannel::sendSerial(const QByteArray& bytes) {
    if (!serial_.isOpen())
        return false;
    if (serial_.write(bytes))
        return true;
    reportSerialFailure();
    return false;
}

// Whatever the line brought since the last query ended is nobody's answer;
// an owed line among it is no longer owed.
bool CommandChannel::discardLateInput() {
    if (lateAnswers_.owing())
        lateAnswers_.drop(serial_.takeArrived());
    if (serial_.discardBuffers())
        return true;
    reportSerialFailure();
    return false;
}

// A query is not sent over a port that is closed or fails; its pause starts
// once it is sent.
bool CommandChannel::sendSerialQuery(const QByteArray& query) {
    return serial_.isOpen() && discardLateInput() && sendSerial(query);
}

// The answer to the query just sent: what arrived up to the end of its line,
// or by the end of its pause; lines owed to earlier queries are no part of
// it. A query that heard nothing leaves its line owed.
QByteArray CommandChannel::serialAnswer(const QDeadlineTimer& pause) {
    QByteArray received;
    waitUntil(
        [this, &received] {
            received += lateAnswers_.drop(serial_.takeArrived());
            return received.contains('\n') || !serial_.isOpen();
        },
        pause);
    if (!serial_.isOpen())
        reportSerialFailure();
    else if (received.isEmpty())
        lateAnswers_.expect();
    return received;
}

// A device clear empties what the device holds to be read, also an answer
// that is still to come.
void CommandChannel::discardLateBusAnswer() {
    if (!busAnswerLeft_)
        return;
    busAnswerLeft_ = false;
    bus_.ibclr(state_.generatorDescriptor);
}

// The read ends with END, with a full buffer or at the device's time-out.
void CommandChannel::readBus(QString& buffer) {
    bus_.ibrd(state_.generatorDescriptor, buffer);
    busAnswerLeft_ = (static_cast<std::uint16_t>(bus_.ibsta()) & gpib::END) == 0;
}

bool CommandChannel::openSerial() {
    if (serial_.isOpen())
        return true;
    if (serial_.open())
        return true;
    messages_.warn(kSerialTitle,
                   spoken(QStringLiteral("Die serielle Schnittstelle %1 (ComPort %2) lässt sich "
                                         "nicht öffnen:\n%3\n\nEs wird nichts gesendet. Eine neue "
                                         "Initialisierung versucht es wieder."),
                          QStringLiteral("The serial port %1 (ComPort %2) cannot be opened:\n%3"
                                         "\n\nNothing is sent. A new initialisation tries "
                                         "again."))
                       .arg(serial_.deviceName())
                       .arg(serial_.portNumber())
                       .arg(serial_.errorText()));
    return false;
}

// A line that went away, or one that does not take a write within its
// second (a handshake that never releases), is closed: every later command
// and query stops at the closed port, without another second's wait, until
// an initialisation opens it again, and the loss is told once.
void CommandChannel::reportSerialFailure() {
    const bool stalled = serial_.isOpen();
    if (stalled)
        serial_.close();
    if (lineLost_)
        lineLost_();
    const QString what =
        stalled ? spoken(QStringLiteral("Über die serielle Schnittstelle %1 lassen sich keine "
                                        "Daten senden:\n%2"),
                         QStringLiteral("The serial port %1 takes no data:\n%2"))
                : spoken(QStringLiteral("Die Verbindung über die serielle Schnittstelle %1 ist "
                                        "unterbrochen:\n%2"),
                         QStringLiteral("The connection over the serial port %1 is broken:\n%2"));
    messages_.warn(kSerialTitle,
                   what.arg(serial_.deviceName(), serial_.errorText()) + QStringLiteral("\n\n") +
                       spoken(QStringLiteral("Die Schnittstelle wurde geschlossen; es wird nichts "
                                             "mehr gesendet. Sobald das Gerät wieder bereit ist, "
                                             "verbindet eine neue Initialisierung wieder."),
                              QStringLiteral("The port was closed; nothing more is sent. Once the "
                                             "instrument is ready again, a new initialisation "
                                             "connects again.")));
}

QueryResult CommandChannel::noValue(const QString& auswahl) const {
    return {QueryResult::Kind::NoValue, auswahl + QLatin1Char(' ') + captions_.text(kNoValue)};
}

} // namespace zor
