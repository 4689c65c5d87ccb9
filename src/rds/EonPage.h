#pragma once

#include "panel/TabPage.h"
#include "rds/AF_Listenform.h"
#include "rds/AfListFrame.h"
#include "settings/Captions.h"

#include <functional>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QRadioButton;
class QTimer;

namespace zor {

class PageKit;
class PictureSwitch;
class RdsPage;

// Tab 4 "E O N": PI, PS, PTY, TP and the TA pulse of another network, and
// its five method-B AF lists. Every EON coder text but the PI's own carries
// the current EON PI, so the EON PI is to be set first.
class EonPage : public TabPage {
    Q_OBJECT

public:
    explicit EonPage(PageContext& context, QWidget* parent = nullptr);

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

    // Replaces the programme-type list and chooses the entry stored under
    // "EON_PTY" (none when it names none), both without raising anything.
    void showProgrammeTypes(const QStringList& names) override;
    // Ends a running TA pulse's timer: nothing goes out any more.
    void disconnected() override;

    // The own programme's TP and TA states the EON TA pulse depends on.
    // Until set, they are read from the TP and TA status fields against the
    // words for on and off of the current language.
    void setOwnTrafficStates(std::function<bool()> tpOn, std::function<bool()> taOn);
    // The same, following the RDS page: its TP box and its TA flag.
    void followOwnTraffic(const RdsPage& rds);

    // How the AF list editor is shown; modal unless a test says otherwise.
    void setEditorRun(AF_Listenform::Run run) { editorRun_ = std::move(run); }

    // Handlers, as the controls run them.
    void EON_PI_Text_Change();
    void EON_PI_Taste_Click();
    void EON_PS_Text_Change();
    void EON_PS_Taste_Click();
    void EON_PTY_Combo_Change();
    void EON_TP_Check_Click();
    // Starts or ends the TA pulse when the own and the other network's
    // traffic states allow it; the timer ends a pulse the same way.
    void EON_TA_Schalter_Click();
    void EON_TA_Zeit_Timer();
    void EON_AFB_Opt_Click(int index);
    void EON_AF_Bearbeiten_Click();
    // Sends the stored method-B lists: list 1 with "N,", the others that
    // exist with "+,"; nothing when list 1 is empty.
    void EON_AFB_Senden_Click();

protected:
    std::span<const CaptionKey> captionTable() const override;
    // The EON items of the start-up restore: PI, PS and PTY from the data
    // set file, TA off and TP on; then the method-B list options enabled
    // for the stored lists, option 0 selected and list 1 shown.
    void restoreSettings() override;

private:
    void build(PageKit& kit);
    void chooseEonPty(int index);
    void send(const QString& key, QString value);
    QString stored(const QString& key) const;
    void store(const QString& key, const QString& value);
    void restoreProgrammeType(const QString& text);
    void warnTraffic(Text text);

    std::function<bool()> ownTpOn_;
    std::function<bool()> ownTaOn_;
    AF_Listenform::Run editorRun_ = &AF_Listenform::runModal;
    // Set while the TA switch operation runs (its message boxes let the
    // timer tick).
    bool switching_ = false;

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
