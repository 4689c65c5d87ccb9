#include "panel/ControlText.h"

#include <QAbstractButton>
#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QVariant>

namespace zor {

namespace {

constexpr auto kDesignCaption = "zorDesignCaption";

} // namespace

QString captionOf(const QObject* control) {
    if (const auto* menu = qobject_cast<const QMenu*>(control))
        return menu->title();
    if (const auto* action = qobject_cast<const QAction*>(control))
        return action->text();
    if (const auto* button = qobject_cast<const QAbstractButton*>(control))
        return button->text();
    if (const auto* frame = qobject_cast<const QGroupBox*>(control))
        return frame->title();
    if (const auto* label = qobject_cast<const QLabel*>(control))
        return label->text();
    return {};
}

void setCaptionOf(QObject* control, const QString& caption) {
    if (auto* menu = qobject_cast<QMenu*>(control))
        menu->setTitle(caption);
    else if (auto* action = qobject_cast<QAction*>(control))
        action->setText(caption);
    else if (auto* button = qobject_cast<QAbstractButton*>(control))
        button->setText(caption);
    else if (auto* frame = qobject_cast<QGroupBox*>(control))
        frame->setTitle(caption);
    else if (auto* label = qobject_cast<QLabel*>(control))
        label->setText(caption);
}

void rememberDesignCaption(QObject* control) {
    setDesignCaption(control, captionOf(control));
}

void setDesignCaption(QObject* control, const QString& caption) {
    control->setProperty(kDesignCaption, caption);
}

QString designCaptionOf(const QObject* control) {
    return control->property(kDesignCaption).toString();
}

QString withoutMnemonics(const QString& caption) {
    QString shown;
    shown.reserve(caption.size());
    for (qsizetype i = 0; i < caption.size(); ++i) {
        // "&&" stands for one ampersand, a single "&" marks the accelerator.
        if (caption[i] == u'&') {
            if (i + 1 < caption.size() && caption[i + 1] == u'&')
                shown += caption[++i];
            continue;
        }
        shown += caption[i];
    }
    return shown;
}

QString spokenCaption(const QString& caption) {
    QString spoken = withoutMnemonics(caption).simplified();
    while (spoken.endsWith(u':'))
        spoken = spoken.chopped(1).trimmed();
    return spoken;
}

} // namespace zor
