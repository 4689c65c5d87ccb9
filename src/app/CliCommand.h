#pragma once

#include <QStringList>

namespace zor {

// zor-rds-cli: one command per run, over the same link and translator as the
// window. Returns the process exit status: 0 done, 1 the instrument or a file
// failed, 2 the command line was wrong.
int runCli(const QStringList& arguments, const QString& programFolder);

// The --help text.
QString cliUsage();

} // namespace zor
