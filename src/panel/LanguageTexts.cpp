#include "panel/LanguageTexts.h"

#include "settings/IniFile.h"

#include <algorithm>

namespace zor {

LanguageTexts::LanguageTexts(QString languageFile, QString language)
    : languageFile_(std::move(languageFile)), language_(std::move(language)) {}

QString LanguageTexts::text(int number) const {
    const auto known = read_.constFind(number);
    if (known != read_.constEnd())
        return *known;
    const QString read = Ini_Lesen(language_, QString::number(number), languageFile_);
    read_.insert(number, read);
    return read;
}

bool LanguageTexts::noneFound() const {
    return std::all_of(read_.cbegin(), read_.cend(),
                       [](const QString& text) { return text.isEmpty(); });
}

} // namespace zor
