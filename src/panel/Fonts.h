#pragma once

#include <QFont>
#include <QStringList>

class QComboBox;

namespace zor {

// The faces the window was drawn with. Where a face is not installed the
// nearest one that is takes its place: a narrow sans serif for Arial (so
// captions keep their width), a condensed one for Arial Narrow, a fixed-pitch
// one for Terminal and Courier.
enum class FontFace { Sans, Narrow, Terminal, Courier };

// `points` is the size the window was designed with; it follows fontScale().
QFont designFont(FontFace face, double points, bool bold = false);

// The window's own font, used by every control that names no other.
QFont windowFont();

// `font`, made smaller where needed so that each of `texts` fits whole into
// `width` pixels (down to a size still to be read).
QFont fontFitting(const QFont& font, const QStringList& texts, int width);

// Gives a drop-down field a font in which each of its entries fits whole
// into its text part.
void fitEntriesIntoField(QComboBox* field);

} // namespace zor
