#include "sim/CoderContent.h"

#include "sim/AfCoding.h"
#include "sim/RdsCoder.h"

#include <QSet>
#include <algorithm>

namespace zor::sim {

namespace {

constexpr int listCount = 5;
constexpr int psLength = 8;

std::optional<std::uint64_t> hexNumber(const QByteArray& digits, int count) {
    if (digits.size() != count)
        return std::nullopt;
    bool ok = false;
    const std::uint64_t number = digits.toULongLong(&ok, 16);
    return ok ? std::optional(number) : std::nullopt;
}

// The hex digits after an optional "NN," group prefix.
QByteArray afterGroupPrefix(const QByteArray& text) {
    const qsizetype comma = text.indexOf(',');
    return (comma < 0 ? text : text.mid(comma + 1)).trimmed();
}

// PI codes are hex; blanks padding a short code are no digits.
std::uint16_t piOf(const QByteArray& text) {
    QByteArray digits = text;
    digits.replace(' ', QByteArray());
    bool ok = false;
    const uint number = digits.left(4).toUInt(&ok, 16);
    return ok ? static_cast<std::uint16_t>(number) : 0;
}

std::uint8_t numberOf(const QByteArray& text, int maximum) {
    bool ok = false;
    const int number = text.trimmed().toInt(&ok);
    return ok && number >= 0 && number <= maximum ? static_cast<std::uint8_t>(number) : 0;
}

bool isOne(const QByteArray& text) {
    return text.trimmed() == "1";
}

QByteArray eightCharacters(const QByteArray& text) {
    return text.left(psLength).leftJustified(psLength, ' ');
}

QList<int> sequenceOf(const QByteArray& text) {
    QList<int> sequence;
    for (const QByteArray& entry : text.split(',')) {
        const QByteArray item = entry.trimmed().toUpper();
        if (item.isEmpty() || item.endsWith('B'))
            continue;
        bool ok = false;
        const int type = (item.endsWith('A') ? item.chopped(1) : item).toInt(&ok);
        if (ok && type >= 0 && type <= 15)
            sequence.append(type);
    }
    return sequence;
}

QSet<QByteArray> eonKeys(const InstrumentState& state) {
    QSet<QByteArray> keys;
    if (!eonKeyOf(state.value("EON-PI")).isEmpty())
        keys.insert(eonKeyOf(state.value("EON-PI")));
    for (auto it = state.entries().cbegin(); it != state.entries().cend(); ++it) {
        const QList<QByteArray> parts = it.key().split(',');
        if (parts.size() >= 2 && parts[0].startsWith("EON-"))
            keys.insert(parts[1]);
    }
    return keys;
}

EonNetwork networkOf(const InstrumentState& state, const QByteArray& key) {
    auto value = [&](const char* family) { return state.value(QByteArray(family) + ',' + key); };
    EonNetwork network;
    network.pi = piOf(key);
    const QByteArray ps = value("EON-PS");
    if (state.contains("EON-PS," + key))
        network.ps = eightCharacters(ps);
    network.tp = isOne(value("EON-TP"));
    network.ta = isOne(value("EON-TA"));
    network.pty = numberOf(value("EON-PTY"), 31);
    network.methodA = AfCoding::codes(value("EON-AFA"));
    for (int n = 1; n <= listCount; ++n) {
        const QList<std::uint8_t> list =
            AfCoding::codes(state.value("EON-AFB," + key + ',' + QByteArray::number(n)));
        if (list.size() >= 2)
            network.mappedLists.append(list);
    }
    return network;
}

QList<OdaAnnouncement> odasOf(const InstrumentState& state) {
    QList<OdaAnnouncement> odas;
    for (int variant = 0; variant < 4; ++variant) {
        if (auto oda = OdaAnnouncement::parse(state.value("3A," + QByteArray::number(variant))))
            odas.append(*oda);
    }
    if (odas.isEmpty()) {
        if (auto oda = OdaAnnouncement::parse(state.value("3A")))
            odas.append(*oda);
    }
    return odas;
}

} // namespace

std::optional<OdaAnnouncement> OdaAnnouncement::parse(const QByteArray& text) {
    const auto number = hexNumber(afterGroupPrefix(text), 10);
    if (!number)
        return std::nullopt;
    OdaAnnouncement oda;
    oda.groupCode = static_cast<std::uint8_t>((*number >> 32) & 0x1F);
    oda.message = static_cast<std::uint16_t>(*number >> 16);
    oda.aid = static_cast<std::uint16_t>(*number);
    return oda;
}

std::optional<TmcMessage> TmcMessage::parse(const QByteArray& text) {
    const auto number = hexNumber(afterGroupPrefix(text), 10);
    if (!number)
        return std::nullopt;
    TmcMessage message;
    message.blockB = static_cast<std::uint8_t>((*number >> 32) & 0x1F);
    message.blockC = static_cast<std::uint16_t>(*number >> 16);
    message.blockD = static_cast<std::uint16_t>(*number);
    return message;
}

QList<int> defaultSequence() {
    return {0, 2, 3, 8, 14};
}

CoderContent CoderContent::read(const InstrumentState& state) {
    CoderContent content;
    content.rdsOn = state.value("RDS") == "ON";
    content.testPattern = numberOf(state.value("BIN"), 4);
    content.pi = piOf(state.value("PI"));
    content.pty = numberOf(state.value("PTY"), 31);
    content.tp = state.value("TP") == "ON";
    content.ta = isOne(state.value("TA"));
    content.music = state.value("MS").trimmed().toUpper() != "S";
    content.di = numberOf(state.value("DI"), 15);
    content.ps = eightCharacters(state.value("PS"));
    content.radioText = state.value("RT").left(64);
    for (int n = 1; n <= listCount; ++n)
        content.afLists.append(AfCoding::codes(state.value("AF" + QByteArray::number(n))));
    QList<QByteArray> keys = eonKeys(state).values();
    std::sort(keys.begin(), keys.end());
    for (const QByteArray& key : keys)
        content.networks.append(networkOf(state, key));
    content.odas = odasOf(state);
    content.tmc = TmcMessage::parse(state.value("8A"));
    content.clockText = state.value("CT");
    content.sequence = sequenceOf(state.value("GS"));
    if (state.value("GS").trimmed().isEmpty())
        content.sequence = defaultSequence();
    return content;
}

} // namespace zor::sim
