#pragma once

#include "settings/Captions.h"

#include <QString>

namespace zor {

class DataFolder;
struct PageContext;

// Text `text` of the current language as the language file holds it now: the
// language is the one stored under "Sprache" in the general settings file.
// Empty when any of them is missing.
QString languageText(const DataFolder& data, Text text);

// The text a page shows: the language file's text, read at each use, or the
// window's text table entry where the file gives none.
QString currentCaption(const PageContext& context, Text text);

} // namespace zor
