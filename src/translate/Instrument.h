#pragma once

#include <QString>
#include <functional>

namespace zor {

class SerialSettings;

// Which part of the instrument answers a question: the coder option or the
// generator itself.
enum class QueryTarget { Coder, Generator };

// One question to the instrument.
struct Question {
    QueryTarget target;
    QString key;   // the coder key or generator header asked for
    QString label; // names the question in the command log only

    bool operator==(const Question&) const = default;
};

// What a question brought back. `text` is what the read-back page shows: the
// cleaned answer, or where there is none the no-value text (the key, a blank
// and caption text 143) or, when a serial line stayed silent, caption text
// 145.
struct Answer {
    enum class Outcome { Value, NoValue, NoReply };

    Outcome outcome = Outcome::NoValue;
    QString text;

    bool hasValue() const { return outcome == Outcome::Value; }
};

// How the instrument is reached.
enum class Interface { Serial, Bus };

// The one door between the program's window (pages, dialogs, start-up) or
// zor-rds-cli and the instrument: settings go out as a parameter key and its
// value text, questions come back as typed answers. Which line carries them,
// how the command lines are built and logged, and how a bus or serial fault
// is reported stay behind it.
class Instrument {
public:
    virtual ~Instrument() = default;

    // Hands one setting to the translator, which sends exactly one command
    // line; in demo mode, or for a key it does not know, nothing leaves.
    // True when the line reached the interface.
    virtual bool send(const QString& key, const QString& value) = 0;
    // Asks one question; the caller keeps demo mode out.
    virtual Answer ask(const Question& question) = 0;

    // Opens the interface in use as the initialisation does (the bus device
    // with a clear, or the serial port with one carriage return) and leaves
    // demo mode. False when that failed: the operator has been told, nothing
    // was sent and the program stays in demo mode.
    virtual bool connect() = 0;
    // Returns the instrument to local operation and the program to demo mode.
    virtual void goToLocal() = 0;
    // Demo mode without touching the instrument.
    virtual void enterDemo() = 0;
    virtual bool isDemo() const = 0;

    virtual Interface interfaceInUse() const = 0;
    // Takes effect for the next command; with the serial interface the stored
    // serial settings are applied to the port.
    virtual void useInterface(Interface chosen) = 0;
    // The generator's bus address (0 to 30) for the next connect().
    virtual int generatorAddress() const = 0;
    virtual void setGeneratorAddress(int address) = 0;
    // Whether the generator and the second bus device share one address.
    virtual bool addressesClash() const = 0;

    // The program's current serial settings, which the next connect()
    // applies; the serial settings dialog changes them and their file.
    virtual SerialSettings& serialSettings() = 0;
    // The serial port's number now.
    virtual int serialPortNumber() const = 0;
    // Whether serial port `number` can be opened: opens and closes it, and
    // leaves the port as it was. `why` says what failed.
    virtual bool tryPort(int number, QString& why) = 0;
    // Port number, line settings and handshake of the current serial
    // settings onto the port.
    virtual void applySerialSettings() = 0;

    // Runs when the serial line went away during the run, after the port was
    // closed and before the operator is told.
    virtual void setLineLostHandler(std::function<void()> handler) = 0;
};

} // namespace zor
