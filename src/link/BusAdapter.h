#pragma once

#include "link/BusThread.h"

#include <QByteArray>
#include <QString>
#include <cstdint>

namespace zor {

class Captions;
class GpibLibrary;
class OperatorMessages;

// The program's six IEEE-488 operations over the driver library. After every
// call the driver's status is copied into ibsta, iberr and ibcnt (16-bit);
// nothing is reported to the caller, who tests the ERR bit of ibsta. Before
// the first call the status variables are registered with the driver when
// the library asks for that. Every driver call runs on the bus thread, where
// the registration is too; the caller's thread waits for it, its events
// running meanwhile.
class BusAdapter {
public:
    BusAdapter(GpibLibrary& library, const Captions& captions, OperatorMessages& messages);
    ~BusAdapter();
    BusAdapter(const BusAdapter&) = delete;
    BusAdapter& operator=(const BusAdapter&) = delete;

    // Opens a device; the descriptor is negative when the open failed.
    std::int16_t ibdev(int board, int pad, int sad, int tmo, int eot, int eos);
    void ibclr(std::int16_t ud);
    // The text in Windows-1252; the byte count is its length.
    void ibwrt(std::int16_t ud, const QString& text);
    // Reads at most buffer.size() bytes; they replace the first characters of
    // the buffer, the rest keeps what it held (the callers' blanks).
    void ibrd(std::int16_t ud, QString& buffer);
    void ibloc(std::int16_t ud);
    void ibonl(std::int16_t ud, int v);

    std::int16_t ibsta() const { return ibsta_; }
    std::int16_t iberr() const { return iberr_; }
    std::int16_t ibcnt() const { return ibcnt_; }
    long fullCount() const { return fullCount_; }
    bool failed() const;

    // The device status message: the bus status for `device`, and the
    // operator's choice to go on (Yes) or to end the program (No). The first
    // message after an ibdev without a usable driver library also names the
    // library and why it could not be used.
    void deviceStatusMessage(const QString& message, const QString& device);

private:
    void onBusThread(const std::function<void()>& call);
    bool usable();
    bool registerOnce();
    void endProgram();
    void takeStatus();

    GpibLibrary& library_;
    const Captions& captions_;
    OperatorMessages& messages_;
    bool registered_ = false;
    bool ending_ = false;
    bool libraryProblemDue_ = false;
    std::int16_t ibsta_ = 0;
    std::int16_t iberr_ = 0;
    std::int16_t ibcnt_ = 0;
    long fullCount_ = 0;
    // Last, so that it ends first, while the rest is still there.
    BusThread thread_;
};

// The text of the device status message, from caption texts 184 and 185.
QString deviceStatusText(const QString& caption184, const QString& caption185,
                         const QString& message, const QString& device, std::int16_t ibsta,
                         std::int16_t iberr, std::int16_t ibcnt);

// `buffer` with its first characters replaced by the bytes read (at most as
// many as the buffer has characters).
QString overlayRead(const QString& buffer, const QByteArray& bytesRead);

} // namespace zor
