#include "app/WindowProgram.h"

#include "app/ProgramStart.h"
#include "settings/DataFolder.h"
#include "ui/HMenue.h"
#include "ui/MessageBoxes.h"

#include <QApplication>
#include <QFileInfo>

namespace zor {

WindowArguments parseWindowArguments(const QStringList& arguments) {
    WindowArguments parsed;
    QStringList rest = arguments;
    while (!rest.isEmpty()) {
        const QString option = rest.takeFirst();
        if (option == QLatin1String("-h") || option == QLatin1String("--help")) {
            parsed.help = true;
        } else if (option == QLatin1String("--data-dir")) {
            if (rest.isEmpty()) {
                parsed.error = QStringLiteral("--data-dir needs a folder");
                return parsed;
            }
            parsed.dataDir = rest.takeFirst();
        } else if (option.startsWith(QLatin1String("--data-dir="))) {
            parsed.dataDir = option.section(QLatin1Char('='), 1);
        } else {
            parsed.error = QStringLiteral("unknown argument '%1'").arg(option);
            return parsed;
        }
    }
    return parsed;
}

QString windowUsage() {
    return QStringLiteral(
        "Usage: zor-rds [--data-dir DIR]\n"
        "\n"
        "Remote control of the ZOR generator and its Q7 stereo/RDS coder: the\n"
        "main window with the stereo, RDS, AF, group, EON, query, store, TMC and\n"
        "RF pages. The window comes up with the settings stored in the data\n"
        "folder and in demo mode; \"Init COM\" or \"Init IEEE\" connects to the\n"
        "instrument over the interface chosen in the Info menu and sends the\n"
        "whole configuration (at once when IECBUS=AUTO in section [BUS] of\n"
        "RDS_Allg.INI).\n"
        "\n"
        "Options:\n"
        "  --data-dir DIR   the data folder to use\n"
        "  -h, --help       show this text\n"
        "\n") +
        dataFolderRuleText() +
        QStringLiteral(
            "\n"
            "Files of the data folder: RDS_Allg.INI (general and stereo settings),\n"
            "Datenset1.INI (RDS content), Rs232.ini (serial line; key PortN names\n"
            "the device of port N), Sprachen.ini (window texts), Event.txt and\n"
            "Location.txt (TMC catalogues), RDS_Log.txt (command log, emptied at\n"
            "every start).\n");
}

int runWindowProgram(const WindowArguments& arguments, const QString& programFolder) {
    const PreparedDataFolder data = prepareDataFolder(
        arguments.dataDir, programFolder, userDataHome(), installedDefaults(programFolder));
    MessageBoxes messages;
    ProgramStart start(data.folder, messages);
    messages.setWindow(&start.window());
    // Said first, because the start-up's own complaints about missing files
    // follow from it. A folder that does not exist at all the start-up
    // reports itself, once.
    if (!data.problem.isEmpty() && QFileInfo(data.folder.path()).isDir())
        messages.warn(QStringLiteral("zor-rds"), data.problem);
    start.run();
    start.window().show();
    return QApplication::exec();
}

} // namespace zor
