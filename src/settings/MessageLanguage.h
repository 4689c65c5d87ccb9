#pragma once

#include <QString>

namespace zor {

// The language the program's own messages speak (a setting that cannot be
// stored, a broken file, a line that went away): the window's language,
// German for "deutsch" and English for any other, German until a language
// has been chosen. Texts the instrument's manual gives word for word
// ("gleiche Adressen!") are not the program's own and stay as they are.
void useMessageLanguage(const QString& language);

// The wording of a message in the message language.
QString spoken(const QString& german, const QString& english);

} // namespace zor
