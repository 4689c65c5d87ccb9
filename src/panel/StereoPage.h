#pragma once

#include "panel/StereoSettings.h"
#include "panel/TabPage.h"

class QButtonGroup;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QScrollBar;

namespace zor {

class DataMode;
class DisplayLabel;
class PageKit;
class PictureSwitch;

// Tab 0 "FM / Stereo": the stereo multiplex signal (MPX deviation, source,
// impedance, pre-emphasis, pilot, stereo mode, ARI, RDS level and phase) and
// the coder's data and test mode. Controls carry their window names; option
// arrays are reached by index, their groups by the array's name.
//
// Every stereo control acts at once through its handler: it shows the new
// value, keeps its value text in the current values, sends it and stores it
// in section "FM" of the general settings file. A step control runs its
// handler whenever its position changes, an option whenever it becomes the
// chosen one, a switch when it is clicked.
class StereoPage : public TabPage {
    Q_OBJECT

public:
    explicit StereoPage(PageContext& context, QWidget* parent = nullptr);

    // The data mode button's handling, also run by the initialisation.
    void Taste_DATA_MODE_Click();
    // Stores the pilot phase as its handler does ("07", "-7"), so the file
    // does not change when nothing else did.
    void storePilotPhase();

    // The handlers, run by the controls and by the restore.
    void FM_Hub_Scroll_Change();
    void Pilot_Hub_Scroll_Change();
    void HScroll1_Change();
    void Ari_hub_Scroll_Change();
    void RDS_Hub_Scroll_Change();
    void RDS_Phase_Scroll_Change();
    void Pilot_OnOff_Click();
    void Ari_OnOff_Click();
    void RDS_OnOff_Click();
    void Stereo_Opt_Click(int index);
    void FM_Source_Opt_Click(int index);
    void FM_Imp_Opt_Click(int index);
    void Pre_opt_Click(int index);
    void ARI_Mode_Opt_Click(int index);
    void BK_Opt_Click(int index);

    QGroupBox* FM_Frame() const { return FM_Frame_; }
    DisplayLabel* FM_Hub_Label2() const { return FM_Hub_Label2_; }
    QScrollBar* FM_Hub_Scroll() const { return FM_Hub_Scroll_; }
    QGroupBox* FM_Sorce_Frame() const { return FM_Sorce_Frame_; }
    QButtonGroup* FM_Source_Opt() const { return FM_Source_Opt_; }
    QRadioButton* FM_Source_Opt(int index) const;
    QGroupBox* FM_Imp_Frame() const { return FM_Imp_Frame_; }
    QButtonGroup* FM_Imp_Opt() const { return FM_Imp_Opt_; }
    QRadioButton* FM_Imp_Opt(int index) const;
    QGroupBox* Pre_Frame() const { return Pre_Frame_; }
    QButtonGroup* Pre_opt() const { return Pre_opt_; }
    QRadioButton* Pre_opt(int index) const;

    QGroupBox* Frame_stereo() const { return Frame_stereo_; }
    QLabel* Pilto_Label() const { return Pilto_Label_; }
    PictureSwitch* Pilot_OnOff() const { return Pilot_OnOff_; }
    DisplayLabel* Pilot_hub_Label() const { return Pilot_hub_Label_; }
    QScrollBar* Pilot_Hub_Scroll() const { return Pilot_Hub_Scroll_; }
    DisplayLabel* Pilot_Phase_Label() const { return Pilot_Phase_Label_; }
    QScrollBar* HScroll1() const { return HScroll1_; }
    QButtonGroup* Stereo_Opt() const { return Stereo_Opt_; }
    QRadioButton* Stereo_Opt(int index) const;

    QGroupBox* Ari_Frame() const { return Ari_Frame_; }
    PictureSwitch* Ari_OnOff() const { return Ari_OnOff_; }
    DisplayLabel* Ari_Label() const { return Ari_Label_; }
    QScrollBar* Ari_hub_Scroll() const { return Ari_hub_Scroll_; }
    QGroupBox* Ari_Mode_Frame() const { return Ari_Mode_Frame_; }
    QButtonGroup* ARI_Mode_Opt() const { return ARI_Mode_Opt_; }
    QRadioButton* ARI_Mode_Opt(int index) const;
    QGroupBox* BK_Frame() const { return BK_Frame_; }
    QButtonGroup* BK_Opt() const { return BK_Opt_; }
    QRadioButton* BK_Opt(int index) const;

