#include "panel/SettingNotSaved.h"

#include "settings/OperatorMessages.h"

namespace zor {

void tellSettingNotSaved(OperatorMessages& messages, const QString& key, const QString& file) {
    messages.warn(QStringLiteral("Fehler!"),
                  QStringLiteral("Die Einstellung %1 konnte nicht in \"%2\" gespeichert werden.\n"
                                 "The setting %1 could not be saved in \"%2\".")
                      .arg(key, file));
}

} // namespace zor
