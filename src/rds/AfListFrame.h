#pragma once

#include "panel/AccessibleNames.h"
#include "panel/Twips.h"

#include <QString>

class QButtonGroup;
class QGroupBox;
class QLabel;
class QListWidget;
class QPushButton;
class QWidget;

namespace zor {

class DataFolder;
class DisplayLabel;
class PageKit;
struct PageContext;

// The frame that shows one of five stored AF lists: the tuned frequency
// above the list of alternatives, five list options beside them and the edit
// and send buttons below. The AF page and the EON page carry one each, with
// their own control names.
struct AfListFrame {
    struct Names {
        QString frame;
        QString tuned;
        QString list;
        QString options;
        QString edit;
        QString send;
        QString caption;
        Spoken about;
    };

    QGroupBox* frame = nullptr;
    DisplayLabel* tuned = nullptr;
    QListWidget* list = nullptr;
    QButtonGroup* options = nullptr;
    QPushButton* edit = nullptr;
    QPushButton* send = nullptr;

    static AfListFrame build(PageKit& kit, QWidget* page, const Names& names, TwipRect at);

    // Shows stored list `number` (1 to 5) of `kind` ("AF" or "EON AF").
    void showStored(const DataFolder& data, const QString& kind, int number) const;
    // The start-up state: each option enabled only when its list is stored,
    // option 0 selected (enabled or not) and list 1 shown.
    void restore(const DataFolder& data, const QString& kind) const;
};

// Shows a list text: the tuned frequency in `tuned`, the alternatives in
// `list`, which loses what it showed before. A text without a comma is a
// tuned frequency alone; an empty text empties both.
void AF_Liste_Anzeigen(QLabel* tuned, QListWidget* list, const QString& listText);

// Enables the option of each stored list of `kind`, disables the others.
void enableStoredAfLists(const DataFolder& data, const QString& kind, QButtonGroup* options);

// Hands the stored lists of `kind` to the translator by their send plan.
void sendStoredAfLists(PageContext& context, const QString& kind);

} // namespace zor
