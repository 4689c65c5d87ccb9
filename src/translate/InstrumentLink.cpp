#include "translate/InstrumentLink.h"

#include "link/BusAdapter.h"
#include "link/CommandChannel.h"
#include "link/CommandLog.h"
#include "link/CommandQueue.h"
#include "link/GpibLibrary.h"
#include "link/LinkState.h"
#include "link/SerialPort.h"
#include "settings/DataFolder.h"
#include "settings/IniFile.h"
#include "translate/Translator.h"

namespace zor {

namespace {

QString general(const DataFolder& folder, const char* section, const char* key) {
    return Ini_Lesen(QLatin1String(section), QLatin1String(key),
                     folder.file(QLatin1String(kGeneralFile)));
}

Answer::Outcome outcomeOf(QueryResult::Kind kind) {
    switch (kind) {
    case QueryResult::Kind::Value:
        return Answer::Outcome::Value;
    case QueryResult::Kind::NoValue:
        return Answer::Outcome::NoValue;
    case QueryResult::Kind::NoReply:
        return Answer::Outcome::NoReply;
    }
    return Answer::Outcome::NoValue;
}

} // namespace

struct InstrumentLink::Parts {
    Parts(const DataFolder& folder, const Captions& captions, OperatorMessages& messages,
          const CurrentValues& current, const Clock& clock)
        : state(storedLinkState(folder)),
          serialPort(folder.file(QLatin1String(kSerialFile))),
          gpib(general(folder, "BUS", "GpibLibrary")), bus(gpib, captions, messages),
          log(folder.file(QLatin1String(kLogFile)),
              CommandLog::flagFromText(general(folder, "ADRESSEN", "Log_Key"))),
          channel(state, serialPort, bus, log, captions, messages),
          translator(channel, log, current, clock) {
        channel.serialSettings().setFilePath(folder.file(QLatin1String(kSerialFile)));
    }

    LinkState state;
    SerialPort serialPort;
    GpibLibrary gpib;
    BusAdapter bus;
    CommandLog log;
    CommandChannel channel;
    Translator translator;
    CommandQueue queue;
};

InstrumentLink::InstrumentLink(const DataFolder& folder, const Captions& captions,
                               OperatorMessages& messages, const CurrentValues& current,
                               const Clock& clock)
    : parts_(std::make_unique<Parts>(folder, captions, messages, current, clock)) {}

InstrumentLink::~InstrumentLink() = default;

void InstrumentLink::emptyLog() {
    parts_->log.empty();
}

QString InstrumentLink::logProblem() const {
    return parts_->log.problem();
}

// A command asked for while another command or query is under way (by a
// timer that fell due while the link waited for the instrument) follows it.
bool InstrumentLink::send(const QString& key, const QString& value) {
    Translator& translator = parts_->translator;
    if (parts_->queue.busy()) {
        parts_->queue.queue([&translator, key, value] { translator.Parameter_Senden(key, value); });
        return true;
    }
    bool sent = false;
    parts_->queue.carryOut([&] { sent = translator.Parameter_Senden(key, value); });
    return sent;
}

// Questions come from the operator, whose input waits while the link works;
// a question cannot be put off anyway, as its caller waits for the answer.
Answer InstrumentLink::ask(const Question& question) {
    QueryResult result;
    parts_->queue.carryOut([&] {
        result = question.target == QueryTarget::Coder
                     ? parts_->channel.Q7_Abfrage(question.label, question.key)
                     : parts_->channel.ZOR_Abfrage(question.label, question.key);
    });
    return {outcomeOf(result.kind), result.text};
}

// Commands asked for while the interface opens follow the opening.
bool InstrumentLink::connect() {
    bool opened = false;
    parts_->queue.carryOut([&] {
        opened = parts_->channel.openInterface();
        if (opened)
            parts_->state.demo = false;
    });
    return opened;
}

void InstrumentLink::goToLocal() {
    parts_->queue.carryOut([this] { parts_->channel.goToLocal(); });
}

void InstrumentLink::enterDemo() {
    parts_->state.demo = true;
}

bool InstrumentLink::isDemo() const {
    return parts_->state.demo;
}

Interface InstrumentLink::interfaceInUse() const {
    return parts_->state.serialInterface ? Interface::Serial : Interface::Bus;
}

void InstrumentLink::useInterface(Interface chosen) {
    parts_->state.serialInterface = chosen == Interface::Serial;
    if (parts_->state.serialInterface)
        parts_->channel.loadSerialSettings();
}

int InstrumentLink::generatorAddress() const {
    return parts_->state.generatorAddress;
}

void InstrumentLink::setGeneratorAddress(int address) {
    parts_->state.generatorAddress = static_cast<std::int16_t>(address);
}

bool InstrumentLink::addressesClash() const {
    return parts_->state.generatorAddress == parts_->state.secondAddress;
}

SerialSettings& InstrumentLink::serialSettings() {
    return parts_->channel.serialSettings();
}

int InstrumentLink::serialPortNumber() const {
    return parts_->channel.serialPortNumber();
}

bool InstrumentLink::tryPort(int number, QString& why) {
    return parts_->channel.tryPort(number, why);
}

void InstrumentLink::applySerialSettings() {
    parts_->channel.applySerialSettings();
}

void InstrumentLink::setLineLostHandler(std::function<void()> handler) {
    parts_->channel.setLineLostHandler(std::move(handler));
}

} // namespace zor
