#pragma once

#include "panel/PageContext.h"

#include <QWidget>

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;

namespace zor {

class DisplayLabel;
class PageKit;

// Tab 7 "T M C": event and location catalogues, direction, extent and the
// single-bit fields of one traffic message, the composed group 8A blocks in
// hexadecimal and the send button. A hidden row of labels, one per message
// field, and the event and location codes in hexadecimal are kept for the
// message builder; the operator never sees them.
class TmcPage : public QWidget {
    Q_OBJECT

  public:
    explicit TmcPage(PageContext& context, QWidget* parent = nullptr);

    PageContext& context() const { return context_; }

    QLabel* Label3() const { return Label3_; }
    QComboBox* TMC_Event_Combo() const { return TMC_Event_Combo_; }
    QLabel* Label4() const { return Label4_; }
    QComboBox* TMC_Loc_Combo() const { return TMC_Loc_Combo_; }
    QGroupBox* TMC_Frame1() const { return TMC_Frame1_; }
    QButtonGroup* Tmc_richtung() const { return Tmc_richtung_; }
    QRadioButton* Tmc_richtung(int index) const;
    QLabel* TMC_Var_Label() const { return TMC_Var_Label_; }
    QComboBox* TMC_Var_Combo() const { return TMC_Var_Combo_; }
    QGroupBox* TMC_Frame2() const { return TMC_Frame2_; }
    QCheckBox* TMC_T_Check() const { return TMC_T_Check_; }
    QCheckBox* TMC_F_Check() const { return TMC_F_Check_; }
    QCheckBox* TMC_DP3Check() const { return TMC_DP3Check_; }
    QCheckBox* TMC_DP2_Check() const { return TMC_DP2_Check_; }
    QCheckBox* TMC_DP1_Check() const { return TMC_DP1_Check_; }
    DisplayLabel* TMC_Gr8_Label() const { return TMC_Gr8_Label_; }
    QPushButton* TMC_Senden_Taste() const { return TMC_Senden_Taste_; }

    // The hidden field labels, in the order of the message: "TMCBL2_T",
    // "TMCBL2_F", "TMCBL2_DP", "TMCBL3_D", "TMCBL3_U", "TMCBL3_Extent",
    // "TMCBL3_Event", "TMCBL4_Local".
    DisplayLabel* fieldLabel(const QString& name) const;
    DisplayLabel* TMCBL3_D() const { return fieldLabel(QStringLiteral("TMCBL3_D")); }
    DisplayLabel* TMC_Event_Hex() const { return TMC_Event_Hex_; }
    DisplayLabel* TMC_Loc_Hex() const { return TMC_Loc_Hex_; }

  private:
    void buildCatalogues(PageKit& kit);
    void buildMessageFields(PageKit& kit);
    void buildHiddenRow(PageKit& kit);

    PageContext& context_;

    QLabel* Label3_ = nullptr;
    QComboBox* TMC_Event_Combo_ = nullptr;
    QLabel* Label4_ = nullptr;
    QComboBox* TMC_Loc_Combo_ = nullptr;
    QGroupBox* TMC_Frame1_ = nullptr;
    QButtonGroup* Tmc_richtung_ = nullptr;
    QLabel* TMC_Var_Label_ = nullptr;
    QComboBox* TMC_Var_Combo_ = nullptr;
    QGroupBox* TMC_Frame2_ = nullptr;
    QCheckBox* TMC_T_Check_ = nullptr;
    QCheckBox* TMC_F_Check_ = nullptr;
    QCheckBox* TMC_DP3Check_ = nullptr;
    QCheckBox* TMC_DP2_Check_ = nullptr;
    QCheckBox* TMC_DP1_Check_ = nullptr;
    DisplayLabel* TMC_Gr8_Label_ = nullptr;
    QPushButton* TMC_Senden_Taste_ = nullptr;
    DisplayLabel* TMC_Event_Hex_ = nullptr;
    DisplayLabel* TMC_Loc_Hex_ = nullptr;
};

} // namespace zor
