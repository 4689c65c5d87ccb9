#include "panel/CaptionText.h"

#include "panel/PageContext.h"
#include "settings/DataFolder.h"
#include "settings/IniFile.h"

namespace zor {

QString languageText(const DataFolder& data, Text text) {
    const QString language = Ini_Lesen(QStringLiteral("Sprache"), QStringLiteral("Sprache"),
                                       data.file(QLatin1String(kGeneralFile)));
    if (language.isEmpty())
        return {};
    return Ini_Lesen(language, QString::number(textNumber(text)),
                     data.file(QLatin1String(kLanguageFile)));
}

QString currentCaption(const PageContext& context, Text text) {
    const QString fromFile = languageText(context.data, text);
    return fromFile.isEmpty() ? context.texts.text(text) : fromFile;
}

} // namespace zor
