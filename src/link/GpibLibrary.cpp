#include "GpibLibrary.h"

#include "GpibCodes.h"
#include "settings/FileEntry.h"
#include "settings/MessageLanguage.h"

#include <QDir>
#include <QFileInfo>
#include <cstddef>
#include <utility>

// The calling convention of the Windows drivers on 32-bit Windows; every other
// platform knows only one.
#if defined(_WIN32) && !defined(_WIN64)
#define ZOR_GPIB_STDCALL __stdcall
#else
#define ZOR_GPIB_STDCALL
#endif

namespace zor {

namespace {

// linux-gpib <gpib/ib.h>; also the legacy NI Linux library and the simulated bus.
namespace linuxgpib {
using Dev = int (*)(int, int, int, int, int, int);
using Ud = int (*)(int);
using Onl = int (*)(int, int);
using Read = int (*)(int, void*, long);
using Write = int (*)(int, const void*, long);
using Fetch = int (*)();
using FetchLong = long (*)();
} // namespace linuxgpib

// NI ni4882.h.
namespace ni4882 {
using Dev = int(ZOR_GPIB_STDCALL*)(int, int, int, int, int, int);
using Ud = unsigned long(ZOR_GPIB_STDCALL*)(int);
using Onl = unsigned long(ZOR_GPIB_STDCALL*)(int, int);
using Read = unsigned long(ZOR_GPIB_STDCALL*)(int, void*, std::size_t);
using Write = unsigned long(ZOR_GPIB_STDCALL*)(int, const void*, std::size_t);
using Fetch = unsigned long(ZOR_GPIB_STDCALL*)();
} // namespace ni4882

// NI decl-32.h for gpib-32.dll.
namespace gpib32 {
using Dev = int(ZOR_GPIB_STDCALL*)(int, int, int, int, int, int);
using Ud = int(ZOR_GPIB_STDCALL*)(int);
using Onl = int(ZOR_GPIB_STDCALL*)(int, int);
using Read = int(ZOR_GPIB_STDCALL*)(int, void*, long);
using Write = int(ZOR_GPIB_STDCALL*)(int, const void*, long);
using Fetch = int(ZOR_GPIB_STDCALL*)();
using FetchLong = long(ZOR_GPIB_STDCALL*)();
using Register = int(ZOR_GPIB_STDCALL*)(int*, int*, int*, long*);
using Unregister = int(ZOR_GPIB_STDCALL*)();
} // namespace gpib32

template <typename Function> Function as(QFunctionPointer pointer) {
    return reinterpret_cast<Function>(pointer);
}

template <typename Value> long readData(QFunctionPointer symbol) {
    return static_cast<long>(*reinterpret_cast<const volatile Value*>(symbol));
}

GpibLibrary::Flavour flavourOf(const QString& file, QLibrary& library) {
    const QString name = QFileInfo(file).fileName().toLower();
    if (name.contains(QLatin1String("ni4882")))
        return GpibLibrary::Flavour::Ni4882;
    if (name.contains(QLatin1String("gpib-32")) || library.resolve("user_ibsta"))
        return GpibLibrary::Flavour::Gpib32;
    return GpibLibrary::Flavour::LinuxGpib;
}

} // namespace

GpibLibrary::GpibLibrary(const QString& configuredFile) {
    const QStringList files =
        configuredFile.isEmpty() ? defaultFiles() : QStringList{configuredFile};
    QStringList failures;
    for (const QString& file : files) {
        if (tryLoad(file))
            return;
        failures << loadError_;
    }
    fileName_ = files.join(QStringLiteral(", "));
    loadError_ = failures.join(QLatin1Char('\n'));
    failWithoutBoard();
}

GpibLibrary::~GpibLibrary() {
    // The driver must stop writing into this object before it goes away.
    if (registered_)
        unregisterThreadGlobals();
}

QStringList GpibLibrary::defaultFiles() {
#ifdef Q_OS_WIN
    return {QStringLiteral("ni4882.dll"), QStringLiteral("gpib-32.dll")};
#else
    return {QStringLiteral("libgpib.so.0"), QStringLiteral("libni4882.so"),
            QStringLiteral("libgpibapi.so.2"), QStringLiteral("libgpibapi.so")};
#endif
}

// A file named by its path is looked at before the loader opens it: the
// loader would wait for ever on a named pipe. Names without a folder are
// the loader's to find in the system's library folders.
bool GpibLibrary::tryLoad(const QString& file) {
    if (QDir::fromNativeSeparators(file).contains(u'/')) {
        const FileEntry entry(file);
        if (entry.isSpecial()) {
            loadError_ = spoken(QStringLiteral("%1: An dieser Stelle steht %2.")
                                    .arg(file, entry.germanName()),
                                QStringLiteral("%1: In its place there is %2.")
                                    .arg(file, entry.englishName()));
            return false;
        }
    }
    library_.setFileName(file);
    if (!library_.load()) {
        loadError_ = library_.errorString();
        return false;
    }
    flavour_ = flavourOf(file, library_);
    const bool calls = resolveCalls();
    if (!calls || !resolveStatus()) {
        loadError_ = spoken(QStringLiteral("%1: keine IEEE-488-Treiberbibliothek (es fehlt: %2)."),
                            QStringLiteral("%1: no IEEE-488 driver library (missing: %2)."))
                         .arg(file, calls ? QStringLiteral("ibsta, iberr, ibcnt")
                                          : missingCalls().join(QStringLiteral(", ")));
        library_.unload();
        return false;
    }
    registerGlobals_ = library_.resolve("RegisterGpibGlobalsForThread");
    unregisterGlobals_ = library_.resolve("UnregisterGpibGlobalsForThread");
    fileName_ = file;
    loadError_.clear();
    loaded_ = true;
    return true;
}

bool GpibLibrary::resolveCalls() {
    dev_ = library_.resolve("ibdev");
    clr_ = library_.resolve("ibclr");
    wrt_ = library_.resolve("ibwrt");
    rd_ = library_.resolve("ibrd");
    loc_ = library_.resolve("ibloc");
    onl_ = library_.resolve("ibonl");
    return dev_ && clr_ && wrt_ && rd_ && loc_ && onl_;
}

QStringList GpibLibrary::missingCalls() const {
    const std::pair<QFunctionPointer, const char*> calls[] = {
        {dev_, "ibdev"}, {clr_, "ibclr"}, {wrt_, "ibwrt"},
        {rd_, "ibrd"},   {loc_, "ibloc"}, {onl_, "ibonl"},
    };
    QStringList missing;
    for (const auto& [pointer, name] : calls) {
        if (!pointer)
            missing << QLatin1String(name);
    }
    return missing;
}

QString GpibLibrary::problem() const {
    if (loaded_)
        return {};
    return spoken(QStringLiteral("Die IEEE-488-Treiberbibliothek lässt sich nicht verwenden."),
                  QStringLiteral("The IEEE-488 driver library cannot be used.")) +
           u'\n' + loadError_;
}

// The calling thread's status functions where the library has them; NI's
// process-wide functions next; the exported status variables last.
bool GpibLibrary::resolveStatus() {
    sta_ = library_.resolve("ThreadIbsta");
    err_ = library_.resolve("ThreadIberr");
    cnt_ = library_.resolve("ThreadIbcnt");
    cntl_ = library_.resolve("ThreadIbcntl");
    if (sta_ && err_ && cnt_) {
        source_ = StatusSource::ThreadFunctions;
        return true;
    }
    if (flavour_ == Flavour::Ni4882) {
        sta_ = library_.resolve("Ibsta");
        err_ = library_.resolve("Iberr");
        cnt_ = library_.resolve("Ibcnt");
        cntl_ = nullptr;
        if (sta_ && err_ && cnt_) {
            source_ = StatusSource::ProcessFunctions;
            return true;
        }
    }
    const bool gpib32 = flavour_ == Flavour::Gpib32;
    sta_ = library_.resolve(gpib32 ? "user_ibsta" : "ibsta");
    err_ = library_.resolve(gpib32 ? "user_iberr" : "iberr");
    cnt_ = library_.resolve(gpib32 ? "user_ibcnt" : "ibcnt");
    cntl_ = library_.resolve(gpib32 ? "user_ibcntl" : "ibcntl");
    source_ = StatusSource::DataSymbols;
    return sta_ && err_ && cnt_;
}

void GpibLibrary::fetchStatus() {
    if (registered_) {
        status_ = {threadSta_, threadErr_, threadCntl_};
        return;
    }
    if (source_ == StatusSource::DataSymbols) {
        if (flavour_ == Flavour::Ni4882) {
            status_ = {readData<unsigned long>(sta_), readData<unsigned long>(err_),
                       readData<unsigned long>(cntl_ ? cntl_ : cnt_)};
        } else {
            status_ = {readData<int>(sta_), readData<int>(err_),
                       cntl_ ? readData<long>(cntl_) : readData<int>(cnt_)};
        }
        return;
    }
    switch (flavour_) {
    case Flavour::LinuxGpib:
        status_ = {as<linuxgpib::Fetch>(sta_)(), as<linuxgpib::Fetch>(err_)(),
                   cntl_ ? as<linuxgpib::FetchLong>(cntl_)() : as<linuxgpib::Fetch>(cnt_)()};
        break;
    case Flavour::Ni4882:
        status_ = {static_cast<long>(as<ni4882::Fetch>(sta_)()),
                   static_cast<long>(as<ni4882::Fetch>(err_)()),
                   static_cast<long>(as<ni4882::Fetch>(cnt_)())};
        break;
    case Flavour::Gpib32:
        status_ = {as<gpib32::Fetch>(sta_)(), as<gpib32::Fetch>(err_)(),
                   cntl_ ? as<gpib32::FetchLong>(cntl_)() : as<gpib32::Fetch>(cnt_)()};
        break;
    }
}

void GpibLibrary::failWithoutBoard() {
    status_ = {gpib::ERR, gpib::ENEB, 0};
}

int GpibLibrary::ibdev(int board, int pad, int sad, int tmo, int eot, int eos) {
    if (!loaded_) {
        failWithoutBoard();
        return -1;
    }
    int ud = -1;
    switch (flavour_) {
    case Flavour::LinuxGpib:
        ud = as<linuxgpib::Dev>(dev_)(board, pad, sad, tmo, eot, eos);
        break;
    case Flavour::Ni4882:
        ud = as<ni4882::Dev>(dev_)(board, pad, sad, tmo, eot, eos);
        break;
    case Flavour::Gpib32:
        ud = as<gpib32::Dev>(dev_)(board, pad, sad, tmo, eot, eos);
        break;
    }
    fetchStatus();
    return ud;
}

void GpibLibrary::ibclr(int ud) {
    if (!loaded_)
        return failWithoutBoard();
    switch (flavour_) {
    case Flavour::LinuxGpib:
        as<linuxgpib::Ud>(clr_)(ud);
        break;
    case Flavour::Ni4882:
        as<ni4882::Ud>(clr_)(ud);
        break;
    case Flavour::Gpib32:
        as<gpib32::Ud>(clr_)(ud);
        break;
    }
    fetchStatus();
}

void GpibLibrary::ibwrt(int ud, const char* bytes, long count) {
    if (!loaded_)
        return failWithoutBoard();
    switch (flavour_) {
    case Flavour::LinuxGpib:
        as<linuxgpib::Write>(wrt_)(ud, bytes, count);
        break;
    case Flavour::Ni4882:
        as<ni4882::Write>(wrt_)(ud, bytes, static_cast<std::size_t>(count));
        break;
    case Flavour::Gpib32:
        as<gpib32::Write>(wrt_)(ud, bytes, count);
        break;
    }
    fetchStatus();
}

void GpibLibrary::ibrd(int ud, char* buffer, long count) {
    if (!loaded_)
        return failWithoutBoard();
    switch (flavour_) {
    case Flavour::LinuxGpib:
        as<linuxgpib::Read>(rd_)(ud, buffer, count);
        break;
    case Flavour::Ni4882:
        as<ni4882::Read>(rd_)(ud, buffer, static_cast<std::size_t>(count));
        break;
    case Flavour::Gpib32:
        as<gpib32::Read>(rd_)(ud, buffer, count);
        break;
    }
    fetchStatus();
}

void GpibLibrary::ibloc(int ud) {
    if (!loaded_)
        return failWithoutBoard();
    switch (flavour_) {
    case Flavour::LinuxGpib:
        as<linuxgpib::Ud>(loc_)(ud);
        break;
    case Flavour::Ni4882:
        as<ni4882::Ud>(loc_)(ud);
        break;
    case Flavour::Gpib32:
        as<gpib32::Ud>(loc_)(ud);
        break;
    }
    fetchStatus();
}

void GpibLibrary::ibonl(int ud, int v) {
    if (!loaded_)
        return failWithoutBoard();
    switch (flavour_) {
    case Flavour::LinuxGpib:
        as<linuxgpib::Onl>(onl_)(ud, v);
        break;
    case Flavour::Ni4882:
        as<ni4882::Onl>(onl_)(ud, v);
        break;
    case Flavour::Gpib32:
        as<gpib32::Onl>(onl_)(ud, v);
        break;
    }
    fetchStatus();
}

int GpibLibrary::registerThreadGlobals() {
    if (!registerGlobals_)
        return 0;
    const int result =
        as<gpib32::Register>(registerGlobals_)(&threadSta_, &threadErr_, &threadCnt_, &threadCntl_);
    registered_ = result == 0;
    return result;
}

void GpibLibrary::unregisterThreadGlobals() {
    if (unregisterGlobals_)
        as<gpib32::Unregister>(unregisterGlobals_)();
    registered_ = false;
}

} // namespace zor
