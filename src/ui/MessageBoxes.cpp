#include "ui/MessageBoxes.h"

#include <QCoreApplication>
#include <QMessageBox>
#include <cstdlib>

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
    warningBox(title, text, window_)->exec();
}

void MessageBoxes::critical(const QString& title, const QString& text) {
    box(QMessageBox::Critical, title, text, QMessageBox::Ok, window_)->exec();
}

bool MessageBoxes::askCritical(const QString& title, const QString& text) {
    auto question =
        box(QMessageBox::Critical, title, text, QMessageBox::Yes | QMessageBox::No, window_);
    return question->exec() == QMessageBox::Yes;
}

// Ends at once, as the operator asked: no further command may leave the
// program, and every settings file is already on disk.
void MessageBoxes::quitProgram() {
    std::exit(0);
}

void MessageBoxes::processPendingEvents() {
    QCoreApplication::processEvents();
}

} // namespace zor
