#include "rds/RdsDataSet.h"

#include "panel/PageContext.h"
#include "panel/SettingNotSaved.h"
#include "settings/IniFile.h"

namespace zor {

namespace {

const QString kSection = QStringLiteral("RDS");

QString dataSetFile(const PageContext& context) {
    return context.data.file(QLatin1String(kDataSetFile));
}

} // namespace

QString readRdsKey(const PageContext& context, const QString& key) {
    return Ini_Lesen(kSection, key, dataSetFile(context));
}

bool writeRdsKey(PageContext& context, const QString& key, const QString& value, bool quiet) {
    const QString file = dataSetFile(context);
    if (Ini_Schreiben(kSection, key, value, file))
        return true;
    if (!quiet)
        tellSettingNotSaved(context.messages, key, file);
    return false;
}

} // namespace zor
