#include "panel/SwitchAccessible.h"


#include <QAbstractButton>
#include <QAccessible>
#include <QAccessibleWidget>
#include <QCheckBox>
#include <QKeySequence>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>

namespace zor {

namespace {

// The caption as a screen reader speaks it: without the mnemonic's "&".
QString withoutMnemonic(const QString& caption) {
    QString spoken;
    for (qsizetype at = 0; at < caption.size(); ++at) {
        if (caption[at] == u'&' && at + 1 < caption.size())
            ++at;
        spoken += caption[at];
    }
    return spoken;
}

class SwitchAccessible : public QAccessibleWidget {
public:
    explicit SwitchAccessible(QAbstractButton* button)
        : QAccessibleWidget(button, button->autoExclusive() ? QAccessible::RadioButton
                                                            : QAccessible::CheckBox) {}

    QString text(QAccessible::Text kind) const override {
        QString said;
        if (kind == QAccessible::Name) {
            said = widget()->accessibleName();
            if (said.isEmpty())
                said = withoutMnemonic(button()->text());
        } else if (kind == QAccessible::Accelerator) {
            said = QKeySequence::mnemonic(button()->text()).toString(QKeySequence::NativeText);
        }
        return said.isEmpty() ? QAccessibleWidget::text(kind) : said;
    }

    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        state.checkable = true;
        state.checked = button()->isChecked();
        const auto* box = qobject_cast<const QCheckBox*>(button());
        state.checkStateMixed = box && box->checkState() == Qt::PartiallyChecked;
        state.pressed = button()->isDown();
        return state;
    }

    // An option button or check box answers a click only on its indicator
    // and caption; a tool that clicks the middle of this rectangle hits them.
    QRect rect() const override {
        const QAbstractButton* control = button();
        if (!control->isVisible())
            return {};
        const bool box = qobject_cast<const QCheckBox*>(control) != nullptr;
        if (!box && !qobject_cast<const QRadioButton*>(control))
            return QAccessibleWidget::rect();
        QStyleOptionButton option;
        option.initFrom(control);
        option.text = control->text();
        option.icon = control->icon();
        option.iconSize = control->iconSize();
        const auto clickable = box ? QStyle::SE_CheckBoxClickRect : QStyle::SE_RadioButtonClickRect;
        return control->style()
            ->subElementRect(clickable, &option, control)
            .translated(control->mapToGlobal(QPoint(0, 0)));
    }

    QStringList actionNames() const override {
        QStringList names;
        if (widget()->isEnabled())
            names << toggleAction();
        return names + QAccessibleWidget::actionNames();
    }

    void doAction(const QString& action) override {
        if (!widget()->isEnabled())
            return;
        if (action == toggleAction() || action == pressAction())
            button()->click();
        else
            QAccessibleWidget::doAction(action);
    }

private:
    QAbstractButton* button() const { return static_cast<QAbstractButton*>(widget()); }
};

QAccessibleInterface* switchFactory(const QString& className, QObject* object) {
    if (className != QLatin1String("QRadioButton") && className != QLatin1String("QCheckBox") &&
        className != QLatin1String("zor::PictureSwitch"))
        return nullptr;
    auto* button = qobject_cast<QAbstractButton*>(object);
    return button && button->isCheckable() ? new SwitchAccessible(button) : nullptr;
}

} // namespace

void installSwitchAccessible() {
    static const bool installed = [] {
        QAccessible::installFactory(switchFactory);
        return true;
    }();
    Q_UNUSED(installed);
}

} // namespace zor
