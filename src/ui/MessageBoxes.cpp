#include "ui/MessageBoxes.h"

#include <QApplication>
#include <QMessageBox>
#include <QTimer>

namespace zor {

namespace {

std::unique_ptr<QMessageBox> box(QMessageBox::Icon icon, const QString& title, const QString& text,
                                 QMessageBox::StandardButtons buttons, QWidget* parent) {
    auto shown = std::make_unique<QMessageBox>(icon, title, text, buttons, parent);
    shown->setTextFormat(Qt::PlainText);
    return shown;
}

} // namespace

MessageBoxes::MessageBoxes(QWidget* window) : window_(window) {}

void MessageBoxes::setWindow(QWidget* window) {
    window_ = window;
}

std::unique_ptr<QMessageBox> MessageBoxes::warningBox(const QString& title, const QString& text,
                                                      QWidget* parent) {
    return box(QMessageBox::Warning, title, text, QMessageBox::Ok, parent);
}

void MessageBoxes::warn(const QString& title, const QString& text) {
    if (!ending_)
        warningBox(title, text, window_)->exec();
}

// A box opened from inside a menu's opening, or any other control's event in
// progress, would run its own event loop under that event; a zero timer
// shows it once the event loop is back at the top.
void MessageBoxes::warnAfterEvent(const QString& title, const QString& text) {
    QTimer::singleShot(0, &waiting_, [this, title, text] { warn(title, text); });
}

void MessageBoxes::critical(const QString& title, const QString& text) {
    if (!ending_)
        box(QMessageBox::Critical, title, text, QMessageBox::Ok, window_)->exec();
}

bool MessageBoxes::askCritical(const QString& title, const QString& text) {
    if (ending_)
        return false;
    auto question =
        box(QMessageBox::Critical, title, text, QMessageBox::Yes | QMessageBox::No, window_);
    return question->exec() == QMessageBox::Yes;
}

// The end goes through the event loop, so that everything the program holds
// is given back on the way out: the serial port is closed and its lock file
// removed. Open message boxes close too, and none opens any more, so that
// nothing holds the end up; every settings file is already on disk. Before
// the event loop runs (an end asked for during the start-up) quit() does
// nothing, and the program asks endRequested() instead.
void MessageBoxes::quitProgram() {
    ending_ = true;
    QApplication::closeAllWindows();
    QCoreApplication::quit();
}

// A dynamic PS step that falls due while a command waits for the instrument
// lets events run too; the operator's clicks then wait for the command.
void MessageBoxes::processPendingEvents() {
    QCoreApplication::processEvents(inputHeld() ? QEventLoop::ExcludeUserInputEvents
                                                : QEventLoop::AllEvents);
}

} // namespace zor
