#include "panel/DeliberateInput.h"

#include <QComboBox>
#include <QEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QScrollBar>

namespace zor {

namespace {

// Swallows the wheel over the controls it watches, and Enter in the text
// part of a drop-down field.
class StrayInputFilter final : public QObject {
public:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Wheel)
            return true;
        if (event->type() == QEvent::KeyPress && qobject_cast<QLineEdit*>(watched)) {
            const int key = static_cast<QKeyEvent*>(event)->key();
            return key == Qt::Key_Return || key == Qt::Key_Enter;
        }
        return QObject::eventFilter(watched, event);
    }
};

StrayInputFilter& strayInputFilter() {
    static StrayInputFilter filter;
    return filter;
}

} // namespace

void takeOnlyDeliberatePicks(QComboBox* field) {
    field->setCompleter(nullptr);
    field->installEventFilter(&strayInputFilter());
    if (QLineEdit* text = field->lineEdit())
        text->installEventFilter(&strayInputFilter());
}

void takeOnlyDeliberateSteps(QScrollBar* step) {
    step->installEventFilter(&strayInputFilter());
}

} // namespace zor
