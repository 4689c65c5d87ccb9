#pragma once

#include "settings/OperatorMessages.h"

#include <QObject>
#include <QPointer>
#include <QString>
#include <memory>

class QMessageBox;
class QWidget;

namespace zor {

// The operator's message boxes: modal, over the main window, with the icon
// each kind of message calls for.
class MessageBoxes : public OperatorMessages {
public:
    explicit MessageBoxes(QWidget* window = nullptr);

    // The window the boxes stand over.
    void setWindow(QWidget* window);

    void warn(const QString& title, const QString& text) override;
    void warnAfterEvent(const QString& title, const QString& text) override;
    void critical(const QString& title, const QString& text) override;
    bool askCritical(const QString& title, const QString& text) override;
    void quitProgram() override;
    void processPendingEvents() override;

    // Whether the program is to end; from then on no box is shown.
    bool endRequested() const { return ending_; }

    // The box warn() shows, built but not shown.
    static std::unique_ptr<QMessageBox> warningBox(const QString& title, const QString& text,
                                                   QWidget* parent);

private:
    QPointer<QWidget> window_;
    // Holds the boxes waiting for their event to finish; they go with it.
    QObject waiting_;
    bool ending_ = false;
};

} // namespace zor
