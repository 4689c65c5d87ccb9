#include "sim/SimOptions.h"

#include <QCommandLineParser>

namespace zor::sim {

namespace {

const char* const helpEpilogue = R"(
Serial line: without --device a pseudo-terminal is created and announced on
stdout as one line "zor-sim: serial line on /dev/pts/N" (also with --device,
naming that device). Lines end with LF or CR LF; a lone CR is an empty line and
ignored. Commands in a line are separated by ";" (not inside double quotes).
Headers in any letter case, SCPI short forms accepted, leading ":" optional.

Queries: FREQ? answers Hz, POW? answers dBm, :STEREO:DIRECT? "KEY" answers the
coder value in double quotes; every answer ends with LF. SYST:ERR? answers the
oldest refused command's error.

--record FILE   every received serial byte is appended unchanged; a bus message
                is appended as its bytes followed by one LF (standing for END).
--state FILE    rewritten after every change: one NAME=value per line, sorted.

Misbehaviour (at most one): --silent, --late MS, --garbage, --flood,
--hangup-after N. "Commands" and "lines" count non-empty lines only, so the
wake-up CR does not count. After a hang-up the process keeps running (the bus
side too) until it is terminated.

--replug-after MS (with --hangup-after and --link, without --device): MS
milliseconds after the hang-up the line comes back as a fresh pseudo-terminal
and the --link path leads to it, as an unplugged USB adapter that is plugged in
again; the instrument keeps its state and the record goes on. The line is hung
up only once. stderr then says "zor-sim: serial line back on /dev/pts/M".
A second zor-sim started with the same --link also takes the path over once the
first one has hung up.

IEEE-488: with --gpib-socket PATH the bus shim libzor-gpib-sim.so reaches the
instrument through that socket (environment ZOR_SIM_GPIB_SOCKET=PATH in the
program); the instrument listens at --gpib-address (default 28). The shim lies
beside zor-sim in a build and in the folder zor-rds of the library folder once
installed (/usr/lib/zor-rds from the package); the program loads it with
GpibLibrary=PATH under [BUS] in RDS_Allg.INI. Environment
ZOR_SIM_GPIB_TIMEOUT_MS=N in the program makes every bus time-out N ms instead
of the device's time-out code.

On air: --rds-hex FILE writes the RDS groups the coder sends, one group a line
as four hexadecimal words "PPPP BBBB CCCC DDDD" (blocks A to D), at the real
rate of about 11.4 groups a second while zor-sim runs. --mpx FILE.wav writes
the multiplex baseband the coder puts out: mono, 16 bit, 228000 samples a
second, full scale standing for the set MPX deviation; the pilot, the RDS and
ARI subcarriers and the audio generator's tone as set. --rds-hex-groups N and
--mpx-seconds S write that many groups or seconds at once and end zor-sim
without opening a serial line; every on-air file then needs its count.
--state FILE also loads that file at start when it exists, so a state saved
by one run goes on air in the next.

SIGTERM or SIGINT end the process; the link and the socket file are removed.)";

bool readNumber(const QCommandLineParser& parser, const QString& name, int minimum, int maximum,
                int& value, QString& error) {
    bool ok = false;
    value = parser.value(name).toInt(&ok);
    if (!ok || value < minimum || value > maximum) {
        error = QStringLiteral("--%1 needs a number from %2 to %3, not \"%4\"")
                    .arg(name)
                    .arg(minimum)
                    .arg(maximum)
                    .arg(parser.value(name));
        return false;
    }
    return true;
}

// A line can only come back where the program looks for it: at the link,
// on a pseudo-terminal of our own, after the hang-up that took it away.
bool readReplug(const QCommandLineParser& parser, SimOptions& options, QString& error) {
    if (!readNumber(parser, QStringLiteral("replug-after"), 0, 3600000, options.replugAfterMs,
                    error))
        return false;
    if (options.misbehaviour != Misbehaviour::HangupAfter || options.linkPath.isEmpty() ||
        !options.devicePath.isEmpty()) {
        error = QStringLiteral("--replug-after needs --hangup-after and --link, and no --device");
        return false;
    }
    return true;
}

// A count writes at once, and then each on-air file needs one: a file
// written in real time would end with the process a moment later.
bool readOnAir(const QCommandLineParser& parser, SimOptions& options, QString& error) {
    options.rdsHexPath = parser.value(QStringLiteral("rds-hex"));
    options.mpxPath = parser.value(QStringLiteral("mpx"));
    if (parser.isSet(QStringLiteral("rds-hex-groups")) &&
        !readNumber(parser, QStringLiteral("rds-hex-groups"), 1, 100000000, options.rdsHexGroups,
                    error))
        return false;
    if (parser.isSet(QStringLiteral("mpx-seconds"))) {
        bool ok = false;
        options.mpxSeconds = parser.value(QStringLiteral("mpx-seconds")).toDouble(&ok);
        if (!ok || options.mpxSeconds <= 0 || options.mpxSeconds > 86400) {
            error = QStringLiteral("--mpx-seconds needs a number of seconds above 0, up to 86400");
            return false;
        }
    }
    const bool hex = !options.rdsHexPath.isEmpty();
    const bool mpx = !options.mpxPath.isEmpty();
    if ((options.rdsHexGroups >= 0 && !hex) || (options.mpxSeconds >= 0 && !mpx)) {
        error = QStringLiteral("--rds-hex-groups needs --rds-hex, --mpx-seconds needs --mpx");
        return false;
    }
    if (options.writesAtOnce() &&
        ((hex && options.rdsHexGroups < 0) || (mpx && options.mpxSeconds < 0))) {
        error = QStringLiteral("written at once, --rds-hex needs --rds-hex-groups and --mpx "
                               "needs --mpx-seconds");
        return false;
    }
    return true;
}

} // namespace

