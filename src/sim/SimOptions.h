#pragma once

#include <QString>
#include <QStringList>

namespace zor::sim {

// How the instrument misbehaves on purpose, so the program's handling of a
// faulty instrument can be tried.
enum class Misbehaviour {
    None,
    Silent,      // never answers
    Late,        // answers lateMs milliseconds late
    Garbage,     // answers every query with junk holding no double quote and no digit
    Flood,       // writes junk on the serial line without end once the first command arrived
    HangupAfter, // closes the serial line after hangupAfter received commands
};

struct SimOptions {
    QString linkPath;
    QString devicePath;
    QString recordPath;
    QString statePath;
    QString gpibSocketPath;
    int gpibAddress = 28;
    Misbehaviour misbehaviour = Misbehaviour::None;
    int lateMs = 0;
    int hangupAfter = 0;
    // With --replug-after, the hung-up line comes back as a fresh
    // pseudo-terminal after replugAfterMs milliseconds and the --link path
    // leads to it, as a USB adapter plugged in again: the instrument keeps its
    // state, the program has to open the line anew. The line is hung up only
    // once. -1: the line stays gone. (A second zor-sim with the same --link
    // brings a line back at the same place too.)
    int replugAfterMs = -1;
    // On air: the groups as hex lines and the multiplex as a WAV file, in
    // real time beside the serial line, or -- with a count of groups or
    // seconds -- that much at once from the state, after which zor-sim ends.
    QString rdsHexPath;
    QString mpxPath;
    int rdsHexGroups = -1;
    double mpxSeconds = -1;

    bool writesAtOnce() const { return rdsHexGroups >= 0 || mpxSeconds >= 0; }
};

struct SimOptionsResult {
    enum class Outcome { Run, Help, Error };
    Outcome outcome = Outcome::Run;
    SimOptions options;
    QString text; // the help text or the error message
};

// Reads zor-sim's command line (arguments()[0] is the program name).
SimOptionsResult parseSimOptions(const QStringList& arguments);

} // namespace zor::sim
