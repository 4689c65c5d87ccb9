#pragma once

#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

namespace zor {

// One figure an operator cares about, against its floor measured in the same
// run: the same work done by the least that can do it (a bare window, the
// fixed pauses alone).
struct BenchResult {
    QString label; // holds no ';'
    double measured = 0;
    double floor = 0;
    QString unit;

    double ratio() const { return floor > 0 ? measured / floor : 0; }
};

// The line a bench program ends with for each figure, read by bench_report:
//   "result: <label>; <measured> <unit>; floor <floor> <unit>; ratio <r>"
QString resultLine(const BenchResult& result);
// The figure of such a line; nothing for any other line.
std::optional<BenchResult> parseResultLine(const QString& line);

// The middle value (the mean of the two middle ones for an even count); 0
// for none.
double median(std::vector<double> values);

// The number after "--rounds" on a bench's command line (at least 1), or
// `fallback` without one.
int roundsArgument(const QStringList& arguments, int fallback);

} // namespace zor
