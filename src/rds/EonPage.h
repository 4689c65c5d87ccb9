#pragma once

#include "panel/PageContext.h"
#include "rds/AfListFrame.h"

#include <QStringList>
#include <QWidget>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QRadioButton;
class QTimer;

namespace zor {

class PictureSwitch;

// Tab 4 "E O N": PI, PS, PTY, TP and the TA pulse of another network, and
// its five method-B AF lists.
class EonPage : public QWidget {
    Q_OBJECT

  public:
    explicit EonPage(PageContext& context, QWidget* parent = nullptr);

    PageContext& context() const { return context_; }

    QLabel* EON_PI_Label() const { return EON_PI_Label_; }
    QLineEdit* EON_PI_Text() const { return EON_PI_Text_; }
    QPushButton* EON_PI_Taste() const { return EON_PI_Taste_; }
    QLabel* EON_PS_LABEL() const { return EON_PS_LABEL_; }
    QLineEdit* EON_PS_Text() const { return EON_PS_Text_; }
    QPushButton* EON_PS_Taste() const { return EON_PS_Taste_; }
    QLabel* EON_PTY_LAbel() const { return EON_PTY_LAbel_; }
    QComboBox* EON_PTY_Combo() const { return EON_PTY_Combo_; }
    PictureSwitch* EON_TA_Schalter() const { return EON_TA_Schalter_; }
    QLabel* EON_TA_Label() const { return EON_TA_Label_; }
    QCheckBox* EON_TP_Check() const { return EON_TP_Check_; }
    QTimer* EON_TA_Zeit() const { return EON_TA_Zeit_; }

    QGroupBox* Frame3() const { return afb_.frame; }
    DisplayLabel* Tuned_AFB() const { return afb_.tuned; }
    QListWidget* AFB_Liste() const { return afb_.list; }
    QButtonGroup* EON_AFB_Opt() const { return afb_.options; }
    QRadioButton* EON_AFB_Opt(int index) const;
    QPushButton* EON_AF_Bearbeiten() const { return afb_.edit; }
    QPushButton* EON_AFB_Senden() const { return afb_.send; }

    // Replaces the programme-type list and chooses entry `index` (none when
    // it does not exist), both without raising anything.
    void fillEonPtyList(const QStringList& names);
    void chooseEonPty(int index);

  private:
    PageContext& context_;

    QLabel* EON_PI_Label_ = nullptr;
    QLineEdit* EON_PI_Text_ = nullptr;
    QPushButton* EON_PI_Taste_ = nullptr;
    QLabel* EON_PS_LABEL_ = nullptr;
    QLineEdit* EON_PS_Text_ = nullptr;
    QPushButton* EON_PS_Taste_ = nullptr;
    QLabel* EON_PTY_LAbel_ = nullptr;
    QComboBox* EON_PTY_Combo_ = nullptr;
    PictureSwitch* EON_TA_Schalter_ = nullptr;
    QLabel* EON_TA_Label_ = nullptr;
    QCheckBox* EON_TP_Check_ = nullptr;
    QTimer* EON_TA_Zeit_ = nullptr;
    AfListFrame afb_;
};

} // namespace zor
