#include "settings/SettingsStore.h"

#include "settings/MessageLanguage.h"

#include "settings/IniFile.h"
#include "settings/OperatorMessages.h"

namespace zor {

SettingsStore::SettingsStore(DataFolder data, OperatorMessages& messages)
    : data_(std::move(data)), messages_(messages) {}

QString SettingsStore::read(const char* file, QAnyStringView section, QAnyStringView key) const {
    return Ini_Lesen(section.toString(), key.toString(), data_.file(QLatin1String(file)));
}

bool SettingsStore::write(const char* file, QAnyStringView section, QAnyStringView key,
                          const QString& value) {
    const QString path = data_.file(QLatin1String(file));
    if (Ini_Schreiben(section.toString(), key.toString(), value, path)) {
        told_.remove(path);
        return true;
    }
    // A restore write-back that fails loses nothing, and the start-up has
    // already told why the file cannot take it; neither counts as told, so
    // the first setting changed by hand is.
    if (restoring_ || toldAtStartUp(file) || told_.contains(path))
        return false;
    told_.insert(path);
    tellNotStored(key.toString(), path);
    return false;
}

void SettingsStore::tellNotStored(const QString& key, const QString& path) {
    messages_.warnAfterEvent(
        QStringLiteral("Fehler!"),
        spoken(QStringLiteral("Die Einstellung %1 konnte nicht in \"%2\" gespeichert werden."),
               QStringLiteral("The setting %1 could not be saved in \"%2\"."))
            .arg(key, path));
}

SettingsStore::Restoring::Restoring(SettingsStore& store) : store_(store) {
    store_.restoring_ = true;
}

SettingsStore::Restoring::~Restoring() {
    store_.restoring_ = false;
}

void SettingsStore::startUpToldMissingFolder() {
    folderMissingTold_ = true;
}

void SettingsStore::startUpToldFile(const char* file) {
    filesToldAtStartUp_.insert(QString::fromLatin1(file).toCaseFolded());
}

bool SettingsStore::toldAtStartUp(const char* file) const {
    return folderMissingTold_ ||
           filesToldAtStartUp_.contains(QString::fromLatin1(file).toCaseFolded());
}

void SettingsStore::startUpDone() {
    folderMissingTold_ = false;
    filesToldAtStartUp_.clear();
}

} // namespace zor
