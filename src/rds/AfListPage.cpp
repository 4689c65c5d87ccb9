#include "rds/AfListPage.h"

#include "panel/PageKit.h"
#include "panel/StatusLine.h"
#include "rds/AfLists.h"
#include "settings/Captions.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QPushButton>

namespace zor {

namespace {

constexpr int kStatusTa = 0;
constexpr int kStatusTp = 10;
constexpr int kWordOff = 193;

const QString kOwnKind = QString::fromLatin1(kOwnAfLists);

} // namespace

AfListPage::AfListPage(PageContext& context, QWidget* parent) : QWidget(parent), context_(context) {
    setObjectName(QStringLiteral("AfListPage"));
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

QRadioButton* AfListPage::AFList_Opt(int index) const {
    return optionAt(af_.options, index);
}

void AfListPage::restore() {
    af_.restore(context_.data, kOwnKind);
    showOffWord(kStatusTa);
    showOffWord(kStatusTp);
    // The traffic announcement frame belongs to the RDS page; the window
    // reaches it by name.
    if (QWidget* top = window()) {
        if (auto* frame = top->findChild<QGroupBox*>(QStringLiteral("Frame1")))
            frame->setEnabled(true);
    }
}

// Without a word for off the field keeps what it shows, as the caption
// loader leaves it.
void AfListPage::showOffWord(int statusField) {
    const QString off = context_.texts.text(kWordOff);
    if (!off.isEmpty())
        context_.status.showStatus(statusField, off);
}

void AfListPage::AFList_Opt_Click(int index) {
    af_.showStored(context_.data, kOwnKind, index + 1);
}

void AfListPage::AF_Bearbeiten_Click() {
    context_.current.afEditorMode = kOwnKind;
    AF_Listenform editor(context_, this);
    editorRun_(editor);
    AFList_Opt_Click(0);
}

void AfListPage::Taste_AF_Senden_Click() {
    sendStoredAfLists(context_, kOwnKind);
}

} // namespace zor
