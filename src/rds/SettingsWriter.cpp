#include "rds/SettingsWriter.h"

#include "panel/SettingNotSaved.h"
#include "settings/IniFile.h"

namespace zor {

SettingsWriter::SettingsWriter(DataFolder data, OperatorMessages& messages)
    : data_(std::move(data)), messages_(messages) {}

bool SettingsWriter::write(const char* fileName, const QString& section, const QString& key,
                           const QString& value) {
    const QString path = data_.file(QLatin1String(fileName));
    if (Ini_Schreiben(section, key, value, path)) {
        failing_.remove(path);
        return true;
    }
    if (failing_.contains(path))
        return false;
    failing_.insert(path);
    tellSettingNotSaved(messages_, key, path);
    return false;
}

} // namespace zor
