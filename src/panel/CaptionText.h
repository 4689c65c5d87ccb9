#pragma once

#include <QString>

namespace zor {

class DataFolder;
struct PageContext;

// Caption text `number` of the current language as the language file holds
// it now: the language is the one stored under "Sprache" in the general
// settings file, the text key `number` of that language's section of
// "Sprachen.ini". Empty when any of them is missing.
QString languageText(const DataFolder& data, int number);

// The caption text a page shows: the language file's text, read at each use,
// or the window's text table entry where the file gives none.
QString currentCaption(const PageContext& context, int number);

} // namespace zor
