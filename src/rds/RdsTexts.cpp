#include "rds/RdsTexts.h"

namespace zor {

QString secondsLabel(const QString& word, int seconds) {
    const QString number = seconds < 0 ? QString::number(seconds) : u' ' + QString::number(seconds);
    return word + u' ' + number;
}

} // namespace zor
