#include "panel/AccessibleNames.h"

#include "panel/ControlText.h"
#include "panel/DisplayLabel.h"
#include "panel/PictureSwitch.h"

#include <QAbstractButton>
#include <QHash>
#include <QVariant>
#include <QWidget>
#include <vector>

namespace zor {

namespace {

constexpr auto kSpokenGerman = "zorSpokenGerman";
constexpr auto kSpokenEnglish = "zorSpokenEnglish";
constexpr auto kControl = "zorControl";
constexpr auto kScope = "zorNameScope";

struct Naming {
    QWidget* control;
    QString caption;
    QString context;
    QString name;
};

const QWidget* scopeOf(const QWidget* control) {
    for (const QWidget* up = control->parentWidget(); up; up = up->parentWidget()) {
        if (up->property(kScope).toBool())
            return up;
    }
    return nullptr;
}

QString key(const QString& name) {
    return name.toCaseFolded();
}

QHash<QString, int> countNames(const std::vector<Naming>& namings) {
    QHash<QString, int> counts;
    for (const Naming& naming : namings)
        ++counts[key(naming.name)];
    return counts;
}

// The first name keeps its form; later equal ones get " 2", " 3" ... so that
// no two controls sound alike.
void numberRemainingTwins(std::vector<Naming>& namings) {
    QHash<QString, int> taken = countNames(namings);
    QHash<QString, int> seen;
    for (Naming& naming : namings) {
        const QString base = naming.name;
        if (taken.value(key(base)) < 2 || ++seen[key(base)] == 1)
            continue;
        int number = seen[key(base)];
        QString candidate;
        do {
            candidate = base + u' ' + QString::number(number++);
        } while (taken.contains(key(candidate)));
        taken.insert(key(candidate), 1);
        naming.name = candidate;
    }
}

} // namespace

void setSpokenContext(QWidget* control, const Spoken& context) {
    control->setProperty(kControl, true);
    control->setProperty(kSpokenGerman, context.german);
    control->setProperty(kSpokenEnglish, context.english);
}

void markNameScope(QWidget* scope) {
    scope->setProperty(kScope, true);
}

QList<QWidget*> namedControls(const QWidget* scope) {
    QList<QWidget*> controls;
    const QList<QWidget*> all = scope->findChildren<QWidget*>();
    for (QWidget* widget : all) {
        if (widget->property(kControl).toBool() && scopeOf(widget) == scope)
            controls.append(widget);
    }
    return controls;
}

void refreshAccessibleNames(QWidget* scope, bool german) {
    std::vector<Naming> namings;
    for (QWidget* control : namedControls(scope)) {
        Naming naming{control, {}, {}, {}};
        // A display is named by what it shows the value of, and its accessible
        // interface adds the value; a switch by what it switches, its checked
        // state telling on or off.
        if (!qobject_cast<DisplayLabel*>(control) && !qobject_cast<PictureSwitch*>(control))
            naming.caption = spokenCaption(captionOf(control));
        naming.context = control->property(german ? kSpokenGerman : kSpokenEnglish).toString();
        naming.name = naming.caption.isEmpty() ? naming.context : naming.caption;
        if (naming.name.isEmpty())
            naming.name = control->objectName();
        namings.push_back(naming);
    }

    const QHash<QString, int> counts = countNames(namings);
    for (Naming& naming : namings) {
        if (counts.value(key(naming.name)) > 1 && !naming.caption.isEmpty() &&
            !naming.context.isEmpty())
            naming.name = naming.context + u' ' + naming.caption;
    }
    numberRemainingTwins(namings);

    for (const Naming& naming : namings) {
        // A button heard under its own caption keeps no fixed name, so it is
        // heard with the caption it shows at the time, also after a handler
        // changed it.
        const bool ownCaption = !naming.caption.isEmpty() && naming.name == naming.caption &&
                                qobject_cast<QAbstractButton*>(naming.control);
        naming.control->setAccessibleName(ownCaption ? QString() : naming.name);
        naming.control->setAccessibleDescription(naming.control->toolTip());
    }
}

} // namespace zor
