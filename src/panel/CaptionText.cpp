#include "panel/CaptionText.h"

#include "panel/PageContext.h"
#include "settings/Captions.h"
#include "settings/DataFolder.h"
#include "settings/IniFile.h"

namespace zor {

QString languageText(const DataFolder& data, int number) {
    const QString language = Ini_Lesen(QStringLiteral("Sprache"), QStringLiteral("Sprache"),
                                       data.file(QLatin1String(kGeneralFile)));
    if (language.isEmpty())
        return {};
    return Ini_Lesen(language, QString::number(number), data.file(QLatin1String(kLanguageFile)));
}

QString currentCaption(const PageContext& context, int number) {
    const QString text = languageText(context.data, number);
    return text.isEmpty() ? context.texts.text(number) : text;
}

} // namespace zor
