#include "sim/RdsCoder.h"

#include "sim/CoderContent.h"
#include "sim/WireValues.h"

#include <algorithm>
#include <array>

namespace zor::sim {

namespace {

// Coder values kept unchanged as received.
constexpr std::array plainKeys = {"PS",  "PI",     "PTY", "TA", "MS", "DI",    "GS",
                                  "BIN", "RDS-PH", "CT",  "3A", "8A", "EON-PI"};
constexpr std::array eonFamilies = {"EON-PS", "EON-TA", "EON-TP", "EON-PTY", "EON-AFA"};
constexpr int listCount = 5;
constexpr int dataSetCount = 5;

QByteArray listName(const QByteArray& prefix, int n) {
    return prefix + QByteArray::number(n);
}

QByteArray eonName(const QByteArray& family, const QByteArray& pi) {
    return family + ',' + eonKeyOf(pi);
}

// The coder's own values with fixed names (RT, the AF lists and the plain keys).
bool isCoderName(const QByteArray& name) {
    const bool list =
        name.size() == 3 && name.startsWith("AF") && name[2] >= '1' && name[2] <= '0' + listCount;
    return list || name == "RT" || name == "RT-CTL" ||
           std::find(plainKeys.begin(), plainKeys.end(), name) != plainKeys.end();
}

QByteArray numberInList(const QByteArray& word, const QList<QByteArray>& words) {
    const qsizetype index = words.indexOf(word);
    return index < 0 ? QByteArray() : QByteArray::number(index + 1);
}

} // namespace

QByteArray eonKeyOf(const QByteArray& pi) {
    QByteArray key = pi;
    key.replace(' ', QByteArray());
    return key.toUpper();
}

RdsCoder::RdsCoder(InstrumentState& state) : state_(state) {}

void RdsCoder::preset() {
    for (const char* key : plainKeys)
        state_.set(key, QByteArray());
    state_.set("RT", QByteArray());
    state_.set("RT-CTL", QByteArray());
    for (int n = 1; n <= listCount; ++n)
        state_.set(listName("AF", n), QByteArray());
    state_.removeStartingWith("EON-");
    state_.removeStartingWith("3A,");
    state_.set("EON-PI", QByteArray());
    for (int n = 1; n <= dataSetCount; ++n) {
        state_.set(listName("STORE", n), "0");
        state_.removeStartingWith(listName("STORE", n) + '.');
    }
}

QByteArray RdsCoder::apply(const QByteArray& coderText) {
    const qsizetype equals = coderText.indexOf('=');
    if (equals <= 0)
        return "coder text without KEY=";
    const QByteArray key = coderText.left(equals).trimmed().toUpper();
    const QByteArray value = coderText.mid(equals + 1);

    for (const char* plain : plainKeys) {
        if (key == plain) {
            state_.set(key, value);
            if (key == "3A")
                fileAnnouncement(value);
            return {};
        }
    }
    if (key == "RT")
        return applyRadioText(value);
    if (key == "AF")
        return placeAfList(value, "AF", true);
    if (key == "EON-DEL")
        return applyEonDelete(value);
    if (key == "STORE")
        return applyStore(value);
    if (key == "EON-AFB" ||
        eonFamilies.end() != std::find(eonFamilies.begin(), eonFamilies.end(), key))
        return applyEon(key, value);
    return "unknown coder key " + key;
}

// An application announces itself with several 3A texts (RDS-TMC: variant 0
// with the location table, variant 1 with the service), which the coder
// sends in turn, so each variant is kept beside the last text.
void RdsCoder::fileAnnouncement(const QByteArray& value) {
    const auto oda = OdaAnnouncement::parse(value);
    if (!oda)
        return;
    for (int variant = 0; variant < 4; ++variant) {
        const QByteArray name = "3A," + QByteArray::number(variant);
        const auto filed = OdaAnnouncement::parse(state_.value(name));
        if (filed && (filed->aid != oda->aid || filed->groupCode != oda->groupCode))
            state_.remove(name);
    }
    state_.set("3A," + QByteArray::number(oda->variant()), value);
}

QByteArray RdsCoder::applyRadioText(const QByteArray& value) {
    const qsizetype first = value.indexOf(',');
    const qsizetype second = first < 0 ? -1 : value.indexOf(',', first + 1);
    if (second < 0)
        return "RadioText needs two fields before the text";
    state_.set("RT-CTL", value.left(second));
    state_.set("RT", value.mid(second + 1));
    return {};
}

QByteArray RdsCoder::placeAfList(const QByteArray& value, const QByteArray& namePrefix,
                                 bool keepEmpty) {
    auto clearAll = [&] {
        for (int n = 1; n <= listCount; ++n) {
            if (keepEmpty)
                state_.set(listName(namePrefix, n), QByteArray());
            else
                state_.remove(listName(namePrefix, n));
        }
    };
    const qsizetype comma = value.indexOf(',');
    const QByteArray marker = (comma < 0 ? value : value.left(comma)).trimmed();
    const QByteArray list = comma < 0 ? QByteArray() : value.mid(comma + 1);

    if (marker == "+") {
        for (int n = 1; n <= listCount; ++n) {
            if (state_.value(listName(namePrefix, n)).isEmpty()) {
                state_.set(listName(namePrefix, n), list);
                return {};
            }
        }
        return "all five AF lists are in use";
    }
    clearAll();
    if (marker == "N")
        state_.set(listName(namePrefix, 1), list);
    else if (!value.isEmpty())
        state_.set(listName(namePrefix, 1), value);
    return {};
}

QByteArray RdsCoder::applyEon(const QByteArray& key, const QByteArray& value) {
    const qsizetype comma = value.indexOf(',');
    if (comma < 0)
        return key + " needs the other network's PI first";
    const QByteArray pi = value.left(comma);
    if (eonKeyOf(pi).isEmpty())
        return key + " with an empty PI";
    const QByteArray rest = value.mid(comma + 1);
    if (key == "EON-AFB")
        return placeAfList(rest, eonName("EON-AFB", pi) + ',', false);
    state_.set(eonName(key, pi), rest);
    return {};
}

QByteArray RdsCoder::applyEonDelete(const QByteArray& value) {
    const QByteArray pi = eonKeyOf(value);
    if (pi.isEmpty())
        return "EON-DEL needs a PI";
    for (const char* family : eonFamilies)
        state_.remove(eonName(family, pi));
    for (int n = 1; n <= listCount; ++n)
        state_.remove(listName(eonName("EON-AFB", pi) + ',', n));
    if (eonKeyOf(state_.value("EON-PI")) == pi)
        state_.set("EON-PI", QByteArray());
    return {};
}

QList<QByteArray> RdsCoder::snapshotNames() const {
    QList<QByteArray> names;
    for (auto it = state_.entries().cbegin(); it != state_.entries().cend(); ++it) {
        const QByteArray& name = it.key();
        if (name.startsWith("EON-") || isCoderName(name) || name == "TP")
            names.append(name);
    }
    return names;
}

QByteArray RdsCoder::applyStore(const QByteArray& value) {
    bool ok = false;
    const int set = value.trimmed().toInt(&ok);
    if (!ok || set < 1 || set > dataSetCount)
        return "data set " + value + " does not exist (1 to 5)";
    const QByteArray counter = listName("STORE", set);
    state_.removeStartingWith(counter + '.');
    for (const QByteArray& name : snapshotNames())
        state_.set(counter + '.' + name, state_.value(name));
    state_.set(counter, QByteArray::number(state_.value(counter).toInt() + 1));
    return {};
}

std::optional<QByteArray> RdsCoder::answer(const QByteArray& key) const {
    const qsizetype comma = key.indexOf(',');
    const QByteArray family = (comma < 0 ? key : key.left(comma)).trimmed().toUpper();
    if (comma >= 0)
        return eonAnswer(family, key.mid(comma + 1));

    if (auto generator = generatorAnswer(family))
        return generator;
    if (isCoderName(family))
        return state_.value(family);
    return std::nullopt;
}

std::optional<QByteArray> RdsCoder::eonAnswer(const QByteArray& family,
                                              const QByteArray& rest) const {
    if (family == "EON-AFB") {
        const qsizetype comma = rest.lastIndexOf(',');
        if (comma < 0)
            return std::nullopt;
        return state_.value(eonName(family, rest.left(comma)) + ',' +
                            rest.mid(comma + 1).trimmed());
    }
    if (std::find(eonFamilies.begin(), eonFamilies.end(), family) == eonFamilies.end())
        return std::nullopt;
    return state_.value(eonName(family, rest));
}

QByteArray RdsCoder::tenHertzUnits(const QByteArray& name) const {
    return plainDecimal(state_.value(name).toDouble() / 10.0);
}

QByteArray RdsCoder::switchDigit(const QByteArray& name) const {
    return state_.value(name) == "ON" ? "1" : "0";
}

std::optional<QByteArray> RdsCoder::generatorAnswer(const QByteArray& key) const {
    if (key == "MPX-DEV" || key == "PIL-DEV" || key == "ARI-DEV" || key == "RDS-DEV")
        return tenHertzUnits(key);
    if (key == "PIL" || key == "ARI" || key == "RDS" || key == "TP")
        return switchDigit(key);
    if (key == "PIL-PH")
        return plainDecimal(state_.value("PIL-PH").toDouble() * 10.0);
    if (key == "SRC") {
        if (state_.value("STEREO") != "ON")
            return QByteArray("0");
        return numberInList(state_.value("SRC"), {"LREXT", "SPEXT", "LFGEN"});
    }
    if (key == "MODE")
        return numberInList(state_.value("MODE"), {"LEFT", "RIGHT", "REL", "REML", "RNEL"});
    if (key == "IMP")
        return numberInList(state_.value("IMP"), {"600", "100"});
    if (key == "PRE") {
        if (state_.value("PRE") != "ON")
            return QByteArray("0");
        const QByteArray micro = state_.value("PRE-US");
        return micro == "50" ? QByteArray("1") : micro == "75" ? QByteArray("2") : micro;
    }
    if (key == "ARI-ID") {
        if (state_.value("ARI-ID") != "ON")
            return QByteArray("0");
        return numberInList(state_.value("ARI-TYPE"), {"DK", "BK", "BKDK"});
    }
    if (key == "BK")
        return state_.value("BK");
    return std::nullopt;
}

} // namespace zor::sim
