#include "settings/MessageLanguage.h"

namespace zor {

namespace {

// One language for the whole program, as it has one window.
bool& speakingGerman() {
    static bool german = true;
    return german;
}

} // namespace

void useMessageLanguage(const QString& language) {
    speakingGerman() = language == QLatin1String("deutsch");
}

QString spoken(const QString& german, const QString& english) {
    return speakingGerman() ? german : english;
}

} // namespace zor
