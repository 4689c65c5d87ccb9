#pragma once

#include "SimulatedTime.h"
#include "panel/PageFixture.h"
#include "rds/RdsPage.h"
#include "support/SimProcess.h"

#include <QStringList>
#include <gtest/gtest.h>
#include <memory>
#include <ostream>

// Texts and command lines show as text when an expectation fails.
QT_BEGIN_NAMESPACE
inline void PrintTo(const QString& text, std::ostream* os) {
    *os << '"' << text.toStdString() << '"';
}
QT_END_NAMESPACE

namespace zor::test {

// The RDS page over a temporary data folder, connected through a real
// instrument link and a pseudo-terminal to the simulated instrument, with
// the page's timers run on a manual clock.
class RdsSimTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { offscreenApp(); }
    void SetUp() override;

    // The RDS page, its clock set and its timers driven by `timers`.
    RdsPage& page() { return *page_; }
    TimerDriver& timers() { return *timers_; }
    void advance(int ms) { timers_->advance(std::chrono::milliseconds(ms)); }

    // A file of the data folder, and one key of it.
    QString dataFile(const char* name) const;
    QString stored(const char* file, const char* section, const char* key) const;
    void writeStored(const char* file, const char* section, const char* key,
                     const QString& value) const;

    // Every command line the instrument received since the link opened (or
    // since the last call), up to a closing command sent now: the lines
    // before it come back, so nothing still under way can be missed. Empty
    // when the closing command never arrived.
    QStringList receivedLines();

    // The wire form of a coder text.
    static QString coder(const QString& text);

    ManualClock clock;
    PageServices services{clock};
    SimProcess sim;

private:
    void connectToSim();

    std::unique_ptr<RdsPage> page_;
    std::unique_ptr<TimerDriver> timers_;
    qsizetype openingBytes_ = 0;
};

} // namespace zor::test
