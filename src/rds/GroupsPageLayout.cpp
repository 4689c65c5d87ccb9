#include "panel/DisplayLabel.h"
#include "panel/PageKit.h"
#include "rds/GroupsPage.h"

#include <QCheckBox>
#include <QPushButton>

namespace zor {

namespace {

constexpr std::array<int, 4> kColumnLefts{720, 2280, 3960, 6000};
constexpr std::array<int, 4> kSpareLefts{360, 1920, 3600, 5640};
constexpr std::array<int, 4> kRowTops{840, 1200, 1560, 1920};
// Group type 4 (clock time) is not the operator's to choose.
constexpr int kClockGroup = 4;

} // namespace

void GroupsPage::build(PageKit& kit) {
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
}

} // namespace zor
