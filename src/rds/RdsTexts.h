#pragma once

#include <QString>

namespace zor {

// A traffic announcement time display: the word (caption text 40 or 41), a
// blank, and the seconds with the blank a positive number carries in front
// ("Dauer [s]:  30").
QString secondsLabel(const QString& word, int seconds);

} // namespace zor