SimOptionsResult parseSimOptions(const QStringList& arguments) {
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Simulated ZOR signal generator with the Q7 stereo/RDS coder."));
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("Shows this help."));
    parser.addOption(help);
    parser.addOptions({
        {QStringLiteral("link"),
         QStringLiteral("Makes a symbolic link PATH to the serial line (a stale link is "
                        "replaced; removed at exit)."),
         QStringLiteral("PATH")},
        {QStringLiteral("device"),
         QStringLiteral("Uses the existing tty PATH instead of a new pseudo-terminal."),
         QStringLiteral("PATH")},
        {QStringLiteral("record"), QStringLiteral("Appends every received byte to FILE."),
         QStringLiteral("FILE")},
        {QStringLiteral("state"),
         QStringLiteral("Keeps the whole instrument state in FILE (NAME=value lines)."),
         QStringLiteral("FILE")},
        {QStringLiteral("gpib-socket"),
         QStringLiteral("Also listens for the IEEE-488 bus shim on the Unix socket PATH."),
         QStringLiteral("PATH")},
        {QStringLiteral("gpib-address"),
         QStringLiteral("Primary bus address of the instrument, 0 to 30 (default 28)."),
         QStringLiteral("N"), QStringLiteral("28")},
        {QStringLiteral("silent"), QStringLiteral("Never answers.")},
        {QStringLiteral("late"), QStringLiteral("Answers MS milliseconds late."),
         QStringLiteral("MS")},
        {QStringLiteral("garbage"),
         QStringLiteral("Answers queries with junk (no double quote, no digit).")},
        {QStringLiteral("flood"),
         QStringLiteral("Writes junk on the serial line without end once the first command "
                        "arrived.")},
        {QStringLiteral("hangup-after"),
         QStringLiteral("Closes the serial line after N received commands."), QStringLiteral("N")},
        {QStringLiteral("rds-hex"),
         QStringLiteral("Writes the RDS groups on air to FILE, one group a line in hex."),
         QStringLiteral("FILE")},
        {QStringLiteral("rds-hex-groups"),
         QStringLiteral("Writes N groups from the state at once and ends."), QStringLiteral("N")},
        {QStringLiteral("mpx"),
         QStringLiteral("Writes the multiplex baseband to FILE.wav (228 kHz, 16 bit, mono)."),
         QStringLiteral("FILE.wav")},
        {QStringLiteral("mpx-seconds"),
         QStringLiteral("Writes S seconds of multiplex from the state at once and ends."),
         QStringLiteral("S")},
        {QStringLiteral("replug-after"),
         QStringLiteral("Offers a fresh serial line at the --link path MS milliseconds after "
                        "the hang-up."),
         QStringLiteral("MS")},
    });

    SimOptionsResult result;
    if (!parser.parse(arguments)) {
        result.outcome = SimOptionsResult::Outcome::Error;
        result.text = parser.errorText();
        return result;
    }
    if (parser.isSet(help)) {
        result.outcome = SimOptionsResult::Outcome::Help;
        result.text = parser.helpText() + QString::fromUtf8(helpEpilogue) + QLatin1Char('\n');
        return result;
    }
    if (!parser.positionalArguments().isEmpty()) {
        result.outcome = SimOptionsResult::Outcome::Error;
        result.text = QStringLiteral("unexpected argument \"%1\"")
                          .arg(parser.positionalArguments().constFirst());
        return result;
    }

    SimOptions& options = result.options;
    options.linkPath = parser.value(QStringLiteral("link"));
    options.devicePath = parser.value(QStringLiteral("device"));
    options.recordPath = parser.value(QStringLiteral("record"));
    options.statePath = parser.value(QStringLiteral("state"));
    options.gpibSocketPath = parser.value(QStringLiteral("gpib-socket"));

    QString error;
    int modes = 0;
    bool ok = readNumber(parser, QStringLiteral("gpib-address"), 0, 30, options.gpibAddress, error);
    if (parser.isSet(QStringLiteral("silent"))) {
        options.misbehaviour = Misbehaviour::Silent;
        ++modes;
    }
    if (parser.isSet(QStringLiteral("late"))) {
        options.misbehaviour = Misbehaviour::Late;
        ok = ok && readNumber(parser, QStringLiteral("late"), 0, 3600000, options.lateMs, error);
        ++modes;
    }
    if (parser.isSet(QStringLiteral("garbage"))) {
        options.misbehaviour = Misbehaviour::Garbage;
        ++modes;
    }
    if (parser.isSet(QStringLiteral("flood"))) {
        options.misbehaviour = Misbehaviour::Flood;
        ++modes;
    }
    if (parser.isSet(QStringLiteral("hangup-after"))) {
        options.misbehaviour = Misbehaviour::HangupAfter;
        ok = ok && readNumber(parser, QStringLiteral("hangup-after"), 1, 1000000000,
                              options.hangupAfter, error);
        ++modes;
    }
    if (ok && modes > 1) {
        ok = false;
        error = QStringLiteral("choose at most one of --silent, --late, --garbage, --flood, "
                               "--hangup-after");
    }
    if (ok && parser.isSet(QStringLiteral("replug-after")))
        ok = readReplug(parser, options, error);
    ok = ok && readOnAir(parser, options, error);
    if (!ok) {
        result.outcome = SimOptionsResult::Outcome::Error;
        result.text = error;
    }
    return result;
}

} // namespace zor::sim
