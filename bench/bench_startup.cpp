// Start-up of the main window (the program's own start-up, ProgramStart) up
// to its first picture on the screen, with the bundled TMC catalogues and with catalogues of full
// size (2,048 events, 65,535 locations), against a bare window with nine empty tabs. Each start
// runs in a fresh process of this program on the offscreen platform; the
// rounds interleave the three kinds so the machine's load falls on all alike.
// Both the time on the clock and the processor time of the start are taken:
// on a busy machine the second shows the work itself. Each start also
// reports its peak resident memory at the moment its window shows.
//
// Then, with the window shown: opening and scrolling the location list and
// typing into it; and (unless --starts-only) the ways of filling a list of
// 65,535 entries.
//
//   bench_startup [--rounds N] [--data <data folder>] [--starts-only]

#include "BenchResult.h"
#include "TmcCatalogueFiles.h"
#include "app/ConsoleMessages.h"
#include "app/ProgramStart.h"
#include "translate/Clock.h"
#include "settings/Captions.h"
#include "settings/DataFolder.h"
#include "tmc/TmcCatalogue.h"
#include "tmc/TmcListField.h"
#include "tmc/TmcPage.h"
#include "translate/InstrumentLink.h"
#include "ui/HMenue.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QListView>
#include <QMainWindow>
#include <QMap>
#include <QProcess>
#include <QStringListModel>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTextStream>
#include <QWindow>
#include <algorithm>
#include <ctime>
#include <functional>
#include <vector>

namespace {

QTextStream out(stdout);
QTextStream err(stderr);

constexpr int kDefaultRounds = 9;
constexpr qint64 kShowLimitMs = 20000;
constexpr int kChildLimitMs = 120000;
constexpr int kTabCount = 9;

// Time on the clock and processor time of this process since start().
class Stopwatch {
public:
    Stopwatch() { start(); }
    void start() {
        wall_.start();
        cpuStart_ = cpuMicros();
    }
    qint64 wallMicros() const { return wall_.nsecsElapsed() / 1000; }
    qint64 processorMicros() const { return cpuMicros() - cpuStart_; }
    bool overLimit() const { return wall_.elapsed() > kShowLimitMs; }

private:
    static qint64 cpuMicros() {
        timespec now{};
        clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
        return qint64(now.tv_sec) * 1'000'000 + now.tv_nsec / 1000;
    }
    QElapsedTimer wall_;
    qint64 cpuStart_ = 0;
};

// Notes the first paint of a widget.
class PaintWatch : public QObject {
public:
    bool painted = false;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint)
            painted = true;
        return QObject::eventFilter(watched, event);
    }
};

// Shows `window` and runs its events until the screen has it and it has
// painted itself.
bool showAndWait(QWidget& window, const Stopwatch& watch) {
    PaintWatch paint;
    window.installEventFilter(&paint);
    window.show();
    while (!(window.windowHandle() && window.windowHandle()->isExposed() && paint.painted)) {
        if (watch.overLimit())
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    }
    window.removeEventFilter(&paint);
    return true;
}

// One measurement, printed by a start as "name=microseconds".
void report(const char* name, qint64 micros) {
    out << name << '=' << micros << '\n';
}

// The most resident memory this process has held so far, in kB; 0 where
// the system does not tell.
qint64 peakResidentKb() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').value(0).toLongLong();
    }
    return 0;
}

void reportStart(const Stopwatch& watch) {
    report("start", watch.wallMicros());
    report("start-cpu", watch.processorMicros());
    report("peak-rss", peakResidentKb());
}

int startBareWindow() {
    Stopwatch watch;
    QMainWindow window;
    auto* tabs = new QTabWidget(&window);
    for (int tab = 0; tab < kTabCount; ++tab)
        tabs->addTab(new QWidget(tabs), QStringLiteral("Tab %1").arg(tab));
    window.setCentralWidget(tabs);
    window.resize(662, 485);
    if (!showAndWait(window, watch))
        return 1;
    reportStart(watch);
    return 0;
}

// Opens the location list, scrolls it to its end and closes it again.
void browseLocations(zor::TmcPage& page) {
    QComboBox* locations = page.TMC_Loc_Combo();
    const Stopwatch watch;
    locations->showPopup();
    QCoreApplication::processEvents();
    locations->view()->scrollToBottom();
    locations->view()->viewport()->repaint();
    QCoreApplication::processEvents();
    locations->hidePopup();
    QCoreApplication::processEvents();
    report("browse", watch.wallMicros());
}

