#pragma once

#include <QProcessEnvironment>
#include <QString>
#include <QStringList>

namespace zor {

// What a program run to its end left behind; exitCode -1 when it did not end
// within the limit (it is killed then).
struct ProgramRun {
    int exitCode = -1;
    QString out;
    QString err;
};

ProgramRun runProgram(const QString& program, const QStringList& arguments,
                      const QProcessEnvironment& environment, int limitMs = 20000);

} // namespace zor
