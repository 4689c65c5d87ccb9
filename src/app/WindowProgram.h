#pragma once

#include <QString>
#include <QStringList>

namespace zor {

// The command line of the window program zor-rds.
struct WindowArguments {
    bool help = false;
    // The data folder given with --data-dir; empty for the usual choice:
    // "Daten" beside the program, else the per-user folder.
    QString dataDir;
    // Why the command line cannot be used; empty when it can.
    QString error;
};

// `arguments` without the program's own name.
WindowArguments parseWindowArguments(const QStringList& arguments);

// The --help text.
QString windowUsage();

// Runs the window program until its window closes or its end button is
// pressed; returns the process exit status. Needs the QApplication.
int runWindowProgram(const WindowArguments& arguments, const QString& programFolder);

} // namespace zor
