// Takes pictures of the main window as an operator sees it, as PNG files in
// the folder named on the command line: each of its nine tab pages after a
// start on the data folder (its interface and restored values, not yet
// connected), again once connected to the simulated instrument after
// "Init", the About box and the serial settings dialog. Runs without a
// screen. Controls whose caption does not fit, in any language of the
// language file and in RDS and RBDS mode, are listed on standard error;
// the exit status is 1 when one does not fit or a picture was not taken.
//
//   zor-rds-shots <picture folder> [data folder]

#include "app/ConsoleMessages.h"
#include "app/ProgramStart.h"
#include "panel/ControlText.h"
#include "panel/DisplayLabel.h"
#include "panel/StatusLine.h"
#include "settings/DataFolder.h"
#include "settings/IniFile.h"
#include "translate/InstrumentLink.h"
#include "ui/AboutBox.h"
#include "ui/HMenue.h"
#include "ui/MessageBoxes.h"
#include "ui/RS232Set.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDeadlineTimer>
#include <QDir>
#include <QFileInfo>
#include <QFontDatabase>
#include <QFontInfo>
#include <QGroupBox>
#include <QLabel>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QStyleOptionComboBox>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTextStream>
#include <QThread>

namespace {

QTextStream err(stderr);

int textWidth(const QFont& font, const QString& text) {
    return QFontMetrics(font).horizontalAdvance(zor::withoutMnemonics(text));
}

// The room a drop-down field needs for its widest entry: the entry, the
// margins of its text part and what the field draws around that part.
int neededByEntries(const QComboBox* field) {
    QStyleOptionComboBox option;
    option.initFrom(field);
    option.editable = field->isEditable();
    const QRect text = field->style()->subControlRect(QStyle::CC_ComboBox, &option,
                                                      QStyle::SC_ComboBoxEditField, field);
    int widest = 0;
    for (int i = 0; i < field->count(); ++i)
        widest = std::max(widest, textWidth(field->font(), field->itemText(i)));
    return widest == 0 ? 0 : widest + 4 + field->width() - text.width();
}

// The room a caption needs beyond its text: the indicator of an option
// button or check box, the bevel of a push button, the frame line left of a
// title, the frame of a label; a display counts in the size it is drawn in.
int neededWidth(const QWidget* widget) {
    if (const auto* option = qobject_cast<const QRadioButton*>(widget))
        return option->sizeHint().width();
    if (const auto* box = qobject_cast<const QCheckBox*>(widget))
        return box->sizeHint().width();
    if (const auto* button = qobject_cast<const QAbstractButton*>(widget))
        return button->text().isEmpty() ? 0 : textWidth(button->font(), button->text()) + 6;
    if (const auto* frame = qobject_cast<const QGroupBox*>(widget))
        return frame->title().isEmpty() ? 0 : textWidth(frame->font(), frame->title()) + 12;
    if (const auto* field = qobject_cast<const QComboBox*>(widget))
        return neededByEntries(field);
    if (const auto* display = qobject_cast<const zor::DisplayLabel*>(widget)) {
        if (display->wordWrap() || display->text().isEmpty())
            return 0;
        return textWidth(display->shownFont(), display->text()) + 2 * display->frameWidth() +
               2 * display->margin();
    }
    if (const auto* label = qobject_cast<const QLabel*>(widget)) {
        if (label->wordWrap() || label->text().isEmpty())
            return 0;
        return textWidth(label->font(), label->text()) + 2 * label->frameWidth();
    }
    return 0;
}

int reportCutCaptions(const QWidget* window, const QString& where) {
    int cut = 0;
    for (const QWidget* widget : window->findChildren<QWidget*>()) {
        if (widget->objectName().isEmpty() || !widget->isVisibleTo(window))
            continue;
        const int needed = neededWidth(widget);
        if (needed > widget->width()) {
            err << where << ": " << widget->objectName() << " \"" << zor::captionOf(widget)
                << "\" needs " << needed << " px, has " << widget->width() << " px\n";
            ++cut;
        }
    }
    return cut;
}

// The programme-type status field shows whichever name is chosen: every
// name of the list has to fit it, not only the one shown now.
int reportCutProgrammeTypes(zor::HMenue& window, const QString& where) {
    auto* status = window.findChild<zor::DisplayLabel*>(
        QStringLiteral("Status(%1)").arg(int(zor::StatusField::Pty)));
    const auto* field = window.findChild<QComboBox*>(QStringLiteral("PTY_Combo1"));
    if (!status || !field)
        return 0;
    const QString shown = status->text();
    int cut = 0;
    for (int i = 0; i < field->count(); ++i) {
        status->setText(field->itemText(i));
        cut += reportCutCaptions(status->parentWidget(), where);
    }
    status->setText(shown);
    return cut;
}

class Pictures {
public:
    explicit Pictures(QString folder) : folder_(std::move(folder)) {}

    void take(QWidget* widget, const QString& name) {
        QApplication::processEvents();
        const QString path = QDir(folder_).filePath(name);
        if (!widget->grab().save(path, "PNG")) {
            err << "cannot write " << path << '\n';
            ++failures;
        }
    }

