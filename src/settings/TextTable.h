#pragma once

#include <QString>
#include <span>

namespace zor {

class Captions;

// The numbers of the language file's texts that other parts of the program
// show by number: messages, status words, query displays.
std::span<const int> textTableEntries();

// Fills `table` with those texts of section `language` of the language file
// at `languageFile`; a missing file, section or key gives empty texts.
void loadTextTable(const QString& languageFile, const QString& language, Captions& table);

} // namespace zor