// Types the start of a place name into the location field, key by key.
void typeLocation(zor::TmcPage& page) {
    QLineEdit* field = page.TMC_Loc_Combo()->lineEdit();
    field->setFocus();
    field->selectAll();
    const Stopwatch watch;
    QTest::keyClicks(field, QStringLiteral("Ort 6543"));
    QCoreApplication::processEvents();
    report("type", watch.wallMicros());
}

// The TMC page's share of the start-up, on a window of its own.
void timePrepare(const zor::DataFolder& folder) {
    zor::Captions captions;
    zor::ConsoleMessages messages;
    zor::CurrentValues current;
    zor::InstrumentLink instrument(folder, captions, messages, current, zor::systemClock());
    zor::HMenue window(folder, captions, messages, instrument, current);
    const Stopwatch watch;
    window.tmcPage()->prepare();
    report("prepare", watch.wallMicros());
    report("prepare-cpu", watch.processorMicros());
}

// The program's own start-up, as zor-rds runs it, until the window shows.
int startProgramWindow(const QString& folderPath) {
    Stopwatch watch;
    const zor::DataFolder folder(folderPath);
    zor::ConsoleMessages messages;
    zor::ProgramStart start(folder, messages);
    start.run();
    if (!showAndWait(start.window(), watch))
        return 1;
    reportStart(watch);

    zor::HMenue& window = start.window();
    window.SSTab1()->setEnabled(true);
    window.SSTab1()->setCurrentWidget(window.tmcPage());
    QCoreApplication::processEvents();
    browseLocations(*window.tmcPage());
    typeLocation(*window.tmcPage());
    timePrepare(folder);
    return 0;
}

// A field set up as the page sets up its catalogue fields, filled one way.
struct FillWay {
    const char* name;
    bool uniformRows;
    bool widthFromEntries;
    // Fills from a copy of the entry table made before the clock starts;
    // otherwise from the list of texts.
    bool fromTable;
    std::function<void(QComboBox*)> fill;
};

void compareFillWays(const QString& file) {
    const QString path = QDir(file).filePath(QStringLiteral("Location.txt"));
    Stopwatch reading;
    const QStringList entries =
        zor::readTmcCatalogue(zor::TmcCatalogueKind::Locations, path).entries;
    const qint64 asList = reading.processorMicros();
    reading.start();
    const zor::TmcEntryTable table = zor::readTmcEntryTable(zor::TmcCatalogueKind::Locations, path);
    const qint64 asTable = reading.processorMicros();
    out << "read " << entries.size() << " locations: one text per entry " << asList / 1000.0
        << " ms, one entry table " << asTable / 1000.0 << " ms (processor time)\n";

    const auto oneByOne = [&entries](QComboBox* field) {
        for (const QString& entry : entries)
            field->addItem(entry);
    };
    const auto atOnce = [&entries](QComboBox* field) { field->addItems(entries); };
    const auto listModel = [&entries](QComboBox* field) {
        field->setModel(new QStringListModel(entries, field));
    };
    const std::vector<FillWay> ways = {
        {"one addItem per entry", true, false, false, oneByOne},
        {"addItems at once", true, false, false, atOnce},
        {"string list model", true, false, false, listModel},
        {"entry table model (the page's way)", true, false, true, {}},
        {"entry table model, rows measured", false, false, true, {}},
        {"entry table model, width from entries", true, true, true, {}},
    };
    out << "fill the list and show it; open it and scroll to its end:\n";
    for (const FillWay& way : ways) {
        QWidget window;
        window.resize(400, 100);
        auto* field = new QComboBox(&window);
        field->setEditable(true);
        field->setInsertPolicy(QComboBox::NoInsert);
        field->setGeometry(10, 10, 300, 24);
        zor::makeCatalogueField(field, 25);
        qobject_cast<QListView*>(field->view())->setUniformItemSizes(way.uniformRows);
        if (way.widthFromEntries)
            field->setSizeAdjustPolicy(QComboBox::AdjustToContentsOnFirstShow);
        zor::TmcEntryTable copy = way.fromTable ? table : zor::TmcEntryTable();
        Stopwatch watch;
        if (way.fromTable)
            zor::fillCatalogueField(field, std::move(copy));
        else
            way.fill(field);
        showAndWait(window, watch);
        const qint64 filled = watch.wallMicros();
        field->showPopup();
        QCoreApplication::processEvents();
        field->view()->scrollToBottom();
        field->view()->viewport()->repaint();
        field->hidePopup();
        QCoreApplication::processEvents();
        const qint64 browsed = watch.wallMicros() - filled;
        out << QStringLiteral("  %1 fill and show %2 ms, open and scroll %3 ms\n")
                   .arg(QLatin1String(way.name) + u':', -40)
                   .arg(filled / 1000.0, 0, 'f', 1)
                   .arg(browsed / 1000.0, 0, 'f', 1);
    }
}

