#include "panel/Fonts.h"

#include "panel/Twips.h"

#include <QStringList>

namespace zor {

namespace {

QStringList familiesOf(FontFace face) {
    switch (face) {
    case FontFace::Sans:
        return {QStringLiteral("Arial"),
                QStringLiteral("Liberation Sans"),
                QStringLiteral("Arimo"),
                QStringLiteral("Helvetica"),
                QStringLiteral("DejaVu Sans Condensed"),
                QStringLiteral("DejaVu Sans")};
    case FontFace::Narrow:
        return {QStringLiteral("Arial Narrow"), QStringLiteral("Liberation Sans Narrow"),
                QStringLiteral("DejaVu Sans Condensed"), QStringLiteral("Arial")};
    case FontFace::Terminal:
        return {QStringLiteral("Terminal"), QStringLiteral("Fixedsys"),
                QStringLiteral("Liberation Mono"), QStringLiteral("DejaVu Sans Mono")};
    case FontFace::Courier:
        return {QStringLiteral("Courier New"), QStringLiteral("Courier"),
                QStringLiteral("Liberation Mono"), QStringLiteral("Cousine"),
                QStringLiteral("DejaVu Sans Mono")};
    }
    return {};
}

QFont::StyleHint hintOf(FontFace face) {
    switch (face) {
    case FontFace::Terminal:
        return QFont::Monospace;
    case FontFace::Courier:
        return QFont::TypeWriter;
    case FontFace::Sans:
    case FontFace::Narrow:
        break;
    }
    return QFont::SansSerif;
}

} // namespace

QFont designFont(FontFace face, double points, bool bold) {
    QFont font;
    font.setFamilies(familiesOf(face));
    font.setStyleHint(hintOf(face));
    font.setPointSizeF(points * fontScale());
    font.setBold(bold);
    return font;
}

QFont windowFont() {
    return designFont(FontFace::Sans, 8.25);
}

} // namespace zor
