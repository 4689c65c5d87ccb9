#include "settings/TextTable.h"

#include "settings/Captions.h"
#include "settings/IniFile.h"

#include <array>

namespace zor {

namespace {

constexpr std::array kEntries{21,  22,  23,  24,  25,  28,  31,  32,  33,  34,  35,  40,  41,  56,
                              57,  83,  141, 142, 143, 144, 145, 161, 164, 166, 167, 168, 169, 170,
                              171, 172, 180, 181, 182, 184, 185, 186, 187, 188, 189, 192, 193};

} // namespace

std::span<const int> textTableEntries() { return kEntries; }

void loadTextTable(const QString& languageFile, const QString& language, Captions& table)
{
    for (const int entry : kEntries)
        table.setText(entry, Ini_Lesen(language, QString::number(entry), languageFile));
}

} // namespace zor