    QGroupBox* RDS_Frame() const { return RDS_Frame_; }
    PictureSwitch* RDS_OnOff() const { return RDS_OnOff_; }
    DisplayLabel* RDS_Hub_Label() const { return RDS_Hub_Label_; }
    QScrollBar* RDS_Hub_Scroll() const { return RDS_Hub_Scroll_; }
    DisplayLabel* RDS_Phase_Label() const { return RDS_Phase_Label_; }
    QScrollBar* RDS_Phase_Scroll() const { return RDS_Phase_Scroll_; }

    QGroupBox* Frame11() const { return Frame11_; }
    QPushButton* Taste_DATA_MODE() const { return Taste_DATA_MODE_; }
    QButtonGroup* TestDat_Opt() const { return TestDat_Opt_; }
    QRadioButton* TestDat_Opt(int index) const;

protected:
    std::span<const CaptionKey> captionTable() const override;
    // The start-up restore of the stereo settings: each control is set from
    // its stored text and its handler runs once, so the displays follow and
    // the values are kept, sent (in demo mode: not) and stored again. A
    // switch is brought to its stored state by its own toggle. Positions
    // outside a control's range are taken as the nearest limit; a text that
    // names no option leaves the group as it is.
    void restoreSettings() override;
    // The deviation displays in the deviation word of the language.
    void showLanguage(const LanguageTexts& texts) override;

private:
    void buildMpx(PageKit& kit);
    void buildStereo(PageKit& kit);
    void buildAri(PageKit& kit);
    void buildRds(PageKit& kit);
    void buildTestMode(PageKit& kit);
    void connectHandlers();

    void stepChanged(const QScrollBar& step, DisplayLabel& label, const StepSetting& setting);
    void switchClicked(PictureSwitch& picture, const SwitchSetting& setting);
    void optionChosen(int index, const OptionSetting& setting);
    void keepSendAndStore(QString CurrentValues::*entry, const char* parameterKey,
                          const QString& sent, const char* iniKey, const QString& stored);
    QString stepLabel(StepDisplay display, int position) const;

    void restoreStep(QScrollBar& step, const StepSetting& setting, void (StereoPage::*handler)());
    void restoreSwitch(const SwitchSetting& setting, void (StereoPage::*handler)());
    void restoreOption(QButtonGroup& group, const OptionSetting& setting,
                       void (StereoPage::*handler)(int));
    QString storedText(const char* iniKey) const;

    QGroupBox* FM_Frame_ = nullptr;
    DisplayLabel* FM_Hub_Label2_ = nullptr;
    QScrollBar* FM_Hub_Scroll_ = nullptr;
    QGroupBox* FM_Sorce_Frame_ = nullptr;
    QButtonGroup* FM_Source_Opt_ = nullptr;
    QGroupBox* FM_Imp_Frame_ = nullptr;
    QButtonGroup* FM_Imp_Opt_ = nullptr;
    QGroupBox* Pre_Frame_ = nullptr;
    QButtonGroup* Pre_opt_ = nullptr;

    QGroupBox* Frame_stereo_ = nullptr;
    QLabel* Pilto_Label_ = nullptr;
    PictureSwitch* Pilot_OnOff_ = nullptr;
    DisplayLabel* Pilot_hub_Label_ = nullptr;
    QScrollBar* Pilot_Hub_Scroll_ = nullptr;
    DisplayLabel* Pilot_Phase_Label_ = nullptr;
    QScrollBar* HScroll1_ = nullptr;
    QButtonGroup* Stereo_Opt_ = nullptr;

    QGroupBox* Ari_Frame_ = nullptr;
    PictureSwitch* Ari_OnOff_ = nullptr;
    DisplayLabel* Ari_Label_ = nullptr;
    QScrollBar* Ari_hub_Scroll_ = nullptr;
    QGroupBox* Ari_Mode_Frame_ = nullptr;
    QButtonGroup* ARI_Mode_Opt_ = nullptr;
    QGroupBox* BK_Frame_ = nullptr;
    QButtonGroup* BK_Opt_ = nullptr;

    QGroupBox* RDS_Frame_ = nullptr;
    PictureSwitch* RDS_OnOff_ = nullptr;
    DisplayLabel* RDS_Hub_Label_ = nullptr;
    QScrollBar* RDS_Hub_Scroll_ = nullptr;
    DisplayLabel* RDS_Phase_Label_ = nullptr;
    QScrollBar* RDS_Phase_Scroll_ = nullptr;

    QGroupBox* Frame11_ = nullptr;
    QPushButton* Taste_DATA_MODE_ = nullptr;
    QButtonGroup* TestDat_Opt_ = nullptr;
    DataMode* dataMode_ = nullptr;
};

} // namespace zor
