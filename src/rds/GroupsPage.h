#pragma once

#include "panel/TabPage.h"

#include <QList>
#include <array>

class QCheckBox;
class QPushButton;

namespace zor {

class DisplayLabel;
class PageKit;

// Tab 3 "Gruppen": one check box per RDS group type 0 to 15, the send button
// and the display of the group sequence last sent. Ticking a box does
// nothing by itself; only the send button acts. The caption-less boxes
// Gruppe(16) to Gruppe(31) beside them take part in no operation and stay
// hidden.
class GroupsPage : public TabPage {
    Q_OBJECT

public:
    static constexpr int kGroupTypes = 16;

    explicit GroupsPage(PageContext& context, QWidget* parent = nullptr);

    QCheckBox* Gruppe(int index) const;
    QPushButton* GS_Senden() const { return GS_Senden_; }
    DisplayLabel* Label10() const { return Label10_; }

    // Builds the sequence of the ticked boxes 0 to 15, stores it under
    // "GR_Folge", shows it in Label10 and sends it. With no box ticked
    // nothing is stored, shown or sent.
    void Gruppenfolge();
    // The send button: Gruppenfolge, or a message when no box is ticked.
    void GS_Senden_Click();

    // The group types ticked, in ascending order.
    QList<int> tickedGroups() const;

protected:
    std::span<const CaptionKey> captionTable() const override;
    // The start-up restore: ticks the boxes the stored sequence names, clears
    // none and sends nothing.
    void restoreSettings() override;

private:
    void build(PageKit& kit);

    std::array<QCheckBox*, 2 * kGroupTypes> Gruppe_{};
    QPushButton* GS_Senden_ = nullptr;
    DisplayLabel* Label10_ = nullptr;
};

} // namespace zor
