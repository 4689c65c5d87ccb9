#include "rds/GroupsPage.h"

#include "settings/OperatorMessages.h"
#include "panel/DisplayLabel.h"
#include "panel/PageKit.h"
#include "translate/Instrument.h"
#include "rds/GroupSequence.h"
#include "rds/RdsDataSet.h"
#include "settings/Captions.h"

#include <QCheckBox>
#include <QPushButton>

namespace zor {

namespace {

constexpr std::array<int, 4> kColumnLefts{720, 2280, 3960, 6000};
constexpr std::array<int, 4> kSpareLefts{360, 1920, 3600, 5640};
constexpr std::array<int, 4> kRowTops{840, 1200, 1560, 1920};
// Group type 4 (clock time) is not the operator's to choose.
constexpr int kClockGroup = 4;
constexpr int kSequenceHeading = 83;

const QString kSequenceKey = QStringLiteral("GR_Folge");

} // namespace

GroupsPage::GroupsPage(PageContext& context, QWidget* parent) : QWidget(parent), context_(context) {
    setObjectName(QStringLiteral("GroupsPage"));
    PageKit kit(this, context.data.path(), PageKit::kTabStripTwips);

    for (int i = 0; i < kGroupTypes; ++i) {
        const int column = i / 4;
        const int row = i % 4;
        const QString number = QString::number(i);
        Gruppe_[i] = kit.checkBox(
            this, PageKit::arrayName(QStringLiteral("Gruppe"), i),
            {kColumnLefts[column], kRowTops[row], 1455, 255}, QStringLiteral("Group ") + number,
            {QStringLiteral("Gruppe ") + number, QStringLiteral("group ") + number});
        const int spare = i + kGroupTypes;
        Gruppe_[spare] =
            kit.checkBox(this, PageKit::arrayName(QStringLiteral("Gruppe"), spare),
                         {kSpareLefts[column], kRowTops[row], 255, 255}, QString(),
                         {QStringLiteral("Gruppe ") + number + QStringLiteral(" Reserve"),
                          QStringLiteral("group ") + number + QStringLiteral(" spare")});
        Gruppe_[spare]->hide();
    }
    Gruppe_[kClockGroup]->setEnabled(false);
    Gruppe_[kClockGroup + kGroupTypes]->setEnabled(false);

    GS_Senden_ = kit.button(this, QStringLiteral("GS_Senden"), {6240, 3120, 975, 255},
                            QStringLiteral("Senden"), {"Gruppenfolge", "group sequence"});
    Label10_ = kit.display(this, QStringLiteral("Label10"), {480, 3600, 6735, 375},
                           {"Gesendete Gruppenfolge", "group sequence sent"}, true);

    connect(GS_Senden_, &QPushButton::clicked, this, &GroupsPage::GS_Senden_Click);
}

QCheckBox* GroupsPage::Gruppe(int index) const {
    return index >= 0 && index < int(Gruppe_.size()) ? Gruppe_[index] : nullptr;
}

QList<int> GroupsPage::tickedGroups() const {
    QList<int> groups;
    for (int i = 0; i < kGroupTypes; ++i) {
        if (Gruppe_[i]->isChecked())
            groups.append(i);
    }
    return groups;
}

void GroupsPage::restore() {
    for (const int group : storedGroupSequence(readRdsKey(context_, kSequenceKey)))
        Gruppe_[group]->setChecked(true);
}

// An empty sequence is no sequence a coder can transmit: the coder keeps
// the one it has, and so do the data set file and the display.
void GroupsPage::Gruppenfolge() {
    const QList<int> groups = tickedGroups();
    if (groups.isEmpty())
        return;
    const QString sequence = groupSequenceText(groups);
    writeRdsKey(context_, kSequenceKey, sequence);
    Label10_->setText(readableGroupSequence(context_.texts.text(kSequenceHeading), groups));
    context_.instrument.send(QStringLiteral("GROUPSEQ"), sequence);
}

void GroupsPage::GS_Senden_Click() {
    if (tickedGroups().isEmpty()) {
        context_.messages.warn(context_.texts.text(kSequenceHeading),
                               QStringLiteral("Keine Gruppe ausgewählt: es wurde nichts gesendet.\n"
                                              "No group selected: nothing was sent."));
        return;
    }
    Gruppenfolge();
}

} // namespace zor
