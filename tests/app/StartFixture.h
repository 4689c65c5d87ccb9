#pragma once

#include "app/ProgramStart.h"
#include "support/PageServices.h"
#include "support/SimLink.h"
#include "ui/HMenue.h"

#include <memory>

namespace zor::test {

// The simulated bus gives up on a silent instrument after this time.
inline constexpr int kSimBusTimeoutMs = 300;

// The window program's start-up over a data folder of its own.
class StartTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { offscreenApp(); }

    void setGeneral(const char* section, const char* key, const QString& value) {
        folder.write(kGeneralFile, section, key, value);
    }
    void setSerial(const char* key, const QString& value) {
        folder.write(kSerialFile, "38xx", key, value);
    }
    // Text `number` of the stored language, as the language file holds it.
    QString text(int number) const {
        return Ini_Lesen(folder.read(kGeneralFile, "Sprache", "Sprache"), QString::number(number),
                         folder.path(QLatin1String(kLanguageFile)));
    }

    void reach(const SimProcess& sim, Interface interface = Interface::Serial) {
        reachSimulatedInstrument(folder.data(), sim, interface, kSimBusTimeoutMs);
    }

    ProgramStart& startUp(const DataFolder& over) {
        start_ = std::make_unique<ProgramStart>(over, messages);
        start_->run();
        return *start_;
    }
    ProgramStart& startUp() { return startUp(folder.data()); }
    ProgramStart& start() { return *start_; }
    HMenue& window() { return start_->window(); }

    TestDataFolder folder;
    RecordingOperator messages;
    std::unique_ptr<ProgramStart> start_;
};

} // namespace zor::test
