#include "app/CliCommand.h"

#include "app/ConsoleMessages.h"
#include "app/StoredValue.h"
#include "settings/Captions.h"
#include "settings/IniFile.h"
#include "settings/MessageLanguage.h"
#include "settings/TextTable.h"
#include "translate/Clock.h"
#include "translate/CommandTable.h"
#include "translate/CurrentValues.h"
#include "translate/InstrumentLink.h"

#include <QTime>
#include <QDir>
#include <QFileInfo>

#include <cstdio>

namespace zor {

namespace {

constexpr int kDone = 0;
constexpr int kFailed = 1;
constexpr int kUsage = 2;

void printErr(const QString& text) { std::fprintf(stderr, "zor-rds-cli: %s\n", qUtf8Printable(text)); }
void printOut(const QString& text) { std::printf("%s\n", qUtf8Printable(text)); }

int usageError(const QString& text)
{
    printErr(text);
    printErr(QStringLiteral("see 'zor-rds-cli --help'"));
    return kUsage;
}

// Everything a command needs from the data folder: the messages of the
// stored language, the current values the translator reads, and the
// instrument link, assembled as the window assembles it.
class Session {
public:
    explicit Session(const DataFolder& folder)
        : link_(folder, captions_, messages_, current_, systemClock())
    {
        if (const QString problem = link_.logProblem(); !problem.isEmpty())
            printErr(problem);
        const QString language = Ini_Lesen(QStringLiteral("Sprache"), QStringLiteral("Sprache"),
                                           folder.file(QLatin1String(kGeneralFile)));
        loadTextTable(folder.file(QLatin1String(kLanguageFile)), language, captions_);
        current_.eonPi = Ini_Lesen(QStringLiteral("RDS"), QStringLiteral("EON_PI"),
                                   folder.file(QLatin1String(kDataSetFile)));
    }

    // Opens the interface as the window's initialisation does and leaves
    // demo mode. False, with the reason on stderr, when that failed.
    bool connect()
    {
        if (link_.addressesClash()) {
            printErr(QStringLiteral("gleiche Adressen! \"ZOR1\" and \"VEX2\" of %1 name the "
                                    "same bus address")
                         .arg(QLatin1String(kGeneralFile)));
            return false;
        }
        link_.useInterface(link_.interfaceInUse());
        return link_.connect();
    }

    // The clock display of the window shows the time the coder gets.
    bool send(const QString& key, const QString& value)
    {
        current_.clock = QTime::currentTime().toString(QStringLiteral("HH:mm:ss"));
        return link_.send(key, value);
    }

