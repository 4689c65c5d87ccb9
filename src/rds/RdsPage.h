#pragma once

#include "panel/PageContext.h"

#include <QStringList>
#include <QWidget>

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QScrollBar;
class QTimer;

namespace zor {

class DisplayLabel;
class LimitedTextEdit;
class PageKit;
class PictureSwitch;

// Tab 1 "R D S": PI, PS, dynamic PS, PTY, the traffic announcement frame,
// RadioText, M/S, clock time and decoder information, with the timers that
// drive the clock, the traffic announcements and the dynamic PS.
class RdsPage : public QWidget {
    Q_OBJECT

  public:
    explicit RdsPage(PageContext& context, QWidget* parent = nullptr);

    PageContext& context() const { return context_; }

    QLabel* PI_Label() const { return PI_Label_; }
    QLineEdit* PI_T() const { return PI_T_; }
    QPushButton* Command3() const { return Command3_; }
    QLabel* PS_Label() const { return PS_Label_; }
    QLineEdit* PS_T() const { return PS_T_; }
    QPushButton* PS_Taste() const { return PS_Taste_; }
    QLabel* PS_A_Label() const { return PS_A_Label_; }
    PictureSwitch* Taste_PS_Auto() const { return Taste_PS_Auto_; }
    QTimer* PS_Timer() const { return PS_Timer_; }
    QLabel* Label1() const { return Label1_; }
    QComboBox* PTY_Combo1() const { return PTY_Combo1_; }

    QGroupBox* Frame1() const { return Frame1_; }
    QButtonGroup* TA_Option() const { return TA_Option_; }
    QRadioButton* TA_Option(int index) const;
    PictureSwitch* TA_Taste() const { return TA_Taste_; }
    QPushButton* TA_EON_Hilfe() const { return TA_EON_Hilfe_; }
    QScrollBar* TA_HScroll() const { return TA_HScroll_; }
    DisplayLabel* TA_Zeit_Label() const { return TA_Zeit_Label_; }
    QScrollBar* TA_Rep_HScroll() const { return TA_Rep_HScroll_; }
    DisplayLabel* TA_Rep_Label() const { return TA_Rep_Label_; }
    QCheckBox* Check1() const { return Check1_; }
    QTimer* TA_Timer() const { return TA_Timer_; }
    QTimer* TA_Rep_Timer() const { return TA_Rep_Timer_; }

    QGroupBox* RT_Frame() const { return RT_Frame_; }
    LimitedTextEdit* RT_Text1() const { return RT_Text1_; }
    QPushButton* RT_clear1() const { return RT_clear1_; }
    QPushButton* RT_Taste1() const { return RT_Taste1_; }

    QGroupBox* MS_Frame() const { return MS_Frame_; }
    QButtonGroup* MS_opt() const { return MS_opt_; }
    QRadioButton* MS_opt(int index) const;

    QGroupBox* Time_Frame() const { return Time_Frame_; }
    PictureSwitch* Zeit_Taste() const { return Zeit_Taste_; }
    QLabel* Image1() const { return Image1_; }
    DisplayLabel* Uhr_Zeit() const { return Uhr_Zeit_; }
    QTimer* Timer1() const { return Timer1_; }

    QGroupBox* DI_Frame() const { return DI_Frame_; }
    QButtonGroup* DI_Opt() const { return DI_Opt_; }
    QRadioButton* DI_Opt(int index) const;

    // Replaces the programme-type list without raising any selection.
    void fillPtyList(const QStringList& names);
    // Chooses entry `index` of PTY_Combo1 (none when it does not exist) and
    // raises ptyPicked once, as an operator's pick would.
    void choosePty(int index);

    // The traffic announcement flag of the window: TA is being announced.
    bool trafficAnnouncementOn() const { return trafficAnnouncementOn_; }
    void setTrafficAnnouncementOn(bool on) { trafficAnnouncementOn_ = on; }

  signals:
    // An entry of PTY_Combo1 was picked, by the operator or by choosePty.
    // Typing into the field does not raise it.
    void ptyPicked(int index);

  private:
    void buildProgrammeData(PageKit& kit);
    void buildTrafficAnnouncement(PageKit& kit);
    void buildRadioText(PageKit& kit);
    void buildMusicSpeech(PageKit& kit);
    void buildClock(PageKit& kit);
    void buildDecoderInfo(PageKit& kit);

    PageContext& context_;
    bool trafficAnnouncementOn_ = false;

    QLabel* PI_Label_ = nullptr;
    QLineEdit* PI_T_ = nullptr;
    QPushButton* Command3_ = nullptr;
    QLabel* PS_Label_ = nullptr;
    QLineEdit* PS_T_ = nullptr;
    QPushButton* PS_Taste_ = nullptr;
    QLabel* PS_A_Label_ = nullptr;
    PictureSwitch* Taste_PS_Auto_ = nullptr;
    QTimer* PS_Timer_ = nullptr;
    QLabel* Label1_ = nullptr;
    QComboBox* PTY_Combo1_ = nullptr;

    QGroupBox* Frame1_ = nullptr;
    QButtonGroup* TA_Option_ = nullptr;
    PictureSwitch* TA_Taste_ = nullptr;
    QPushButton* TA_EON_Hilfe_ = nullptr;
    QScrollBar* TA_HScroll_ = nullptr;
    DisplayLabel* TA_Zeit_Label_ = nullptr;
    QScrollBar* TA_Rep_HScroll_ = nullptr;
    DisplayLabel* TA_Rep_Label_ = nullptr;
    QCheckBox* Check1_ = nullptr;
    QTimer* TA_Timer_ = nullptr;
    QTimer* TA_Rep_Timer_ = nullptr;

    QGroupBox* RT_Frame_ = nullptr;
    LimitedTextEdit* RT_Text1_ = nullptr;
    QPushButton* RT_clear1_ = nullptr;
    QPushButton* RT_Taste1_ = nullptr;

    QGroupBox* MS_Frame_ = nullptr;
    QButtonGroup* MS_opt_ = nullptr;

    QGroupBox* Time_Frame_ = nullptr;
    PictureSwitch* Zeit_Taste_ = nullptr;
    QLabel* Image1_ = nullptr;
    DisplayLabel* Uhr_Zeit_ = nullptr;
    QTimer* Timer1_ = nullptr;

    QGroupBox* DI_Frame_ = nullptr;
    QButtonGroup* DI_Opt_ = nullptr;
};

} // namespace zor