    int failures = 0;

private:
    QString folder_;
};

QString languageTag(const QString& language) {
    if (language == QLatin1String("deutsch"))
        return QStringLiteral("de");
    if (language == QLatin1String("english"))
        return QStringLiteral("en");
    return language.section(u' ', -1).toLower();
}

// The languages the language file has sections for, in its order.
QStringList languages(const zor::DataFolder& folder) {
    QFile file(folder.file(QLatin1String(zor::kLanguageFile)));
    QStringList found;
    if (!file.open(QIODevice::ReadOnly))
        return found;
    for (const QByteArray& line : file.readAll().split('\n')) {
        const QByteArray trimmed = line.trimmed();
        if (trimmed.startsWith('[') && trimmed.endsWith(']'))
            found << QString::fromLatin1(trimmed.mid(1, trimmed.size() - 2));
    }
    return found;
}

// The window in `language` and `mode`, as the menu and a restart show it.
void showIn(zor::HMenue& window, const QString& general, const QString& language,
            const QString& mode) {
    zor::Ini_Schreiben(QStringLiteral("Sprache"), QStringLiteral("RDS_RBDS"), mode, general);
    zor::Ini_Schreiben(QStringLiteral("Sprache"), QStringLiteral("Sprache"), language, general);
    window.setRdsMode(mode);
    window.Beschrifter();
}

// Every tab in every language and mode, pictured in RDS mode; what does not
// fit is reported.
int pictureEveryLanguage(zor::HMenue& window, const QString& general, const QStringList& all,
                         Pictures& pictures, const QString& prefix) {
    int cut = 0;
    for (const QString& language : all) {
        for (const QString& mode : {QStringLiteral("RBDS"), QStringLiteral("RDS")}) {
            showIn(window, general, language, mode);
            for (int tab = 0; tab < window.SSTab1()->count(); ++tab) {
                window.SSTab1()->setCurrentIndex(tab);
                const QString name = QStringLiteral("%1-%2-tab%3.png")
                                         .arg(prefix, languageTag(language))
                                         .arg(tab);
                if (mode == QLatin1String("RDS"))
                    pictures.take(&window, name);
                const QString where = name + QStringLiteral(" (%1)").arg(mode);
                cut += reportCutCaptions(&window, where);
                if (tab == 0)
                    cut += reportCutProgrammeTypes(window, where);
            }
        }
    }
    return cut;
}

// The simulated instrument on a pseudo-terminal that serial port 1 of the
// data folder leads to, for as long as the pictures take.
class SimulatedInstrument {
public:
    ~SimulatedInstrument() {
        process_.terminate();
        process_.waitForFinished(2000);
    }

    bool start(const zor::DataFolder& folder) {
        const QString program = QDir(QApplication::applicationDirPath()).filePath("zor-sim");
        const QString tty = folder.file(QStringLiteral("zor-sim.tty"));
        process_.start(program, {QStringLiteral("--link"), tty});
        const QDeadlineTimer deadline(5000);
        while (!QFileInfo::exists(tty) && !deadline.hasExpired() &&
               process_.state() != QProcess::NotRunning)
            QThread::msleep(20);
        if (!QFileInfo::exists(tty)) {
            err << "cannot start " << program << '\n';
            return false;
        }
        zor::Ini_Schreiben(QStringLiteral("38xx"), QStringLiteral("Port1"), tty,
                           folder.file(QLatin1String(zor::kSerialFile)));
        return true;
    }

private:
    QProcess process_;
};

} // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QStringList arguments = app.arguments();
    if (arguments.size() < 2) {
        err << "usage: zor-rds-shots <picture folder> [data folder]\n";
        return 2;
    }
    const QString folderOfPictures = arguments.at(1);
    const QString data = arguments.size() > 2
                             ? arguments.at(2)
                             : zor::DataFolder::besideProgram(app.applicationDirPath()).path();
    if (!QDir().mkpath(folderOfPictures)) {
        err << "cannot create " << folderOfPictures << '\n';
        return 1;
    }
    if (QFontDatabase::families().isEmpty()) {
        err << "no fonts are installed: the pictures would hold no text\n";
        return 1;
    }

    // The window writes its settings as the operator changes them; the
    // pictures are taken on a copy so the data folder stays as it was.
    QTemporaryDir scratch;
    if (!scratch.isValid() || !zor::copyMissingFiles(data, scratch.path()).problems.isEmpty()) {
        err << "cannot copy the data folder " << data << '\n';
        return 1;
    }
    const zor::DataFolder folder(scratch.path());
    SimulatedInstrument sim;
    if (!sim.start(folder))
        return 1;
    const QString general = folder.file(QLatin1String(zor::kGeneralFile));
    const QString storedLanguage =
        zor::Ini_Lesen(QStringLiteral("Sprache"), QStringLiteral("Sprache"), general);

    zor::ConsoleMessages messages;
    zor::ProgramStart start(folder, messages);
    start.run();
    zor::HMenue& window = start.window();
    window.show();
    err << "window font: " << QFontInfo(window.font()).family() << ' '
        << QFontInfo(window.font()).pointSizeF() << " pt\n";

    Pictures pictures(folderOfPictures);
    int cut = pictureEveryLanguage(window, general, languages(folder), pictures,
                                   QStringLiteral("hmenue"));

    showIn(window, general, storedLanguage, QStringLiteral("RDS"));
    window.INIT_Taste()->click();
    if (start.instrument().isDemo()) {
        err << "the simulated instrument was not reached\n";
        return 1;
    }
    cut += pictureEveryLanguage(window, general,
                                {QStringLiteral("deutsch"), QStringLiteral("english")}, pictures,
                                QStringLiteral("connected"));
    showIn(window, general, storedLanguage, QStringLiteral("RDS"));

    auto about = zor::MessageBoxes::warningBox(QString(), zor::aboutText(), &window);
    about->show();
    pictures.take(about.get(), QStringLiteral("about.png"));
    about->close();

    zor::RS232Set serial(start.instrument(), messages, &window);
    serial.show();
    pictures.take(&serial, QStringLiteral("rs232set.png"));
    cut += reportCutCaptions(&serial, QStringLiteral("rs232set.png"));
    serial.close();

    err << cut << " caption(s) do not fit\n";
    return pictures.failures == 0 && cut == 0 ? 0 : 1;
}