    Answer ask(const Question& question) { return link_.ask(question); }

private:
    Captions captions_;
    ConsoleMessages messages_;
    CurrentValues current_;
    InstrumentLink link_;
};

// A generator answer is a number, whatever line end follows it.
bool isNumber(const QString& answer)
{
    bool number = false;
    answer.trimmed().toDouble(&number);
    return number;
}

int send(const DataFolder& folder, const QStringList& args)
{
    if (args.isEmpty() || args.size() > 2)
        return usageError(QStringLiteral("send takes a parameter key and an optional value"));
    const QString& key = args[0];
    if (!commandLine(key, QString(), {}))
        return usageError(QStringLiteral("unknown parameter key '%1'").arg(key));

    QString value;
    if (args.size() == 2) {
        value = args[1];
    } else if (const auto stored = storedValue(folder, key)) {
        value = *stored;
    } else {
        return usageError(QStringLiteral("no value is stored for '%1': give one").arg(key));
    }

    Session session(folder);
    if (!session.connect())
        return kFailed;
    if (!session.send(key, value)) {
        printErr(QStringLiteral("sending '%1' failed").arg(key));
        return kFailed;
    }
    return kDone;
}

int query(const DataFolder& folder, const QStringList& args)
{
    if (args.size() != 2)
        return usageError(QStringLiteral("query takes 'coder KEY' or 'generator HEADER'"));
    const bool coder = args[0] == QLatin1String("coder");
    if (!coder && args[0] != QLatin1String("generator"))
        return usageError(QStringLiteral("query asks the 'coder' or the 'generator', not '%1'")
                              .arg(args[0]));

    Session session(folder);
    if (!session.connect())
        return kFailed;
    const QString& key = args[1];
    const Answer answer = session.ask(
        {coder ? QueryTarget::Coder : QueryTarget::Generator, key, key + QLatin1Char('?')});
    QString shown = answer.text;
    while (shown.endsWith(QLatin1Char('\n')) || shown.endsWith(QLatin1Char('\r')))
        shown.chop(1);
    printOut(shown);

    if (!answer.hasValue() || (!coder && !isNumber(answer.text))) {
        printErr(QStringLiteral("the instrument gave no value for '%1'").arg(key));
        return kFailed;
    }
    return kDone;
}

int ini(const DataFolder& folder, const QStringList& args)
{
    const bool get = !args.isEmpty() && args[0] == QLatin1String("get");
    const bool set = !args.isEmpty() && args[0] == QLatin1String("set");
    if (!(get && args.size() == 4) && !(set && args.size() == 5))
        return usageError(
            QStringLiteral("ini takes 'get FILE SECTION KEY' or 'set FILE SECTION KEY VALUE'"));
    const QString path = folder.file(args[1]);
    if (get) {
        printOut(Ini_Lesen(args[2], args[3], path));
        return kDone;
    }
    if (const QString problem = iniWriteProblem(args[2], args[3], args[4], path);
        !problem.isEmpty()) {
        printErr(QStringLiteral("cannot write %1: %2").arg(QDir::toNativeSeparators(path), problem));
        return kFailed;
    }
    return kDone;
}

} // namespace

QString cliUsage()
{
    return QStringLiteral(
        "Usage: zor-rds-cli [--data-dir DIR] COMMAND ...\n"
        "\n"
        "Remote control of the ZOR generator and its Q7 stereo/RDS coder from the\n"
        "command line, over the interface and settings of the data folder.\n"
        "\n"
        "Commands:\n"
        "  send KEY [VALUE]         open the interface as the window's initialisation\n"
        "                           does, send one parameter (e.g. send PS \"RADIO 1\");\n"
        "                           without VALUE the value stored in the data folder\n"
        "  query coder KEY          ask the coder for KEY (e.g. PS, PI, MPX-DEV) and\n"
        "                           print the answer\n"
        "  query generator HEADER   ask the generator (e.g. FREQ, POW)\n"
        "  ini get FILE SECTION KEY          print a value of a settings file\n"
        "  ini set FILE SECTION KEY VALUE    write a value of a settings file\n"
        "\n"
        "Options:\n"
        "  --data-dir DIR   the data folder to use\n"
        "  -h, --help       show this text\n"
        "\n") +
        dataFolderRuleText() +
        QStringLiteral(
            "\n"
            "Exit status: 0 done, 1 the instrument, the interface or a file failed,\n"
            "2 the command line was wrong. Messages go to standard error.\n");
}

int runCli(const QStringList& arguments, const QString& programFolder)
{
    // The tool speaks English, also in the messages of the link and the files.
    useMessageLanguage(QStringLiteral("english"));
    QStringList args = arguments;
    QString dataDir;
    while (!args.isEmpty() && args[0].startsWith(QLatin1Char('-'))) {
        const QString option = args.takeFirst();
        if (option == QLatin1String("-h") || option == QLatin1String("--help")) {
            std::printf("%s", qUtf8Printable(cliUsage()));
            return kDone;
        }
        if (option == QLatin1String("--data-dir") && !args.isEmpty())
            dataDir = args.takeFirst();
        else if (option.startsWith(QLatin1String("--data-dir=")))
            dataDir = option.section(QLatin1Char('='), 1);
        else
            return usageError(QStringLiteral("unknown option '%1'").arg(option));
    }
    if (args.isEmpty())
        return usageError(QStringLiteral("no command given"));

    const PreparedDataFolder data = prepareDataFolder(dataDir, programFolder, userDataHome(),
                                                      installedDefaults(programFolder));
    if (!data.problem.isEmpty())
        printErr(data.problem);
    const DataFolder& folder = data.folder;
    if (!QFileInfo(folder.path()).isDir()) {
        if (data.problem.isEmpty())
            printErr(QStringLiteral("the data folder %1 does not exist")
                         .arg(QDir::toNativeSeparators(folder.path())));
        return kFailed;
    }

    const QString command = args.takeFirst();
    if (command == QLatin1String("send"))
        return send(folder, args);
    if (command == QLatin1String("query"))
        return query(folder, args);
    if (command == QLatin1String("ini"))
        return ini(folder, args);
    return usageError(QStringLiteral("unknown command '%1'").arg(command));
}

} // namespace zor