int runStart(const QStringList& arguments) {
    const QString kind = arguments.value(2);
    if (kind == QLatin1String("bare"))
        return startBareWindow();
    if (kind == QLatin1String("window"))
        return startProgramWindow(arguments.value(3));
    if (kind == QLatin1String("fill")) {
        compareFillWays(arguments.value(3));
        return 0;
    }
    err << "unknown start " << kind << '\n';
    return 2;
}

using Samples = QMap<QString, std::vector<qint64>>;

// Runs one start in a fresh process and adds what it reports to `samples`.
bool runOnce(const QStringList& startArguments, Samples* samples) {
    QProcess start;
    start.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    start.start(QCoreApplication::applicationFilePath(),
                QStringList{QStringLiteral("--start")} + startArguments);
    if (!start.waitForFinished(kChildLimitMs) || start.exitCode() != 0)
        return false;
    const QStringList lines = QString::fromLatin1(start.readAllStandardOutput()).split(u'\n');
    for (const QString& line : lines) {
        const qsizetype equals = line.indexOf(u'=');
        if (samples && equals > 0)
            (*samples)[line.left(equals)].push_back(line.mid(equals + 1).toLongLong());
    }
    return true;
}

// The middle sample of a start's figure, divided by `scale`.
double middle(std::vector<qint64> samples, double scale) {
    if (samples.empty())
        return 0.0;
    std::sort(samples.begin(), samples.end());
    return static_cast<double>(samples[samples.size() / 2]) / scale;
}

double medianMs(const std::vector<qint64>& micros) {
    return middle(micros, 1000.0);
}

QString amount(double value, const char* unit) {
    return QString::number(value, 'f', 1) + u' ' + QLatin1String(unit);
}

QString ms(double value) {
    return amount(value, "ms");
}

// One figure of the three kinds of start, median of each.
struct StartFigure {
    const char* measure; // what is printed above the figures
    const char* key;     // the name the starts report it under
    double scale;        // from the reported unit to `unit`
    const char* unit;
};

constexpr StartFigure kClock{"start-up to a shown window, time on the clock", "start", 1000.0,
                             "ms"};
constexpr StartFigure kProcessor{"start-up to a shown window, processor time", "start-cpu", 1000.0,
                                 "ms"};
constexpr StartFigure kPeakMemory{"peak resident memory when the window shows", "peak-rss", 1024.0,
                                  "MiB"};

struct StartSamples {
    Samples bare, bundled, full;

    double bareOf(const StartFigure& f) { return middle(bare[f.key], f.scale); }
    double bundledOf(const StartFigure& f) { return middle(bundled[f.key], f.scale); }
    double fullOf(const StartFigure& f) { return middle(full[f.key], f.scale); }
};

void printStarts(const StartFigure& figure, StartSamples& samples) {
    const double bare = samples.bareOf(figure);
    const double bundled = samples.bundledOf(figure);
    const double full = samples.fullOf(figure);
    out << figure.measure << ":\n"
        << "  bare window, nine tabs:         " << amount(bare, figure.unit) << '\n'
        << "  program, bundled catalogues:    " << amount(bundled, figure.unit) << '\n'
        << "  program, full-size catalogues:  " << amount(full, figure.unit) << '\n'
        << "  ratio bundled / bare:    " << QString::number(bundled / bare, 'f', 2) << '\n'
        << "  ratio full-size / bare:  " << QString::number(full / bare, 'f', 2) << '\n'
        << "  full-size catalogues add " << QString::number((full / bundled - 1) * 100, 'f', 1)
        << " % to the figure with the bundled catalogues\n";
}

