#include "rds/EonPage.h"

#include "settings/OperatorMessages.h"
#include "panel/PageKit.h"
#include "panel/PictureSwitch.h"
#include "translate/Instrument.h"
#include "panel/StatusLine.h"
#include "rds/AfLists.h"
#include "rds/EonTaPulse.h"
#include "rds/RdsDataSet.h"
#include "rds/RdsPage.h"
#include "settings/Captions.h"

#include <QButtonGroup>

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QSignalBlocker>
#include <QTimer>

namespace zor {

namespace {

constexpr int kLabelLeft = 360;
constexpr int kFieldLeft = 1320;
constexpr int kButtonLeft = 2400;

constexpr int kStatusTa = 0;
constexpr int kStatusTp = 10;
constexpr int kWordOn = 192;
constexpr int kWordOff = 193;
constexpr int kTrafficTitle = 167;
constexpr int kOwnTpSetText = 168;
constexpr int kOwnTaClearText = 169;

const QString kEonKind = QString::fromLatin1(kEonAfLists);
const QString kOn = QStringLiteral("1");
const QString kOff = QStringLiteral("0");

// The programme-type entry a stored "EON_PTY" names: a whole number, -1 for
// any other text.
int programmeTypeIndex(const QString& stored) {
    bool number = false;
    const int index = stored.trimmed().toInt(&number);
    return number ? index : -1;
}

} // namespace

EonPage::EonPage(PageContext& context, QWidget* parent) : QWidget(parent), context_(context) {
    setObjectName(QStringLiteral("EonPage"));
    PageKit kit(this, context.data.path(), PageKit::kTabStripTwips);

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

    setOwnTrafficStates(
        [this] {
            return context_.status.statusText(kStatusTp) == context_.texts.text(kWordOn);
        },
        [this] {
            return context_.status.statusText(kStatusTa) != context_.texts.text(kWordOff);
        });

    connect(EON_PI_Text_, &QLineEdit::textChanged, this, &EonPage::EON_PI_Text_Change);
    connect(EON_PI_Taste_, &QPushButton::clicked, this, &EonPage::EON_PI_Taste_Click);
    connect(EON_PS_Text_, &QLineEdit::textChanged, this, &EonPage::EON_PS_Text_Change);
    connect(EON_PS_Taste_, &QPushButton::clicked, this, &EonPage::EON_PS_Taste_Click);
    connect(EON_PTY_Combo_, &QComboBox::editTextChanged, this, &EonPage::EON_PTY_Combo_Change);
    connect(EON_TP_Check_, &QCheckBox::clicked, this, &EonPage::EON_TP_Check_Click);
    connect(EON_TA_Schalter_, &PictureSwitch::clicked, this, &EonPage::EON_TA_Schalter_Click);
    connect(EON_TA_Zeit_, &QTimer::timeout, this, &EonPage::EON_TA_Zeit_Timer);
    connect(afb_.options, &QButtonGroup::idClicked, this, &EonPage::EON_AFB_Opt_Click);
    connect(afb_.edit, &QPushButton::clicked, this, &EonPage::EON_AF_Bearbeiten_Click);
    connect(afb_.send, &QPushButton::clicked, this, &EonPage::EON_AFB_Senden_Click);
}

QRadioButton* EonPage::EON_AFB_Opt(int index) const {
    return optionAt(afb_.options, index);
}

void EonPage::fillEonPtyList(const QStringList& names) {
    const QSignalBlocker quiet(EON_PTY_Combo_);
    EON_PTY_Combo_->clear();
    EON_PTY_Combo_->addItems(names);
    EON_PTY_Combo_->setCurrentIndex(-1);
}

void EonPage::chooseEonPty(int index) {
    if (index < 0 || index >= EON_PTY_Combo_->count())
        return;
    const QSignalBlocker quiet(EON_PTY_Combo_);
    EON_PTY_Combo_->setCurrentIndex(index);
}

void EonPage::setOwnTrafficStates(std::function<bool()> tpOn, std::function<bool()> taOn) {
    ownTpOn_ = std::move(tpOn);
    ownTaOn_ = std::move(taOn);
}

void EonPage::followOwnTraffic(const RdsPage& rds) {
    setOwnTrafficStates([&rds] { return rds.Check1()->isChecked(); },
                        [&rds] { return rds.trafficAnnouncementOn(); });
}

void EonPage::restore() {
    const QScopedValueRollback<bool> writingBack(restoring_, true);
    CurrentValues& current = context_.current;

    current.eonPi = readRdsKey(context_, QStringLiteral("EON_PI"));
    EON_PI_Text_->setText(current.eonPi);

    current.eonTa = kOff;
    EON_TA_Schalter_->showOn(false);
    EON_TA_Zeit_->stop();

    current.eonPs = readRdsKey(context_, QStringLiteral("EON_PS"));
    EON_PS_Text_->setText(current.eonPs);

    current.eonTp = kOn;
    if (!EON_TP_Check_->isChecked()) {
        EON_TP_Check_->setChecked(true);
        EON_TP_Check_Click();
    }

    restoreProgrammeType(readRdsKey(context_, QStringLiteral("EON_PTY")));
    current.eonDelete = readRdsKey(context_, QStringLiteral("EON_DEL"));

    afb_.restore(context_.data, kEonKind);
}

// The field takes the stored text, which runs its change handler once;
// it then shows the programme type of that number where there is one.
void EonPage::restoreProgrammeType(const QString& stored) {
    context_.current.eonPty = stored;
    EON_PTY_Combo_->setEditText(stored);
    chooseEonPty(programmeTypeIndex(stored));
}

void EonPage::EON_PI_Text_Change() {
    context_.current.eonPi = EON_PI_Text_->text();
    store(QStringLiteral("EON_PI"), context_.current.eonPi);
}

void EonPage::EON_PI_Taste_Click() {
    send(QStringLiteral("EON_PI"), context_.current.eonPi);
}

void EonPage::EON_PS_Text_Change() {
    context_.current.eonPs = EON_PS_Text_->text();
}

void EonPage::EON_PS_Taste_Click() {
    store(QStringLiteral("EON_PS"), context_.current.eonPs);
    send(QStringLiteral("EON_PS"), context_.current.eonPs);
}

void EonPage::EON_PTY_Combo_Change() {
    const QString text = EON_PTY_Combo_->currentText();
    store(QStringLiteral("EON_PTY"), text);
    context_.current.eonPty = text;
    send(QStringLiteral("EON_PTY"), text);
}

void EonPage::EON_TP_Check_Click() {
    const QString value = EON_TP_Check_->isChecked() ? kOn : kOff;
    context_.current.eonTp = value;
    store(QStringLiteral("EON_TP"), value);
    send(QStringLiteral("EON_TP"), value);
}

// A message box of this operation lets the timer tick; a tick meanwhile is
// passed over, so the messages do not pile up.
void EonPage::EON_TA_Schalter_Click() {
    if (switching_)
        return;
    const QScopedValueRollback<bool> running(switching_, true);
    CurrentValues& current = context_.current;
    switch (nextEonTaStep(ownTpOn_(), ownTaOn_(), current.eonTp, current.eonTa)) {
    case EonTaStep::RefuseOwnTp:
        warnTraffic(kOwnTpSetText);
        return;
    case EonTaStep::RefuseOwnTa:
        warnTraffic(kOwnTaClearText);
        return;
    case EonTaStep::StayOff:
        return;
    case EonTaStep::SwitchOn:
        EON_TA_Schalter_->showOn(true);
        current.eonTa = kOn;
        EON_TA_Zeit_->start();
        break;
    case EonTaStep::SwitchOff:
        current.eonTa = kOff;
        EON_TA_Schalter_->showOn(false);
        EON_TA_Zeit_->stop();
        break;
    }
    send(QStringLiteral("EON_TA"), current.eonTa);
    store(QStringLiteral("EON_TA"), current.eonTa);
}

void EonPage::EON_TA_Zeit_Timer() {
    EON_TA_Schalter_Click();
}

void EonPage::EON_AFB_Opt_Click(int index) {
    afb_.showStored(context_.data, kEonKind, index + 1);
}

void EonPage::EON_AF_Bearbeiten_Click() {
    context_.current.afEditorMode = kEonKind;
    AF_Listenform editor(context_, this);
    editorRun_(editor);
    EON_AFB_Opt_Click(0);
}

void EonPage::EON_AFB_Senden_Click() {
    sendStoredAfLists(context_, kEonKind);
}

void EonPage::send(const QString& key, QString value) {
    context_.instrument.send(key, value);
}

void EonPage::store(const QString& key, const QString& value) {
    writeRdsKey(context_, key, value, restoring_);
}

void EonPage::warnTraffic(int text) {
    context_.messages.warn(context_.texts.text(kTrafficTitle), context_.texts.text(text));
}

} // namespace zor
