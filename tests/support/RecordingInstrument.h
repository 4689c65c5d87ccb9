#pragma once

#include "settings/SerialSettings.h"
#include "translate/Instrument.h"

#include <QList>
#include <QSet>
#include <functional>

namespace zor::test {

// Stands in for the instrument behind the door: records every setting and
// question handed to it and plays the connection as the test sets it up.
class RecordingInstrument final : public Instrument {
public:
    struct Handed {
        QString key;
        QString value;
        bool demo; // handed over in demo mode: nothing would have left

        bool operator==(const Handed&) const = default;
    };

    // The settings that would have left the program, as "KEY=value".
    QStringList sent() const {
        QStringList lines;
        for (const Handed& setting : handed) {
            if (!setting.demo)
                lines << setting.key + u'=' + setting.value;
        }
        return lines;
    }

    bool send(const QString& key, const QString& value) override {
        handed.append({key, value, demo});
        return !demo;
    }
    Answer ask(const Question& question) override {
        asked.append(question);
        return answer(question);
    }
    bool connect() override {
        ++connects;
        demo = !connectWorks;
        return connectWorks;
    }
    void goToLocal() override {
        ++localCalls;
        demo = true;
    }
    void enterDemo() override { demo = true; }
    bool isDemo() const override { return demo; }
    Interface interfaceInUse() const override { return interface; }
    void useInterface(Interface chosen) override {
        interface = chosen;
        if (chosen == Interface::Serial)
            ++serialSettingsLoads;
    }
    int generatorAddress() const override { return address; }
    void setGeneratorAddress(int chosen) override { address = chosen; }
    bool addressesClash() const override { return address == secondAddress; }
    SerialSettings& serialSettings() override { return serial; }
    int serialPortNumber() const override { return portNumber; }
    bool tryPort(int number, QString& why) override {
        if (brokenPorts.contains(number)) {
            why = QStringLiteral("busy");
            return false;
        }
        portNumber = number;
        return true;
    }
    void applySerialSettings() override { portNumber = serial.portNumber(); }
    void setLineLostHandler(std::function<void()> handler) override {
        lineLost = std::move(handler);
    }

    QList<Handed> handed;
    QList<Question> asked;
    // The answer to each question; by default the key itself as the value.
    std::function<Answer(const Question&)> answer = [](const Question& question) {
        return Answer{Answer::Outcome::Value, question.key};
    };
    bool demo = true;
    bool connectWorks = true;
    int connects = 0;
    int localCalls = 0;
    int serialSettingsLoads = 0;
    Interface interface = Interface::Serial;
    int address = 28;
    int secondAddress = -1;
    SerialSettings serial;
    int portNumber = 1;
    QSet<int> brokenPorts;
    std::function<void()> lineLost;
};

} // namespace zor::test
