#pragma once

#include <QLibrary>
#include <QString>
#include <QStringList>

namespace zor {

// An NI-488.2-compatible IEEE-488 driver library, loaded at run time. Each
// kind of library gets the function types of its own header. Without a
// loadable library every call fails as a driver without a board would:
// status ERR, error ENEB, ibdev -1.
class GpibLibrary {
public:
    enum class Flavour {
        LinuxGpib, // linux-gpib and libraries with its interface: int, long counts, cdecl
        Ni4882,    // NI's ni4882: unsigned long status, size_t counts, stdcall on Win32
        Gpib32,    // gpib-32.dll: int, long counts, stdcall, user_ibsta data, registration
    };

    // The driver's status after the last call, full width.
    struct Status {
        long sta = 0;
        long err = 0;
        long count = 0;
    };

    // Loads `configuredFile` when it is not empty (the "GpibLibrary" key of
    // section "BUS"), otherwise the first of defaultFiles() that loads.
    explicit GpibLibrary(const QString& configuredFile = {});
    ~GpibLibrary();
    GpibLibrary(const GpibLibrary&) = delete;
    GpibLibrary& operator=(const GpibLibrary&) = delete;

    static QStringList defaultFiles();

    bool loaded() const { return loaded_; }
    Flavour flavour() const { return flavour_; }
    // The file in use, or the files tried when none could be used.
    QString fileName() const { return fileName_; }
    QString loadError() const { return loadError_; }
    // Why no driver is in use, for the operator: one line for each file
    // tried, with the loader's own words or what stands in the file's place
    // (German and English). Empty once a library is loaded.
    QString problem() const;

    int ibdev(int board, int pad, int sad, int tmo, int eot, int eos);
    void ibclr(int ud);
    void ibwrt(int ud, const char* bytes, long count);
    void ibrd(int ud, char* buffer, long count);
    void ibloc(int ud);
    void ibonl(int ud, int v);
    Status status() const { return status_; }

    // Per-thread status registration, offered only by libraries that need it.
    bool needsRegistration() const { return registerGlobals_ != nullptr; }
    // The driver's answer: 0 registered, 1 already registered, 2 and 3 failures.
    int registerThreadGlobals();
    bool registered() const { return registered_; }
    void unregisterThreadGlobals();

private:
    enum class StatusSource { ThreadFunctions, ProcessFunctions, DataSymbols };

    bool tryLoad(const QString& file);
    bool resolveCalls();
    QStringList missingCalls() const;
    bool resolveStatus();
    void fetchStatus();
    void failWithoutBoard();

    QLibrary library_;
    bool loaded_ = false;
    Flavour flavour_ = Flavour::LinuxGpib;
    StatusSource source_ = StatusSource::DataSymbols;
    QString fileName_;
    QString loadError_;
    Status status_;

    QFunctionPointer dev_ = nullptr;
    QFunctionPointer clr_ = nullptr;
    QFunctionPointer wrt_ = nullptr;
    QFunctionPointer rd_ = nullptr;
    QFunctionPointer loc_ = nullptr;
    QFunctionPointer onl_ = nullptr;
    QFunctionPointer sta_ = nullptr;
    QFunctionPointer err_ = nullptr;
    QFunctionPointer cnt_ = nullptr;
    QFunctionPointer cntl_ = nullptr;
    QFunctionPointer registerGlobals_ = nullptr;
    QFunctionPointer unregisterGlobals_ = nullptr;

    // The variables the driver fills for this thread once registered.
    bool registered_ = false;
    int threadSta_ = 0;
    int threadErr_ = 0;
    int threadCnt_ = 0;
    long threadCntl_ = 0;
};

} // namespace zor
