#include "BenchResult.h"

#include <algorithm>

namespace zor {

namespace {

const QString kResult = QStringLiteral("result: ");
const QString kFloor = QStringLiteral("floor ");
const QString kRatio = QStringLiteral("ratio ");

QString number(double value) {
    return QString::number(value, 'f', 2);
}

// "<number> <unit>"; false when the text does not start with a number.
bool readAmount(const QString& text, double& value, QString& unit) {
    const qsizetype blank = text.indexOf(u' ');
    bool ok = false;
    value = text.left(blank).toDouble(&ok);
    unit = blank < 0 ? QString() : text.mid(blank + 1);
    return ok;
}

} // namespace

QString resultLine(const BenchResult& result) {
    return kResult + result.label + QStringLiteral("; ") + number(result.measured) + u' ' +
           result.unit + QStringLiteral("; ") + kFloor + number(result.floor) + u' ' + result.unit +
           QStringLiteral("; ") + kRatio + QString::number(result.ratio(), 'f', 3);
}

std::optional<BenchResult> parseResultLine(const QString& line) {
    if (!line.startsWith(kResult))
        return std::nullopt;
    const QStringList parts = line.mid(kResult.size()).trimmed().split(QStringLiteral("; "));
    if (parts.size() != 4 || !parts.at(2).startsWith(kFloor))
        return std::nullopt;
    BenchResult result;
    result.label = parts.at(0);
    QString floorUnit;
    if (!readAmount(parts.at(1), result.measured, result.unit) ||
        !readAmount(parts.at(2).mid(kFloor.size()), result.floor, floorUnit) ||
        floorUnit != result.unit)
        return std::nullopt;
    return result;
}

double median(std::vector<double> values) {
    if (values.empty())
        return 0;
    std::sort(values.begin(), values.end());
    const size_t middle = values.size() / 2;
    return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

int roundsArgument(const QStringList& arguments, int fallback) {
    const qsizetype at = arguments.indexOf(QStringLiteral("--rounds"));
    if (at > 0 && at + 1 < arguments.size())
        return std::max(1, arguments.at(at + 1).toInt());
    return fallback;
}

} // namespace zor
