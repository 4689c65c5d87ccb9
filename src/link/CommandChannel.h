#pragma once

#include "link/LateAnswers.h"
#include "link/QueryAnswer.h"
#include "settings/SerialSettings.h"

#include <QDeadlineTimer>
#include <QString>
#include <functional>
#include <utility>

namespace zor {

class BusAdapter;
class Captions;
class CommandLog;
class OperatorMessages;
class SerialLine;
struct LinkState;

// Carries command lines and queries to the generator over the serial port or
// the IEEE-488 bus, whichever LinkState names. A query ends as soon as its
// answer is complete (at the end of its line on the serial port, with END on
// the bus), at the latest when its fixed pause (serial) or the device's
// time-out (bus) has passed. While it waits the window's events run, the
// operator's input excepted. Whatever comes too late for its query is
// discarded before the next command or query, so it never passes for
// another query's answer.
//
// A serial port that cannot be opened, goes away during the run or does not
// take a write within a second is closed and reported once; commands and
// queries for a closed port are dropped without further messages (queries
// give their no-answer texts at once) until an initialisation opens the port
// again.
class CommandChannel {
public:
    CommandChannel(LinkState& state, SerialLine& serial, BusAdapter& bus, CommandLog& log,
                   const Captions& captions, OperatorMessages& messages);

    // Serial: only out of demo mode, LF-terminated after clearing both
    // buffers, with a pause of 1 ms before and after. Bus: written unchanged
    // with ibwrt to the generator. False when
    // the line did not reach the interface (demo mode, a closed or failing
    // port, a bus write error).
    bool Befehl_Senden(const QString& line);
    // Asks the coder for `auswahl`; `text` only names the question in the log.
    QueryResult Q7_Abfrage(const QString& text, const QString& auswahl);
    // Asks the generator for its header `auswahl` ("FREQ" -> "FREQ?").
    QueryResult ZOR_Abfrage(const QString& text, const QString& auswahl);

    // The opening step of the instrument initialisation: opens and clears the
    // bus device, or opens the serial port and sends one carriage return.
    // False when the bus clear failed or the serial port cannot be opened
    // (the operator has seen the report; nothing was sent).
    bool openInterface();
    // Returns the instrument to local operation and the program to demo mode.
    void goToLocal();

    // The current serial settings. Their file path is the data folder's
    // "Rs232.ini"; set it before the first use.
    SerialSettings& serialSettings() { return serialSettings_; }
    // Reads the serial settings file and applies it to the serial port (the
    // serial interface's part of switching interfaces).
    void loadSerialSettings();
    // Port number, line settings and handshake of the current serial
    // settings onto the port.
    void applySerialSettings();
    // Opens and closes port `number` to see that it exists and is free; the
    // port keeps its number either way.
    bool tryPort(int number, QString& why);

    // Runs when the serial line went away during the run: after the port
    // was closed, before the operator is told, so that the window is back in
    // its not-connected state while the message shows.
    void setLineLostHandler(std::function<void()> handler) { lineLost_ = std::move(handler); }

    LinkState& state() { return state_; }
    const LinkState& state() const { return state_; }
    int serialPortNumber() const;

private:
    bool sendSerial(const QByteArray& bytes);
    bool discardLateInput();
    bool sendSerialQuery(const QByteArray& query);
    QByteArray serialAnswer(const QDeadlineTimer& pause);
    void discardLateBusAnswer();
    void readBus(QString& buffer);
    bool openSerial();
    void reportSerialFailure();
    QueryResult noValue(const QString& auswahl) const;
    QueryResult answered(const QString& answer, const QString& auswahl) const;

    LinkState& state_;
    SerialLine& serial_;
    BusAdapter& bus_;
    CommandLog& log_;
    const Captions& captions_;
    OperatorMessages& messages_;
    SerialSettings serialSettings_;
    LateAnswers lateAnswers_;
    // The last bus read ended without END: the device may still hold the
    // rest of its answer, or an answer that came after the time-out.
    bool busAnswerLeft_ = false;
    std::function<void()> lineLost_;
};

} // namespace zor
