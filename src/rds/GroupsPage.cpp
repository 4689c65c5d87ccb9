#include "rds/GroupsPage.h"

#include "panel/DisplayLabel.h"
#include "panel/PageKit.h"
#include "rds/GroupSequence.h"
#include "settings/Captions.h"
#include "settings/MessageLanguage.h"
#include "settings/OperatorMessages.h"
#include "settings/SettingsStore.h"
#include "translate/Instrument.h"

#include <QCheckBox>
#include <QPushButton>

namespace zor {

namespace {

// Where the sequence is kept: section "RDS" of the data set file.
constexpr auto kSection = "RDS";
constexpr auto kSequenceKey = "GR_Folge";

const CaptionKey kCaptions[] = {
    numberedCaptions("Gruppe", 81, GroupsPage::kGroupTypes, 0),
    captionOfOne("GS_Senden", 82),
};

} // namespace

GroupsPage::GroupsPage(PageContext& context, QWidget* parent)
    : TabPage(context, QStringLiteral("GroupsPage"), parent) {
    PageKit kit(this, context.data.path(), PageKit::kTabStripTwips);
    build(kit);
    connect(GS_Senden_, &QPushButton::clicked, this, &GroupsPage::GS_Senden_Click);
}

std::span<const CaptionKey> GroupsPage::captionTable() const {
    return kCaptions;
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

void GroupsPage::restoreSettings() {
    const QString stored = context().settings.read(kDataSetFile, kSection, kSequenceKey);
    for (const int group : storedGroupSequence(stored))
        Gruppe_[group]->setChecked(true);
}

// An empty sequence is no sequence a coder can transmit: the coder keeps
// the one it has, and so do the data set file and the display.
void GroupsPage::Gruppenfolge() {
    const QList<int> groups = tickedGroups();
    if (groups.isEmpty())
        return;
    const QString sequence = groupSequenceText(groups);
    context().settings.write(kDataSetFile, kSection, kSequenceKey, sequence);
    Label10_->setText(
        readableGroupSequence(context().texts.text(Text::GroupSequenceHeading), groups));
    context().instrument.send(QStringLiteral("GROUPSEQ"), sequence);
}

void GroupsPage::GS_Senden_Click() {
    if (tickedGroups().isEmpty()) {
        context().messages.warn(
            context().texts.text(Text::GroupSequenceHeading),
            spoken(QStringLiteral("Keine Gruppe ausgewählt: es wurde nichts gesendet."),
                   QStringLiteral("No group selected: nothing was sent.")));
        return;
    }
    Gruppenfolge();
}

} // namespace zor