// The figures bench_report gathers: the program against the bare window.
void printResults(StartSamples& samples) {
    const auto result = [&samples](const QString& label, const StartFigure& figure, bool fullSize) {
        out << zor::resultLine({label,
                                fullSize ? samples.fullOf(figure) : samples.bundledOf(figure),
                                samples.bareOf(figure), QLatin1String(figure.unit)})
            << '\n';
    };
    result(QStringLiteral("start-up to a shown window, clock"), kClock, false);
    result(QStringLiteral("start-up to a shown window, processor"), kProcessor, false);
    result(QStringLiteral("start-up, full-size catalogues, clock"), kClock, true);
    result(QStringLiteral("peak memory at a shown window"), kPeakMemory, false);
    result(QStringLiteral("peak memory, full-size catalogues"), kPeakMemory, true);
}

int runRounds(const QStringList& arguments) {
    int rounds = kDefaultRounds;
    QString bundledFolder =
        zor::DataFolder::besideProgram(QCoreApplication::applicationDirPath()).path();
    bool startsOnly = false;
    for (int i = 1; i < arguments.size(); ++i) {
        const QString& argument = arguments.at(i);
        if (argument == QLatin1String("--starts-only"))
            startsOnly = true;
        else if (argument == QLatin1String("--rounds") && i + 1 < arguments.size())
            rounds = std::max(1, arguments.at(++i).toInt());
        else if (argument == QLatin1String("--data") && i + 1 < arguments.size())
            bundledFolder = arguments.at(++i);
    }
    QTemporaryDir withBundled;
    QTemporaryDir withFullSize;
    if (!zor::copyMissingFiles(bundledFolder, withBundled.path()).problems.isEmpty() ||
        !zor::copyMissingFiles(bundledFolder, withFullSize.path()).problems.isEmpty() ||
        !zor::writeFullTmcCatalogues(withFullSize.path())) {
        err << "cannot prepare the data folders from " << bundledFolder << '\n';
        return 1;
    }

    const QStringList bareStart{QStringLiteral("bare")};
    const QStringList bundledStart{QStringLiteral("window"), withBundled.path()};
    const QStringList fullStart{QStringLiteral("window"), withFullSize.path()};
    // The first starts load libraries and fonts into the file cache, and
    // leave each folder's settings files as the panel restore writes them.
    runOnce(bareStart, nullptr);
    runOnce(bundledStart, nullptr);
    runOnce(fullStart, nullptr);
    StartSamples samples;
    for (int round = 0; round < rounds; ++round) {
        if (!runOnce(bareStart, &samples.bare) || !runOnce(bundledStart, &samples.bundled) ||
            !runOnce(fullStart, &samples.full)) {
            err << "a start failed in round " << round + 1 << '\n';
            return 1;
        }
    }

    out << "median of " << rounds << " starts of each kind\n";
    printStarts(kClock, samples);
    printStarts(kProcessor, samples);
    printStarts(kPeakMemory, samples);
    Samples& bundled = samples.bundled;
    Samples& full = samples.full;
    out << "the TMC page's prepare() alone: bundled " << ms(medianMs(bundled["prepare"]))
        << ", full-size " << ms(medianMs(full["prepare"])) << " (processor "
        << ms(medianMs(bundled["prepare-cpu"])) << ", " << ms(medianMs(full["prepare-cpu"]))
        << ")\n"
        << "open and scroll the location list: bundled " << ms(medianMs(bundled["browse"]))
        << ", full-size " << ms(medianMs(full["browse"])) << '\n'
        << "type eight keys into the location field: bundled " << ms(medianMs(bundled["type"]))
        << ", full-size " << ms(medianMs(full["type"])) << '\n';
    printResults(samples);
    out.flush();
    if (startsOnly)
        return 0;

    QProcess fill;
    fill.setProcessChannelMode(QProcess::ForwardedChannels);
    fill.start(QCoreApplication::applicationFilePath(),
               {QStringLiteral("--start"), QStringLiteral("fill"), withFullSize.path()});
    fill.waitForFinished(kChildLimitMs);
    return fill.exitCode();
}

} // namespace

int main(int argc, char* argv[]) {
    const bool oneStart = argc > 1 && QLatin1String(argv[1]) == QLatin1String("--start");
    if (!oneStart) {
        QCoreApplication app(argc, argv);
        return runRounds(app.arguments());
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int result = runStart(app.arguments());
    out.flush();
    return result;
}
