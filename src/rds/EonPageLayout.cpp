#include "panel/PageKit.h"
#include "panel/PictureSwitch.h"
#include "rds/EonPage.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

namespace zor {

namespace {

constexpr int kLabelLeft = 360;
constexpr int kFieldLeft = 1320;
constexpr int kButtonLeft = 2400;

} // namespace

void EonPage::build(PageKit& kit) {
    EON_PI_Label_ = kit.label(this, QStringLiteral("EON_PI_Label"), {kLabelLeft, 960, 900, 300},
                              QStringLiteral("EON PI"), {"EON PI", "EON PI"});
    EON_PI_Text_ = kit.textField(this, QStringLiteral("EON_PI_Text"), {kFieldLeft, 960, 975, 300},
                                 {"EON-PI-Eingabe", "EON PI entry"});
    EON_PI_Taste_ = kit.button(this, QStringLiteral("EON_PI_Taste"), {kButtonLeft, 960, 975, 300},
                               QStringLiteral("senden"), {"EON PI", "EON PI"});

    EON_PS_LABEL_ = kit.label(this, QStringLiteral("EON_PS_LABEL"), {kLabelLeft, 1560, 900, 300},
                              QStringLiteral("EON PS"), {"EON PS", "EON PS"});
    EON_PS_Text_ = kit.textField(this, QStringLiteral("EON_PS_Text"), {kFieldLeft, 1560, 975, 300},
                                 {"EON-PS-Eingabe", "EON PS entry"});
    EON_PS_Taste_ = kit.button(this, QStringLiteral("EON_PS_Taste"), {kButtonLeft, 1560, 975, 300},
                               QStringLiteral("senden"), {"EON PS", "EON PS"});

    EON_PTY_LAbel_ = kit.label(this, QStringLiteral("EON_PTY_LAbel"), {kLabelLeft, 2160, 900, 300},
                               QStringLiteral("EON PTY"), {"EON PTY", "EON PTY"});
    EON_PTY_Combo_ =
        kit.dropDown(this, QStringLiteral("EON_PTY_Combo"), {kFieldLeft, 2160, 2055, 315},
                     {"EON-Programmtyp", "EON programme type"});
    EON_PTY_LAbel_->setEnabled(false);
    EON_PTY_Combo_->setEnabled(false);

    EON_TA_Schalter_ = kit.pictureSwitch(this, QStringLiteral("EON_TA_Schalter"), {960, 3120},
                                         {"EON TA ein/aus", "EON TA on/off"});
    EON_TA_Schalter_->setToolTip(QStringLiteral("Gibt den Start EON"));
    EON_TA_Label_ = kit.label(this, QStringLiteral("EON_TA_Label"), {1560, 3240, 1000, 255},
                              QStringLiteral("EON TA"), {"EON TA", "EON TA"});
    EON_TP_Check_ = kit.checkBox(this, QStringLiteral("EON_TP_Check"), {1090, 3720, 1335, 375},
                                 QStringLiteral("    EON TP"), {"EON TP", "EON TP"});
    EON_TP_Check_->setToolTip(QStringLiteral("TP OtherNet"));
    EON_TA_Zeit_ = kit.timer(QStringLiteral("EON_TA_Zeit"), 1000, false);

    afb_ = AfListFrame::build(kit, this,
                              {QStringLiteral("Frame3"),
                               QStringLiteral("Tuned_AFB"),
                               QStringLiteral("AFB_Liste"),
                               QStringLiteral("EON_AFB_Opt"),
                               QStringLiteral("EON_AF_Bearbeiten"),
                               QStringLiteral("EON_AFB_Senden"),
                               QStringLiteral("EON AF Listen"),
                               {"EON AF", "EON AF"}},
                              {4800, 840, 3135, 3135});
}

} // namespace zor
