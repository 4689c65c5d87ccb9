#pragma once

#include <QString>

class QObject;

namespace zor {

// The caption a control shows, whatever its kind: the text of a button, check
// box, option button or label, the title of a frame, the text of a menu entry
// or submenu. Empty for kinds without a caption.
QString captionOf(const QObject* control);
void setCaptionOf(QObject* control, const QString& caption);

// The caption the control was built with; the language captions fall back to
// it where the language file gives nothing.
void rememberDesignCaption(QObject* control);
void setDesignCaption(QObject* control, const QString& caption);
QString designCaptionOf(const QObject* control);

// A caption as it appears on screen: accelerator marks dropped, "&&" shown
// as one ampersand ("Spra&che" -> "Sprache").
QString withoutMnemonics(const QString& caption);

// A caption as a listener should hear it: without accelerator marks, without
// a trailing colon, blanks collapsed ("P I  : " -> "P I", "RT1 l&öschen" ->
// "RT1 löschen").
QString spokenCaption(const QString& caption);

} // namespace zor
