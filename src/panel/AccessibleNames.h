#pragma once

#include <QList>
#include <QString>

class QWidget;

namespace zor {

// What a control is about, in both languages of the window: a listener hears
// it where the control has no caption of its own, and in front of a caption
// that another control of the same page also shows ("PS senden").
struct Spoken {
    QString german;
    QString english;
};

// Marks `control` as one of the window's controls and says what it is about.
void setSpokenContext(QWidget* control, const Spoken& context);

// Marks `scope` (a tab page, the window) as the range within which every
// control's accessible name is unique.
void markNameScope(QWidget* scope);

// The marked controls whose nearest marked scope is `scope`, in the order
// they were built.
QList<QWidget*> namedControls(const QWidget* scope);

// Gives every control of `scope` its accessible name: its caption where that
// is unique in the scope (a button is then heard with the caption it shows
// at any time), otherwise what it is about followed by the caption, or
// what it is about alone where it has no caption; names still equal after
// that are numbered. Tooltips become accessible descriptions. Run again
// whenever captions change.
void refreshAccessibleNames(QWidget* scope, bool german);

} // namespace zor
