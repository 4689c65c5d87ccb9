#include "rds/AfListPage.h"

#include "panel/PageKit.h"
#include "rds/AfLists.h"
#include "settings/Captions.h"

#include <QButtonGroup>
#include <QPushButton>

namespace zor {

namespace {

const QString kOwnKind = QString::fromLatin1(kOwnAfLists);

const CaptionKey kCaptions[] = {
    captionOfOne("Frame2", 71),
    captionOfOne("AF_Bearbeiten", 72),
    captionOfOne("Taste_AF_Senden", 73),
    numberedCaptions("AFList_Opt", 74, kAfListCount, 1),
};

} // namespace

AfListPage::AfListPage(PageContext& context, QWidget* parent)
    : TabPage(context, QStringLiteral("AfListPage"), parent) {
    PageKit kit(this, context.data.path(), PageKit::kTabStripTwips);
    af_ = AfListFrame::build(kit, this,
                             {QStringLiteral("Frame2"),
                              QStringLiteral("AF_TN"),
                              QStringLiteral("AF_List1"),
                              QStringLiteral("AFList_Opt"),
                              QStringLiteral("AF_Bearbeiten"),
                              QStringLiteral("Taste_AF_Senden"),
                              QStringLiteral("alternative Frequenzen"),
                              {"AF", "AF"}},
                             {4800, 840, 3135, 3150});

    connect(af_.options, &QButtonGroup::idClicked, this, &AfListPage::AFList_Opt_Click);
    connect(af_.edit, &QPushButton::clicked, this, &AfListPage::AF_Bearbeiten_Click);
    connect(af_.send, &QPushButton::clicked, this, &AfListPage::Taste_AF_Senden_Click);
}

std::span<const CaptionKey> AfListPage::captionTable() const {
    return kCaptions;
}

QRadioButton* AfListPage::AFList_Opt(int index) const {
    return optionAt(af_.options, index);
}

void AfListPage::restoreSettings() {
    af_.restore(context().data, kOwnKind);
    showOffWord(StatusField::Ta);
    showOffWord(StatusField::Tp);
}

// Without a word for off the field keeps what it shows, as the caption
// loader leaves it.
void AfListPage::showOffWord(StatusField field) {
    const QString off = context().texts.text(Text::WordOff);
    if (!off.isEmpty())
        context().status.showStatus(field, off);
}

void AfListPage::AFList_Opt_Click(int index) {
    af_.showStored(context().data, kOwnKind, index + 1);
}

void AfListPage::AF_Bearbeiten_Click() {
    context().current.afEditorMode = kOwnKind;
    AF_Listenform editor(context(), this);
    editorRun_(editor);
    AFList_Opt_Click(0);
}

void AfListPage::Taste_AF_Senden_Click() {
    sendStoredAfLists(context(), kOwnKind);
}

} // namespace zor
