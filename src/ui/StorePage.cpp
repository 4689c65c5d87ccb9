#include "ui/StorePage.h"

#include "panel/PageKit.h"
#include "translate/Instrument.h"

#include <QPushButton>

namespace zor {

namespace {

const CaptionKey kCaptions[] = {captionsInTurn("Store_Taste", 151, StorePage::kDataSets)};

} // namespace

StorePage::StorePage(PageContext& context, QWidget* parent)
    : TabPage(context, QStringLiteral("StorePage"), parent) {
    PageKit kit(this, context.data.path(), PageKit::kTabStripTwips);
    for (int i = 0; i < kDataSets; ++i) {
        const QString number = QString::number(i + 1);
        Store_Taste_[i] = kit.button(
            this, PageKit::arrayName(QStringLiteral("Store_Taste"), i),
            {3360, 1320 + i * 600, 1935, 375}, QStringLiteral("Speichern --> Dataset ") + number,
            {QStringLiteral("Datensatz ") + number, QStringLiteral("data set ") + number});
        connect(Store_Taste_[i], &QPushButton::clicked, this, [this, i] { Store_Taste_Click(i); });
    }
}

std::span<const CaptionKey> StorePage::captionTable() const {
    return kCaptions;
}

QPushButton* StorePage::Store_Taste(int index) const {
    return index >= 0 && index < kDataSets ? Store_Taste_[index] : nullptr;
}

// The coder keeps the data sets itself; no file of the program changes.
void StorePage::Store_Taste_Click(int index) {
    context().instrument.send(QStringLiteral("STORE"), QString::number(index + 1));
}

} // namespace zor
