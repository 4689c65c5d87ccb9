#include "RdsSimFixture.h"

#include "settings/AnsiText.h"
#include "settings/IniFile.h"
#include "translate/InstrumentLink.h"

#include <QElapsedTimer>
#include <QThread>
#include <QTimer>

namespace zor::test {

namespace {

// How long the instrument may take to record what it was sent; a passing
// test never waits that long.
constexpr int kReceiveLimitMs = 3000;
const QString kClosing = QStringLiteral(":STEREO:DIRECT \"RT=0,0,\"");

void setCaptions(Captions& texts) {
    texts.setText(40, QStringLiteral("Dauer [s]:"));
    texts.setText(41, QStringLiteral("Wiederholung [s]:"));
    texts.setText(56, QStringLiteral("Musik"));
    texts.setText(57, QStringLiteral("Sprache"));
    texts.setText(167, QStringLiteral("EON TA"));
    texts.setText(186, QStringLiteral("EON TA nur mit"));
    texts.setText(187, QStringLiteral("TP aus,"));
    texts.setText(188, QStringLiteral("TA ein"));
    texts.setText(189, QStringLiteral("und EON TP ein."));
    texts.setText(192, QStringLiteral("ein"));
    texts.setText(193, QStringLiteral("aus"));
}

} // namespace

void RdsSimTest::SetUp() {
    ASSERT_TRUE(sim.isReady()) << sim.errorString().toStdString();
    setCaptions(services.texts);
    connectToSim();
    if (HasFatalFailure())
        return;
    page_ = std::make_unique<RdsPage>(services.context);
    page_->setClock(clock);
    timers_ = std::make_unique<TimerDriver>(
        clock, QList<QTimer*>{page_->Timer1(), page_->TA_Timer(), page_->TA_Rep_Timer(),
                              page_->PS_Timer()});
}

// Connects as the instrument initialisation does: the serial port of
// "Rs232.ini" opened, one carriage return sent, demo mode left.
void RdsSimTest::connectToSim() {
    writeStored("Rs232.ini", "38xx", "ComPort", QStringLiteral("1"));
    writeStored("Rs232.ini", "38xx", "Port1", sim.ttyPath());
    services.gate.useInterface(Interface::Serial);
    ASSERT_TRUE(services.gate.connect());
    ASSERT_TRUE(sim.waitForRecorded(1, kReceiveLimitMs));
    openingBytes_ = sim.recorded().size();
    ASSERT_TRUE(services.messages.warnings.isEmpty())
        << services.messages.warnings.join(u'\n').toStdString();
}

QString RdsSimTest::dataFile(const char* name) const {
    return services.context.data.file(QLatin1String(name));
}

QString RdsSimTest::stored(const char* file, const char* section, const char* key) const {
    return Ini_Lesen(QLatin1String(section), QLatin1String(key), dataFile(file));
}

void RdsSimTest::writeStored(const char* file, const char* section, const char* key,
                             const QString& value) const {
    ASSERT_TRUE(Ini_Schreiben(QLatin1String(section), QLatin1String(key), value, dataFile(file)));
}

QStringList RdsSimTest::receivedLines() {
    services.instrument.send(QStringLiteral("DEL_RT"), QString());

    QElapsedTimer waited;
    waited.start();
    while (waited.elapsed() < kReceiveLimitMs) {
        QStringList lines =
            fromAnsi(sim.recorded().mid(openingBytes_)).split(u'\n', Qt::SkipEmptyParts);
        if (!lines.isEmpty() && lines.last() == kClosing) {
            openingBytes_ = sim.recorded().size();
            lines.removeLast();
            return lines;
        }
        QThread::msleep(5);
    }
    ADD_FAILURE() << "the instrument never received the closing command";
    return {};
}

QString RdsSimTest::coder(const QString& text) {
    return QStringLiteral(":STEREO:DIRECT \"") + text + u'"';
}

} // namespace zor::test
