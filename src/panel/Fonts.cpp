#include "panel/Fonts.h"

#include "panel/Twips.h"

#include <QComboBox>
#include <QFontMetrics>
#include <QStringList>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <algorithm>

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

QFont fontFitting(const QFont& font, const QStringList& texts, int width) {
    constexpr double kSmallestPoints = 5.0;
    constexpr double kStep = 0.25;
    QFont fitting = font;
    const auto widest = [&texts](const QFont& shown) {
        const QFontMetrics metrics(shown);
        int widest = 0;
        for (const QString& text : texts)
            widest = std::max(widest, metrics.horizontalAdvance(text));
        return widest;
    };
    while (widest(fitting) > width && fitting.pointSizeF() - kStep >= kSmallestPoints)
        fitting.setPointSizeF(fitting.pointSizeF() - kStep);
    return fitting;
}

// The text part of a field: the field less its arrow, less the margins the
// text keeps inside it.
void fitEntriesIntoField(QComboBox* field) {
    constexpr int kTextMargins = 4;
    QStyleOptionComboBox option;
    option.initFrom(field);
    option.editable = field->isEditable();
    const QRect text =
        field->style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField,
                                       field);
    QStringList entries;
    for (int i = 0; i < field->count(); ++i)
        entries << field->itemText(i);
    field->setFont(fontFitting(field->parentWidget()->font(), entries,
                               text.width() - kTextMargins));
}

} // namespace zor
