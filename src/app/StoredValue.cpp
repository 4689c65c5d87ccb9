#include "app/StoredValue.h"

#include "rds/AfLists.h"
#include "settings/IniFile.h"
#include "settings/NumberText.h"

#include <QRegularExpression>
#include <array>

namespace zor {

namespace {

enum class Form { Text, Switch, StereoMode };

struct StoredKey {
    const char* key;
    const char* file;
    const char* section;
    const char* iniKey;
    Form form = Form::Text;
};

constexpr std::array kStoredKeys{
    StoredKey{"MPX_HUB", kGeneralFile, "FM", "MPX_DEV"},
    StoredKey{"MPX_SOURCE", kGeneralFile, "FM", "MPX_Source"},
    StoredKey{"MPX_IMPEDANZ", kGeneralFile, "FM", "MPX_Impedanz"},
    StoredKey{"STEREO_MODE", kGeneralFile, "FM", "Stereo_Mode", Form::StereoMode},
    StoredKey{"PREEMPHASIS", kGeneralFile, "FM", "PREEMPHASIS"},
    StoredKey{"PILOT", kGeneralFile, "FM", "PILOT", Form::Switch},
    StoredKey{"PILOT_HUB", kGeneralFile, "FM", "PILOT_HUB"},
    StoredKey{"PILOT_PHASE", kGeneralFile, "FM", "PILOT_PHASE"},
    StoredKey{"ARI", kGeneralFile, "FM", "ARI", Form::Switch},
    StoredKey{"ARI-HUB", kGeneralFile, "FM", "ARI_HUB"},
    StoredKey{"ARI-ID", kGeneralFile, "FM", "ARI_ID"},
    StoredKey{"ARI-BK", kGeneralFile, "FM", "ARI-BK"},
    StoredKey{"RDS", kGeneralFile, "FM", "RDS", Form::Switch},
    StoredKey{"RDS_HUB", kGeneralFile, "FM", "RDS_HUB"},
    StoredKey{"RDS_PHASE", kGeneralFile, "FM", "RDS_PHASE"},
    StoredKey{"PI", kDataSetFile, "RDS", "PI"},
    StoredKey{"PS", kDataSetFile, "RDS", "PS"},
    StoredKey{"PTY", kDataSetFile, "RDS", "PTY"},
    StoredKey{"MS", kDataSetFile, "RDS", "MS"},
    StoredKey{"DI", kDataSetFile, "RDS", "DI"},
    StoredKey{"RT", kDataSetFile, "RDS", "RTA"},
    StoredKey{"RTB", kDataSetFile, "RDS", "RTB"},
    StoredKey{"GROUPSEQ", kDataSetFile, "RDS", "GR_FOLGE"},
    StoredKey{"EON_PI", kDataSetFile, "RDS", "EON_PI"},
    StoredKey{"EON_PS", kDataSetFile, "RDS", "EON_PS"},
    StoredKey{"EON_PTY", kDataSetFile, "RDS", "EON_PTY"},
    StoredKey{"EON_TA", kDataSetFile, "RDS", "EON_TA"},
    StoredKey{"EON_TP", kDataSetFile, "RDS", "EON_TP"},
    StoredKey{"EON_DEL", kDataSetFile, "RDS", "EON_DEL"},
    StoredKey{"HF-Frequenz", kDataSetFile, "ZOR", "HF_Frequenz"},
    StoredKey{"HF-Pegel", kDataSetFile, "ZOR", "HF_Pegel"},
    StoredKey{"NF-Frequenz", kDataSetFile, "ZOR", "NF_Frequenz"},
};

constexpr std::array kValueIgnored{"AM_AUS", "FM_AUS", "FM_EIN", "STEREO_AUS",
                                   "STEREO_EIN", "DEL_RT", "ZEIT"};

QString shaped(const QString& text, Form form)
{
    switch (form) {
    case Form::Switch:
        return text == QLatin1String("1") ? QStringLiteral("1") : QStringLiteral("0");
    case Form::StereoMode:
        return QString::number(static_cast<long long>(leadingNumber(text)) + 1);
    case Form::Text:
        break;
    }
    return text;
}

// An AF list goes out as the send button of its page sends it: list 1 with
// the marker that starts the lists anew, the others with the one that adds a
// list, and nothing at all while list 1 is empty.
std::optional<QString> storedAfList(const DataFolder& folder, const QString& key)
{
    for (const char* kind : {kOwnAfLists, kEonAfLists}) {
        const QString kindText = QLatin1String(kind);
        for (const SendStep& step : afSendPlan(storedAfLists(folder, kindText), kindText)) {
            if (step.key == key)
                return step.value;
        }
    }
    return std::nullopt;
}

bool isAfListKey(const QString& key)
{
    static const QRegularExpression afKey(QStringLiteral("^(AF|EON_AFB)[1-5]$"));
    return afKey.match(key).hasMatch();
}

} // namespace

std::optional<QString> storedValue(const DataFolder& folder, const QString& key)
{
    if (isAfListKey(key))
        return storedAfList(folder, key);
    for (const char* ignored : kValueIgnored) {
        if (key == QLatin1String(ignored))
            return QString();
    }
    for (const StoredKey& stored : kStoredKeys) {
        if (key != QLatin1String(stored.key))
            continue;
        const QString text =
            Ini_Lesen(QString::fromLatin1(stored.section), QString::fromLatin1(stored.iniKey),
                      folder.file(QString::fromLatin1(stored.file)));
        return shaped(text, stored.form);
    }
    return std::nullopt;
}

} // namespace zor
