#include "panel/DisplayLabel.h"

#include "panel/ControlText.h"
#include "panel/Fonts.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFocusRect>

namespace zor {

namespace {

// Speaks a display as "what it shows: the value"; an operated display is a
// button a screen reader can press.
class DisplayLabelAccessible : public QAccessibleWidget {
  public:
    explicit DisplayLabelAccessible(DisplayLabel* label)
        : QAccessibleWidget(label, label->action() == DisplayLabel::Action::None
                                       ? QAccessible::StaticText
                                       : QAccessible::Button) {}

    QString text(QAccessible::Text kind) const override {
        const QString value = withoutMnemonics(label()->text());
        if (kind == QAccessible::Value)
            return value;
        if (kind != QAccessible::Name)
            return QAccessibleWidget::text(kind);
        const QString subject = label()->accessibleName();
        if (value.isEmpty())
            return subject;
        return subject.isEmpty() ? value : subject + QStringLiteral(": ") + value;
    }

    QStringList actionNames() const override {
        if (label()->action() == DisplayLabel::Action::None)
            return QAccessibleWidget::actionNames();
        return {pressAction()};
    }

    void doAction(const QString& name) override {
        if (name == pressAction())
            label()->trigger();
        else
            QAccessibleWidget::doAction(name);
    }

  private:
    DisplayLabel* label() const { return static_cast<DisplayLabel*>(widget()); }
};

QAccessibleInterface* displayLabelFactory(const QString& className, QObject* object) {
    if (className == QLatin1String("zor::DisplayLabel") && object && object->isWidgetType())
        return new DisplayLabelAccessible(static_cast<DisplayLabel*>(object));
    return nullptr;
}

void installAccessibleFactoryOnce() {
    static const bool installed = [] {
        QAccessible::installFactory(displayLabelFactory);
        return true;
    }();
    Q_UNUSED(installed);
}

} // namespace

DisplayLabel::DisplayLabel(QWidget* parent) : QLabel(parent) {
    installAccessibleFactoryOnce();
}

void DisplayLabel::setAction(Action action) {
    action_ = action;
    setFocusPolicy(action == Action::None ? Qt::NoFocus : Qt::StrongFocus);
    setCursor(action == Action::None ? Qt::ArrowCursor : Qt::PointingHandCursor);
}

void DisplayLabel::setBordered(bool bordered) {
    setFrameStyle(bordered ? QFrame::Box | QFrame::Plain : QFrame::NoFrame);
    setLineWidth(1);
    if (bordered)
        setAlignment(Qt::AlignCenter);
}

void DisplayLabel::trigger() {
    if (action_ == Action::Click)
        emit clicked();
    else if (action_ == Action::DoubleClick)
        emit doubleClicked();
}

void DisplayLabel::mouseReleaseEvent(QMouseEvent* event) {
    if (action_ == Action::Click && event->button() == Qt::LeftButton &&
        rect().contains(event->position().toPoint()))
        emit clicked();
    QLabel::mouseReleaseEvent(event);
}

void DisplayLabel::mouseDoubleClickEvent(QMouseEvent* event) {
    if (action_ == Action::DoubleClick && event->button() == Qt::LeftButton)
        emit doubleClicked();
    QLabel::mouseDoubleClickEvent(event);
}

void DisplayLabel::keyPressEvent(QKeyEvent* event) {
    const bool acts = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter ||
                      event->key() == Qt::Key_Space;
    if (action_ != Action::None && acts) {
        trigger();
        event->accept();
        return;
    }
    QLabel::keyPressEvent(event);
}

QFont DisplayLabel::shownFont() const {
    if (wordWrap())
        return font();
    const int width = contentsRect().width() - 2 * margin();
    return fontFitting(font(), {withoutMnemonics(text())}, width);
}

void DisplayLabel::paintEvent(QPaintEvent* event) {
    QFrame::paintEvent(event);
    QPainter painter(this);
    int flags = int(alignment()) | Qt::TextHideMnemonic;
    if (wordWrap())
        flags |= Qt::TextWordWrap;
    const QRect area = contentsRect().adjusted(margin(), margin(), -margin(), -margin());
    painter.setFont(shownFont());
    style()->drawItemText(&painter, area, flags, palette(), isEnabled(), text(), foregroundRole());
    if (!hasFocus())
        return;
    QStyleOptionFocusRect option;
    option.initFrom(this);
    option.rect = contentsRect().adjusted(1, 1, -1, -1);
    style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &painter, this);
}

} // namespace zor
