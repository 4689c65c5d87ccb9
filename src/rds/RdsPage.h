#pragma once

#include "panel/StatusLine.h"
#include "panel/TabPage.h"
#include "panel/ValueEntry.h"

#include <memory>

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

class Clock;
class DisplayLabel;
class DynamicPs;
class LimitedTextEdit;
class PageKit;
class PictureSwitch;
class TrafficAnnouncements;

// Tab 1 "R D S": PI, PS, dynamic PS, PTY, the traffic announcement frame,
// RadioText, M/S, clock time and decoder information, with the timers that
// drive the clock, the traffic announcements and the dynamic PS.
//
// Each handler takes its control's value, keeps it in the current values,
// shows it in the status strip, stores it in the data set file and hands it
// to the translator; the traffic announcements and the dynamic PS have
// classes of their own.
class RdsPage : public TabPage {
    Q_OBJECT

public:
    explicit RdsPage(PageContext& context, QWidget* parent = nullptr);
    ~RdsPage() override;

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

    // Fills the programme-type list without raising any selection, then
    // chooses the type stored under "PTY" as an operator's pick would: the
    // choice is shown, stored and sent once. A stored text that names no
    // entry chooses none.
    void showProgrammeTypes(const QStringList& names) override;

    // The traffic announcement flag of the window: TA is being announced.
    bool trafficAnnouncementOn() const;
    void setTrafficAnnouncementOn(bool on);

    // The time source of the clock time and the traffic announcements; the
    // computer's clocks until another is set. `clock` outlives the page.
    void setClock(const Clock& clock);
    // The input box of a double-click on the clock display.
    void setTextQuestion(InputDialog question);

    TrafficAnnouncements& trafficAnnouncements() const { return *traffic_; }
    DynamicPs& dynamicPs() const { return *dynamicPs_; }
    bool clockOn() const { return clockOn_; }

    // Instrument initialisation: ticks TP and hands it over.
    void switchTpOn();
    // Instrument initialisation: switches TA off and hands over "TA" "0".
    void switchTaOff();
    // The PTY list's position as its handler hands it over.
    QString ptyValue() const;
    // Clears the running flag of the dynamic PS; picture and timer stay.
    void stopDynamicPs();

    // Handlers, named after their control and event.
    void PI_T_Change();
    void Command3_Click();
    void PS_Taste_Click();
    void PTY_Combo1_Click(int index);
    void Check1_Click();
    // Selects option `index` (if it is not already) and hands over its letter.
    void MS_opt_Click(int index);
    void DI_Opt_Click(int index);
    void RT_Taste1_Click();
    void RT_clear1_Click();
    void Timer1_Timer();
    void Zeit_Taste_Click();
    void Uhr_Zeit_DblClick();

signals:
    // An entry of PTY_Combo1 was picked, by the operator or by choosePty.
    // Typing into the field does not raise it.
    void ptyPicked(int index);

protected:
    std::span<const CaptionKey> captionTable() const override;
    // Start-up restore: the traffic announcement frame from the general
    // settings file (TA off, manual mode, the frame usable), then PS, PI,
    // RadioText, M/S, decoder information and programme type from the data
    // set file, each control's handler running as if the operator had set it.
    void restoreSettings() override;
    // The M/S, TA and TP status fields and the announcement time displays in
    // the words of the language.
    void showLanguage(const LanguageTexts& texts) override;

private:
    void buildProgrammeData(PageKit& kit);
    void buildTrafficAnnouncement(PageKit& kit);
    void buildRadioText(PageKit& kit);
    void buildMusicSpeech(PageKit& kit);
    void buildClock(PageKit& kit);
    void buildDecoderInfo(PageKit& kit);
    void connectHandlers();
    void restoreContent();
    void choosePty(int index);
    void showStatusWord(StatusField field, bool on, const LanguageTexts& texts);
    QString stored(const char* key) const;
    void store(const char* key, const QString& value);

    const Clock* clock_;
    InputDialog question_;
    bool clockOn_ = false;

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

    std::unique_ptr<DynamicPs> dynamicPs_;
    std::unique_ptr<TrafficAnnouncements> traffic_;
};

} // namespace zor
