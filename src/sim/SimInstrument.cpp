#include "sim/SimInstrument.h"

#include <utility>

namespace zor::sim {

namespace {

constexpr qsizetype errorQueueLength = 32;

QByteArray scpiError(int code, const QByteArray& message) {
    return QByteArray::number(code) + ",\"" + message + '"';
}

} // namespace

SimInstrument::SimInstrument()
    : coder_(state_), direct_("[SOURce]:STEReo:DIRect"), systemError_("SYSTem:ERRor[:NEXT]") {
    using K = Kind;
    using Q = Quantity;
    auto row = [](const char* pattern, const char* name, Kind kind, Quantity quantity,
                  QList<QByteArray> choices, const char* preset) {
        return Setting{HeaderPattern(pattern), name, kind, quantity, std::move(choices), preset};
    };
    // clang-format off
    settings_ = {
        row("[SOURce]:FREQuency[:CW]", "FREQ", K::Number, Q::Frequency, {}, "100000000"),
        row("[SOURce]:POWer[:LEVel][:IMMediate][:AMPLitude]", "POW", K::Number, Q::Level,
            {}, "-30"),
        row("OUTPut[:STATe]", "OUTPUT", K::Switch, Q::Plain, {}, "OFF"),
        row("[SOURce]:AM:STATe", "AM", K::Switch, Q::Plain, {}, "OFF"),
        row("[SOURce]:FM:STATe", "FM", K::Switch, Q::Plain, {}, "OFF"),
        row("[SOURce]:STEReo:STATe", "STEREO", K::Switch, Q::Plain, {}, "OFF"),
        row("[SOURce]:STEReo:DEViation", "MPX-DEV", K::Number, Q::Frequency, {}, "40000"),
        row("[SOURce]:STEReo:SOURce", "SRC", K::Choice, Q::Plain,
            {"LREXT", "SPEXT", "LFGEN"}, "LREXT"),
        row("[SOURce]:STEReo:EXTernal:IMPedanz|IMPedance", "IMP", K::Choice, Q::Plain,
            {"600", "100"}, "600"),
        row("[SOURce]:STEReo:AUDio:MODE", "MODE", K::Choice, Q::Plain,
            {"LEFT", "RIGHT", "REL", "REML", "RNEL"}, "REL"),
        row("[SOURce]:STEReo:AUDio:PREemphasis:STATe", "PRE", K::Switch, Q::Plain, {}, "OFF"),
        row("[SOURce]:STEReo:AUDio:PREemphasis", "PRE-US", K::Number, Q::Time, {}, "50"),
        row("[SOURce]:STEReo:AUDio:FREQuency", "AFREQ", K::Number, Q::Frequency, {}, "1000"),
        row("[SOURce]:STEReo:PILot:STATe", "PIL", K::Switch, Q::Plain, {}, "OFF"),
        row("[SOURce]:STEReo:PILot:DEViation", "PIL-DEV", K::Number, Q::Frequency, {}, "6750"),
        row("[SOURce]:STEReo:PILot:PHASe", "PIL-PH", K::Number, Q::Angle, {}, "0"),
        row("[SOURce]:STEReo:ARI:STATe", "ARI", K::Switch, Q::Plain, {}, "OFF"),
        row("[SOURce]:STEReo:ARI:DEViation", "ARI-DEV", K::Number, Q::Frequency, {}, "3500"),
        row("[SOURce]:STEReo:ARI:TYPE:STATe", "ARI-ID", K::Switch, Q::Plain, {}, "OFF"),
        row("[SOURce]:STEReo:ARI:TYPE", "ARI-TYPE", K::Choice, Q::Plain,
            {"DK", "BK", "BKDK"}, "DK"),
        row("[SOURce]:STEReo:ARI:BK", "BK", K::Choice, Q::Plain,
            {"A", "B", "C", "D", "E", "F"}, "A"),
        row("[SOURce]:STEReo:RDS:STATe", "RDS", K::Switch, Q::Plain, {}, "OFF"),
        row("[SOURce]:STEReo:RDS:DEViation", "RDS-DEV", K::Number, Q::Frequency, {}, "2000"),
        row("[SOURce]:STEReo:RDS:TRAFfic:PROGram", "TP", K::Switch, Q::Plain, {}, "OFF"),
    };
    // clang-format on
    presetAll();
    state_.set("UNKNOWN", "0");
    state_.set("UNKNOWN-LAST", QByteArray());
}

void SimInstrument::presetGenerator() {
    for (const Setting& setting : settings_)
        state_.set(setting.name, setting.preset);
}

void SimInstrument::presetAll() {
    presetGenerator();
    coder_.preset();
}

void SimInstrument::restore(const QMap<QByteArray, QByteArray>& entries) {
    for (auto it = entries.cbegin(); it != entries.cend(); ++it) {
        if (it.key() != "UNKNOWN" && it.key() != "UNKNOWN-LAST")
            state_.set(it.key(), it.value());
    }
}

QByteArray SimInstrument::handleLine(const QByteArray& line) {
    QList<QByteArray> answers;
    QList<QByteArray> previousNodes;
    for (const QByteArray& piece : CommandParser::splitCommands(line)) {
        const ParsedCommand command = CommandParser::parse(piece);
        if (command.text.isEmpty())
            continue;
        if (command.common) {
            executeCommon(command, answers);
            continue;
        }
        QList<QByteArray> nodes = command.nodes;
        if (!isKnownHeader(nodes) && !command.absolute && !previousNodes.isEmpty())
            nodes = previousNodes.mid(0, previousNodes.size() - 1) + command.nodes;
        if (!isKnownHeader(nodes)) {
            reject(command, -113, "Undefined header");
            continue;
        }
        previousNodes = nodes;
        execute(command, nodes, answers);
    }
    if (answers.isEmpty())
        return {};
    return answers.join(';') + '\n';
}

const SimInstrument::Setting* SimInstrument::findSetting(const QList<QByteArray>& nodes) const {
    for (const Setting& setting : settings_) {
        if (setting.pattern.matches(nodes))
            return &setting;
    }
    return nullptr;
}

bool SimInstrument::isKnownHeader(const QList<QByteArray>& nodes) const {
    return findSetting(nodes) || direct_.matches(nodes) || systemError_.matches(nodes);
}

void SimInstrument::execute(const ParsedCommand& command, const QList<QByteArray>& nodes,
                            QList<QByteArray>& answers) {
    if (const Setting* setting = findSetting(nodes))
        executeSetting(*setting, command, answers);
    else if (direct_.matches(nodes))
        executeDirect(command, answers);
    else if (command.query)
        answers.append(takeError()); // SYSTem:ERRor?, the one header left
    else
        reject(command, -113, "Undefined header");
}

void SimInstrument::executeCommon(const ParsedCommand& command, QList<QByteArray>& answers) {
    const QByteArray header = command.nodes.value(0).toUpper();
    if (header == "*IDN" && command.query)
        answers.append("zor-sim,ZOR with Q7 stereo/RDS coder,0,1.0");
    else if (header == "*RST" && !command.query)
        presetGenerator();
    else if (header == "*CLS" && !command.query)
        errorQueue_.clear();
    else if (header == "*OPC" && command.query)
        answers.append("1");
    else
        reject(command, -113, "Undefined header");
}

void SimInstrument::executeSetting(const Setting& setting, const ParsedCommand& command,
                                   QList<QByteArray>& answers) {
    if (command.query) {
        answers.append(settingAnswer(setting));
        return;
    }
    if (command.argument.isEmpty()) {
        reject(command, -109, "Missing parameter");
        return;
    }
    QByteArray value;
    switch (setting.kind) {
    case Kind::Switch:
        if (auto on = parseSwitch(command.argument))
            value = *on ? "ON" : "OFF";
        break;
    case Kind::Number:
        if (auto number = parseQuantity(command.argument, setting.quantity))
            value = plainDecimal(*number);
        break;
    case Kind::Choice: {
        const QByteArray word = command.argument.toUpper();
        if (setting.choices.contains(word))
            value = word;
        break;
    }
    }
    if (value.isEmpty()) {
        reject(command, -224, "Illegal parameter value");
        return;
    }
    state_.set(setting.name, value);
}

QByteArray SimInstrument::settingAnswer(const Setting& setting) const {
    const QByteArray value = state_.value(setting.name);
    if (setting.kind == Kind::Switch)
        return value == "ON" ? "1" : "0";
    return value;
}

void SimInstrument::executeDirect(const ParsedCommand& command, QList<QByteArray>& answers) {
    const QByteArray text = CommandParser::stringArgument(command.argument);
    if (command.query) {
        const std::optional<QByteArray> value = coder_.answer(text);
        if (!value)
            reject(command, -224, "Illegal parameter value;unknown coder key");
        answers.append('"' + value.value_or(QByteArray()) + '"');
        return;
    }
    const QByteArray refusal = coder_.apply(text);
    if (!refusal.isEmpty())
        reject(command, -224, "Illegal parameter value;" + refusal);
}

void SimInstrument::reject(const ParsedCommand& command, int code, const QByteArray& message) {
    rejected_.append(command.text);
    state_.set("UNKNOWN", QByteArray::number(rejected_.size()));
    state_.set("UNKNOWN-LAST", command.text);
    if (errorQueue_.size() >= errorQueueLength)
        errorQueue_.last() = scpiError(-350, "Queue overflow");
    else
        errorQueue_.append(scpiError(code, message));
}

QByteArray SimInstrument::takeError() {
    if (errorQueue_.isEmpty())
        return scpiError(0, "No error");
    return errorQueue_.takeFirst();
}

} // namespace zor::sim
