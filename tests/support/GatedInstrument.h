#pragma once

#include "translate/Instrument.h"

namespace zor::test {

// The instrument behind a demo switch of the test's own: a test can put the
// program into demo mode and out of it again without a new connection (and
// its opening carriage return) reaching the instrument.
class GatedInstrument final : public Instrument {
public:
    explicit GatedInstrument(Instrument& inner) : inner_(inner) {}

    void setDemo(bool demo) { demo_ = demo; }

    bool send(const QString& key, const QString& value) override {
        return !demo_ && inner_.send(key, value);
    }
    Answer ask(const Question& question) override { return inner_.ask(question); }
    bool connect() override {
        demo_ = !inner_.connect();
        return !demo_;
    }
    void goToLocal() override {
        inner_.goToLocal();
        demo_ = true;
    }
    void enterDemo() override { demo_ = true; }
    bool isDemo() const override { return demo_; }
    Interface interfaceInUse() const override { return inner_.interfaceInUse(); }
    void useInterface(Interface chosen) override { inner_.useInterface(chosen); }
    int generatorAddress() const override { return inner_.generatorAddress(); }
    void setGeneratorAddress(int address) override { inner_.setGeneratorAddress(address); }
    bool addressesClash() const override { return inner_.addressesClash(); }
    SerialSettings& serialSettings() override { return inner_.serialSettings(); }
    int serialPortNumber() const override { return inner_.serialPortNumber(); }
    bool tryPort(int number, QString& why) override { return inner_.tryPort(number, why); }
    void applySerialSettings() override { inner_.applySerialSettings(); }
    void setLineLostHandler(std::function<void()> handler) override {
        inner_.setLineLostHandler(std::move(handler));
    }

private:
    Instrument& inner_;
    bool demo_ = true;
};

} // namespace zor::test
