#include "panel/DisplayLabel.h"
#include "panel/PageKit.h"
#include "rds/AF_Listenform.h"
#include "rds/AfLists.h"

#include <QButtonGroup>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

namespace zor {

namespace {

constexpr int kClientWidth = 5430;
constexpr int kClientHeight = 3330;
constexpr int kButtonWidth = 975;
constexpr int kButtonHeight = 375;

} // namespace

void AF_Listenform::build() {
    setFixedSize(twipsToPixels(kClientWidth, kClientHeight));
    setWindowTitle(QStringLiteral("bearbeiten ") + kind_);
    PageKit kit(this, context_.data.path());

    AF_TN_ = kit.display(this, QStringLiteral("AF_TN"), {480, 120, 1095, 285},
                         {"Abstimmfrequenz", "tuned frequency"}, true);
    AF_TN_->setAction(DisplayLabel::Action::Click);
    AF_List1_ = kit.list(this, QStringLiteral("AF_List1"), {480, 600, 1095, 2010},
                         {"Alternative Frequenzen", "alternative frequencies"});
    Text2_ = kit.textField(this, QStringLiteral("Text2"), {1920, 600, 975, 435},
                           {"Frequenz", "frequency"});
    AF_OF_add_ =
        kit.button(this, QStringLiteral("AF_OF_add"), {1920, 1200, kButtonWidth, kButtonHeight},
                   QStringLiteral("Einfügen"), {"Frequenz einfügen", "insert frequency"});
    Command1_ =
        kit.button(this, QStringLiteral("Command1"), {1920, 1680, kButtonWidth, kButtonHeight},
                   QStringLiteral("Anfügen"), {"Frequenz anfügen", "append frequency"});
    Rem_Freq_ =
        kit.button(this, QStringLiteral("Rem_Freq"), {1920, 2160, kButtonWidth, kButtonHeight},
                   QStringLiteral("löschen"), {"Frequenz löschen", "delete frequency"});

    kit.line(this, QStringLiteral("Line1"), 3720, 120, 3720, 2640);
    AFList_Opt_ = kit.optionGroup(QStringLiteral("AFList_Opt"));
    for (int i = 0; i < kAfListCount; ++i)
        kit.option(AFList_Opt_, i, this, {3960, 600 + i * 360, 1350, 255},
                   QStringLiteral("Liste ") + QString::number(i + 1), {"Liste", "list"});

    kit.line(this, QStringLiteral("Line2"), 0, 2760, kClientWidth, 2760);
    Uebernahme_Knopf_ = kit.button(this, QStringLiteral("Uebernahme_Knopf"),
                                   {2880, 2880, kButtonWidth, kButtonHeight}, QStringLiteral("OK"),
                                   {"Liste speichern", "store list"});
    Ende_Knopf_ =
        kit.button(this, QStringLiteral("Ende_Knopf"), {3960, 2880, kButtonWidth, kButtonHeight},
                   QStringLiteral("zurück"), {"Ohne Speichern schließen", "close without storing"});
}

} // namespace zor
