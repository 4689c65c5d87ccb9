#include "BusAdapter.h"

#include "BusStatusText.h"
#include "GpibCodes.h"
#include "GpibLibrary.h"
#include "settings/OperatorMessages.h"
#include "settings/ProgramTitle.h"
#include "settings/AnsiText.h"
#include "settings/Captions.h"

#include <algorithm>

namespace zor {

namespace {

constexpr int kRegistered = 0;
constexpr int kAlreadyRegistered = 1;
constexpr int kNotMultiThreaded = 2;
constexpr int kCannotRegister = 3;

const QString kCR = QStringLiteral("\r");

} // namespace

BusAdapter::BusAdapter(GpibLibrary& library, const Captions& captions, OperatorMessages& messages)
    : library_(library), captions_(captions), messages_(messages) {}

// The driver stops writing into the registered variables before they go
// away; it is told on the thread they were registered for.
BusAdapter::~BusAdapter() {
    if (library_.registered())
        thread_.post([&library = library_] { library.unregisterThreadGlobals(); });
}

bool BusAdapter::failed() const {
    return hasError(ibsta_);
}

// Every opening starts an initialisation, whose first status message names
// the driver library's problem.
std::int16_t BusAdapter::ibdev(int board, int pad, int sad, int tmo, int eot, int eos) {
    libraryProblemDue_ = !library_.loaded();
    if (!usable())
        return -1;
    int ud = -1;
    onBusThread([&] { ud = library_.ibdev(board, pad, sad, tmo, eot, eos); });
    return toInt16(ud);
}

void BusAdapter::ibclr(std::int16_t ud) {
    if (!usable())
        return;
    onBusThread([&] { library_.ibclr(ud); });
}

void BusAdapter::ibwrt(std::int16_t ud, const QString& text) {
    if (!usable())
        return;
    const QByteArray bytes = toAnsi(text);
    onBusThread([&] { library_.ibwrt(ud, bytes.constData(), static_cast<long>(bytes.size())); });
}

void BusAdapter::ibrd(std::int16_t ud, QString& buffer) {
    if (!usable())
        return;
    QByteArray bytes(buffer.size(), ' ');
    onBusThread([&] { library_.ibrd(ud, bytes.data(), static_cast<long>(bytes.size())); });
    const long delivered = std::clamp<long>(fullCount_, 0, static_cast<long>(bytes.size()));
    buffer = overlayRead(buffer, bytes.left(delivered));
}

void BusAdapter::ibloc(std::int16_t ud) {
    if (!usable())
        return;
    onBusThread([&] { library_.ibloc(ud); });
}

void BusAdapter::ibonl(std::int16_t ud, int v) {
    if (!usable())
        return;
    onBusThread([&] { library_.ibonl(ud, v); });
}

// The status is taken right after the call, on the thread whose status it is.
void BusAdapter::onBusThread(const std::function<void()>& call) {
    thread_.run([this, &call] {
        call();
        takeStatus();
    });
}

void BusAdapter::takeStatus() {
    const GpibLibrary::Status status = library_.status();
    ibsta_ = toInt16(status.sta);
    iberr_ = toInt16(status.err);
    fullCount_ = status.count;
    ibcnt_ = toInt16(status.count);
}

// Once the program is ending no bus call leaves it any more: the end waits
// for the window's event loop, and the caller goes on until then (what it
// still tells the operator is the operator messages' to hold back).
bool BusAdapter::usable() {
    return !ending_ && registerOnce();
}

// Registers the status variables for this thread before the first bus call,
// where the library needs it. A failure ends the program.
bool BusAdapter::registerOnce() {
    if (registered_)
        return true;
    if (!library_.needsRegistration()) {
        registered_ = true;
        return true;
    }
    int result = kRegistered;
    thread_.run([this, &result] {
        result = library_.registerThreadGlobals();
        if (result == kAlreadyRegistered) {
            library_.unregisterThreadGlobals();
            result = library_.registerThreadGlobals();
        }
    });
    if (result == kRegistered) {
        registered_ = true;
        return true;
    }
    QString text;
    if (result == kNotMultiThreaded)
        text = QStringLiteral("Operating System is not multi-threaded. Quitting the Program!");
    else if (result == kCannotRegister)
        text = QStringLiteral("Unable to register GPIB thread globals. Quitting the Program!");
    else
        text =
            QStringLiteral("Unknown Error for Registering GPIB Globals!!! Quitting the Program!");
    messages_.critical(QString::fromUtf8(kProgramTitle), text);
    if (result == kNotMultiThreaded || result == kCannotRegister)
        thread_.run([this] { library_.unregisterThreadGlobals(); });
    endProgram();
    return false;
}

// The status of every later call: ERR, no driver.
void BusAdapter::endProgram() {
    ending_ = true;
    messages_.quitProgram();
    ibsta_ = toInt16(gpib::ERR);
    iberr_ = gpib::EDVR;
    ibcnt_ = 0;
    fullCount_ = 0;
}

// The driver library's problem goes into the message part of the box, so
// the fixed layout of the rest stays as the operator knows it.
void BusAdapter::deviceStatusMessage(const QString& message, const QString& device) {
    QString shown = message;
    if (libraryProblemDue_)
        shown += kCR + QString(library_.problem()).replace(QLatin1Char('\n'), kCR);
    libraryProblemDue_ = false;
    const QString text = deviceStatusText(captions_.text(184), captions_.text(185), shown, device,
                                          ibsta_, iberr_, ibcnt_);
    if (!messages_.askCritical(QString::fromUtf8(kProgramTitle), text))
        endProgram();
}

QString deviceStatusText(const QString& caption184, const QString& caption185,
                         const QString& message, const QString& device, std::int16_t ibsta,
                         std::int16_t iberr, std::int16_t ibcnt) {
    return caption184 + kCR + QStringLiteral("Gerät: ") + device + kCR + message + kCR + kCR +
           QStringLiteral("Status:") + statusWordText(ibsta) + errorText(ibsta, iberr) +
           countText(ibcnt) + kCR + kCR + caption185;
}

QString overlayRead(const QString& buffer, const QByteArray& bytesRead) {
    const QString read = fromAnsi(bytesRead.left(buffer.size())).left(buffer.size());
    return read + buffer.mid(read.size());
}

} // namespace zor
