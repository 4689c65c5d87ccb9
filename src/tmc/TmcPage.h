#pragma once

#include "panel/TabPage.h"
#include "tmc/TmcMessage.h"

#include <array>
#include <utility>

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
class TmcEntryTable;
struct TmcStartStep;

// Tab 7 "T M C": event and location catalogues, direction, extent and the
// single-bit fields of one traffic message, the composed group 8A blocks in
// hexadecimal and the send button. A hidden row of labels, one per message
// field, and the event and location codes in hexadecimal are kept for the
// message builder; the operator never sees them.
//
// Every pick recomposes the message at once; choosing an entry, an option or
// a box by program runs the same handling as the operator's click.
class TmcPage : public TabPage {
    Q_OBJECT

public:
    explicit TmcPage(PageContext& context, QWidget* parent = nullptr);

    // Start-up: fills the extent list and the event and location lists from
    // "Event.txt" and "Location.txt" of the data folder and runs the start
    // presets in their order. A catalogue that is missing, empty or faulty
    // never stops it: its list keeps the good records (or stays empty, the
    // field keeping its start value) and the operator is told once per
    // catalogue which file, and which line, is at fault, unless the start-up
    // has told already that the data folder is missing.
    void prepare();

    // Chooses an entry or option by program, with the handling of a pick.
    void chooseExtent(int index);
    void chooseEvent(int index);
    void chooseLocation(int index);
    void chooseDirection(int index);

    // The send button's handling: registers the open data application,
    // sends the message as the display shows it, registers again; each
    // value is kept under "TMC" of the data set file as it goes out.
    void TMC_Senden_Taste_Click();

    // The message as the controls have composed it.
    const TmcMessage& message() const { return message_; }

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

protected:
    std::span<const CaptionKey> captionTable() const override;
    void restoreSettings() override;

private:
    void buildCatalogues(PageKit& kit);
    void buildMessageFields(PageKit& kit);
    void buildHiddenRow(PageKit& kit);
    void connectHandlers();

    void TMC_T_Check_Click();
    void TMC_F_Check_Click();
    void TMC_DP_Check_Click(TmcDurationBox box, bool ticked);
    void Tmc_richtung_Click(int index);
    void TMC_Var_Combo_Click(int index);
    void TMC_Event_Combo_Click(int index);
    void TMC_Loc_Combo_Click(int index);
    // Shows the composed message and, in the hidden row, its fields.
    void TMCGruppe8Maker();

    void runStartStep(const TmcStartStep& step, TmcEntryTable& events, TmcEntryTable& locations);
    void fillExtentList();
    void tickF();

    TmcMessage message_;

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
    // The hidden row's labels with the message field each shows.
    std::array<std::pair<DisplayLabel*, QString TmcFields::*>, 8> hiddenFields_{};
};

} // namespace zor
