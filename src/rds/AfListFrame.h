#pragma once

#include "panel/AccessibleNames.h"
#include "panel/Twips.h"

#include <QString>

class QButtonGroup;
class QGroupBox;
class QListWidget;
class QPushButton;
class QWidget;

namespace zor {

class DisplayLabel;
class PageKit;

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
};

} // namespace zor
