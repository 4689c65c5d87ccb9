#pragma once

#include "settings/SerialSettings.h"
#include "translate/Instrument.h"

#include <QList>
#include <QStringList>
#include <functional>

namespace zor::test {

// Stands in for the instrument behind the door: records every setting and
// question handed to it, with whether demo mode held then, and plays the
// connection as the test sets it up. Questions get no value.
class RecordingInstrument final : public Instrument {
public:
    explicit RecordingInstrument(bool demoAtStart = true) : demo(demoAtStart) {}

    struct Handed {
        QString key;
        QString value;
        bool demo; // handed over in demo mode: nothing would have left
    };

    // The settings that would have left the program, as "KEY=value".
    QStringList sent() const {
        QStringList lines;
        for (const Handed& setting : handed)
            if (!setting.demo)
                lines << setting.key + u'=' + setting.value;
        return lines;
    }
    // The same, forgetting what was handed so far.
    QStringList takeSent() {
        const QStringList lines = sent();
        handed.clear();
        return lines;
    }

    bool send(const QString& key, const QString& value) override {
        if (beforeSend)
            beforeSend();
        handed.append({key, value, demo});
        return !demo;
    }
    Answer ask(const Question& question) override {
        asked.append(question);
        return {};
    }
    bool connect() override {
        ++connects;
        demo = false;
        return true;
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
        serialSettingsLoads += chosen == Interface::Serial ? 1 : 0;
    }
    int generatorAddress() const override { return address; }
    void setGeneratorAddress(int chosen) override { address = chosen; }
    bool addressesClash() const override { return address == secondAddress; }
    SerialSettings& serialSettings() override { return serial; }
    int serialPortNumber() const override { return serial.portNumber(); }
    bool tryPort(int, QString&) override { return true; }
    void applySerialSettings() override {}
    void setLineLostHandler(std::function<void()>) override {}

    QList<Handed> handed;
    QList<Question> asked;
    std::function<void()> beforeSend; // runs before each setting is recorded
    bool demo;
    int connects = 0;
    int localCalls = 0;
    int serialSettingsLoads = 0;
    Interface interface = Interface::Serial;
    int address = 28;
    int secondAddress = -1;
    SerialSettings serial;
};

} // namespace zor::test
