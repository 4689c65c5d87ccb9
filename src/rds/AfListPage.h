#pragma once

#include "panel/PageContext.h"
#include "rds/AfListFrame.h"

#include <QWidget>

class QRadioButton;

namespace zor {

// Tab 2 "AF Liste": one of the five stored alternative-frequency lists of
// the own programme, the list options and the edit and send buttons.
class AfListPage : public QWidget {
    Q_OBJECT

  public:
    explicit AfListPage(PageContext& context, QWidget* parent = nullptr);

    PageContext& context() const { return context_; }

    QGroupBox* Frame2() const { return af_.frame; }
    DisplayLabel* AF_TN() const { return af_.tuned; }
    QListWidget* AF_List1() const { return af_.list; }
    QButtonGroup* AFList_Opt() const { return af_.options; }
    QRadioButton* AFList_Opt(int index) const;
    QPushButton* AF_Bearbeiten() const { return af_.edit; }
    QPushButton* Taste_AF_Senden() const { return af_.send; }

  private:
    PageContext& context_;
    AfListFrame af_;
};

} // namespace zor
