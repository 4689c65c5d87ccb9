// Takes pictures of the main window: each of its nine tab pages in German and
// in English, the About box and the serial settings dialog, as PNG files in
// the folder named on the command line. Runs without a screen. Controls
// whose caption does not fit are listed on standard error.
//
//   zor-rds-shots <picture folder> [data folder]

#include "app/ConsoleMessages.h"
#include "translate/Clock.h"
#include "panel/ControlText.h"
#include "settings/Captions.h"
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
#include <QDir>
#include <QFileInfo>
#include <QFontDatabase>
#include <QFontInfo>
#include <QGroupBox>
#include <QLabel>
#include <QMessageBox>
#include <QRadioButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTextStream>
#include <cstdio>

namespace {

QTextStream err(stderr);

int textWidth(const QWidget* widget, const QString& text) {
    return widget->fontMetrics().horizontalAdvance(zor::withoutMnemonics(text));
}

// The room a caption needs beyond its text: the indicator of an option
// button or check box, the bevel of a push button, the frame line left of a
// title.
int neededWidth(const QWidget* widget) {
    if (const auto* option = qobject_cast<const QRadioButton*>(widget))
        return option->sizeHint().width();
    if (const auto* box = qobject_cast<const QCheckBox*>(widget))
        return box->sizeHint().width();
    if (const auto* button = qobject_cast<const QAbstractButton*>(widget))
        return button->text().isEmpty() ? 0 : textWidth(button, button->text()) + 6;
    if (const auto* frame = qobject_cast<const QGroupBox*>(widget))
        return frame->title().isEmpty() ? 0 : textWidth(frame, frame->title()) + 12;
    if (const auto* label = qobject_cast<const QLabel*>(widget)) {
        if (label->wordWrap() || label->text().isEmpty())
            return 0;
        return textWidth(label, label->text()) + 2 * label->frameWidth();
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

bool save(const QPixmap& picture, const QString& folder, const QString& name) {
    const QString path = QDir(folder).filePath(name);
    if (picture.save(path, "PNG"))
        return true;
    err << "cannot write " << path << '\n';
    return false;
}

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
    const QString pictures = arguments.at(1);
    const QString data = arguments.size() > 2
                             ? arguments.at(2)
                             : zor::DataFolder::besideProgram(app.applicationDirPath()).path();
    if (!QDir().mkpath(pictures)) {
        err << "cannot create " << pictures << '\n';
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
    const QString general = folder.file(QLatin1String(zor::kGeneralFile));

    zor::Captions captions;
    zor::ConsoleMessages messages;
    zor::CurrentValues current;
    zor::InstrumentLink instrument(folder, captions, messages, current, zor::systemClock());
    instrument.useInterface(zor::Interface::Bus);
    zor::HMenue window(folder, captions, messages, instrument, current);
    window.setBusAddress(28);
    window.setRdsMode(
        zor::Ini_Lesen(QStringLiteral("Sprache"), QStringLiteral("RDS_RBDS"), general));
    window.Schnittstellen_Toggle();
    window.showDemo();
    window.show();
    err << "window font: " << QFontInfo(window.font()).family() << ' '
        << QFontInfo(window.font()).pointSizeF() << " pt\n";

    int failures = 0;
    int cut = 0;
    for (const QString& language : {QStringLiteral("deutsch"), QStringLiteral("english")}) {
        zor::Ini_Schreiben(QStringLiteral("Sprache"), QStringLiteral("Sprache"), language, general);
        window.Beschrifter();
        const QString tag =
            language == QLatin1String("deutsch") ? QStringLiteral("de") : QStringLiteral("en");
        for (int tab = 0; tab < window.SSTab1()->count(); ++tab) {
            window.SSTab1()->setCurrentIndex(tab);
            QApplication::processEvents();
            const QString name = QStringLiteral("hmenue-%1-tab%2.png").arg(tag).arg(tab);
            failures += save(window.grab(), pictures, name) ? 0 : 1;
            cut += reportCutCaptions(&window, name);
        }
    }

    auto about = zor::MessageBoxes::warningBox(QString(), zor::aboutText(), &window);
    about->show();
    QApplication::processEvents();
    failures += save(about->grab(), pictures, QStringLiteral("about.png")) ? 0 : 1;
    about->close();

    zor::RS232Set serial(instrument, messages, &window);
    serial.show();
    QApplication::processEvents();
    failures += save(serial.grab(), pictures, QStringLiteral("rs232set.png")) ? 0 : 1;
    cut += reportCutCaptions(&serial, QStringLiteral("rs232set.png"));
    serial.close();

    err << cut << " caption(s) do not fit\n";
    return failures == 0 ? 0 : 1;
}
