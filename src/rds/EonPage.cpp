#include "rds/EonPage.h"

#include "panel/Fonts.h"
#include "panel/PageKit.h"
#include "panel/PictureSwitch.h"
#include "panel/StatusLine.h"
#include "rds/AfLists.h"
#include "rds/EonTaPulse.h"
#include "rds/RdsPage.h"
#include "rds/RdsTexts.h"
#include "settings/Captions.h"
#include "settings/OperatorMessages.h"
#include "settings/SettingsStore.h"
#include "translate/Instrument.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QSignalBlocker>
#include <QTimer>

namespace zor {

namespace {

// Where the other network's settings are kept: section "RDS" of the data set
// file.
constexpr auto kSection = "RDS";

const CaptionKey kCaptions[] = {
    captionOfOne("EON_PI_Taste", 86),
    captionOfOne("EON_PS_Taste", 86),
    captionOfOne("EON_AFB_Senden", 86),
    captionOfOne("Frame3", 87),
    numberedCaptions("EON_AFB_Opt", 88, kAfListCount, 1),
    captionOfOne("EON_AF_Bearbeiten", 89),
};

const QString kEonKind = QString::fromLatin1(kEonAfLists);
const QString kOn = QStringLiteral("1");
const QString kOff = QStringLiteral("0");

} // namespace

EonPage::EonPage(PageContext& context, QWidget* parent)
    : TabPage(context, QStringLiteral("EonPage"), parent) {
    PageKit kit(this, context.data.path(), PageKit::kTabStripTwips);
    build(kit);

    setOwnTrafficStates(
        [this] {
            return this->context().status.statusText(StatusField::Tp) ==
                   this->context().texts.text(Text::WordOn);
        },
        [this] {
            return this->context().status.statusText(StatusField::Ta) !=
                   this->context().texts.text(Text::WordOff);
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

std::span<const CaptionKey> EonPage::captionTable() const {
    return kCaptions;
}

QRadioButton* EonPage::EON_AFB_Opt(int index) const {
    return optionAt(afb_.options, index);
}

void EonPage::showProgrammeTypes(const QStringList& names) {
    {
        const QSignalBlocker quiet(EON_PTY_Combo_);
        EON_PTY_Combo_->clear();
        EON_PTY_Combo_->addItems(names);
        EON_PTY_Combo_->setCurrentIndex(-1);
    }
    fitEntriesIntoField(EON_PTY_Combo_);
    chooseEonPty(storedPosition(stored(QStringLiteral("EON_PTY"))));
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

void EonPage::disconnected() {
    EON_TA_Zeit_->stop();
}

void EonPage::restoreSettings() {
    CurrentValues& current = context().current;

    current.eonPi = stored(QStringLiteral("EON_PI"));
    EON_PI_Text_->setText(current.eonPi);

    current.eonTa = kOff;
    EON_TA_Schalter_->showOn(false);
    EON_TA_Zeit_->stop();

    current.eonPs = stored(QStringLiteral("EON_PS"));
    EON_PS_Text_->setText(current.eonPs);

    current.eonTp = kOn;
    if (!EON_TP_Check_->isChecked()) {
        EON_TP_Check_->setChecked(true);
        EON_TP_Check_Click();
    }

    restoreProgrammeType(stored(QStringLiteral("EON_PTY")));
    current.eonDelete = stored(QStringLiteral("EON_DEL"));

    afb_.restore(context().data, kEonKind);
}

// The field takes the stored text, which runs its change handler once;
// it then shows the programme type of that number where there is one.
void EonPage::restoreProgrammeType(const QString& text) {
    context().current.eonPty = text;
    EON_PTY_Combo_->setEditText(text);
    chooseEonPty(storedPosition(text));
}

void EonPage::EON_PI_Text_Change() {
    context().current.eonPi = EON_PI_Text_->text();
    store(QStringLiteral("EON_PI"), context().current.eonPi);
}

void EonPage::EON_PI_Taste_Click() {
    send(QStringLiteral("EON_PI"), context().current.eonPi);
}

void EonPage::EON_PS_Text_Change() {
    context().current.eonPs = EON_PS_Text_->text();
}

void EonPage::EON_PS_Taste_Click() {
    store(QStringLiteral("EON_PS"), context().current.eonPs);
    send(QStringLiteral("EON_PS"), context().current.eonPs);
}

void EonPage::EON_PTY_Combo_Change() {
    const QString text = EON_PTY_Combo_->currentText();
    store(QStringLiteral("EON_PTY"), text);
    context().current.eonPty = text;
    send(QStringLiteral("EON_PTY"), text);
}

void EonPage::EON_TP_Check_Click() {
    const QString value = EON_TP_Check_->isChecked() ? kOn : kOff;
    context().current.eonTp = value;
    store(QStringLiteral("EON_TP"), value);
    send(QStringLiteral("EON_TP"), value);
}

// A message box of this operation lets the timer tick; a tick meanwhile is
// passed over, so the messages do not pile up.
void EonPage::EON_TA_Schalter_Click() {
    if (switching_)
        return;
    const QScopedValueRollback<bool> running(switching_, true);
    CurrentValues& current = context().current;
    switch (nextEonTaStep(ownTpOn_(), ownTaOn_(), current.eonTp, current.eonTa)) {
    case EonTaStep::RefuseOwnTp:
        warnTraffic(Text::EonTaNeedsOwnTpOff);
        return;
    case EonTaStep::RefuseOwnTa:
        warnTraffic(Text::EonTaNeedsOwnTa);
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
    afb_.showStored(context().data, kEonKind, index + 1);
}

void EonPage::EON_AF_Bearbeiten_Click() {
    context().current.afEditorMode = kEonKind;
    AF_Listenform editor(context(), this);
    editorRun_(editor);
    EON_AFB_Opt_Click(0);
}

void EonPage::EON_AFB_Senden_Click() {
    sendStoredAfLists(context(), kEonKind);
}

void EonPage::send(const QString& key, QString value) {
    context().instrument.send(key, value);
}

QString EonPage::stored(const QString& key) const {
    return context().settings.read(kDataSetFile, kSection, key);
}

void EonPage::store(const QString& key, const QString& value) {
    context().settings.write(kDataSetFile, kSection, key, value);
}

void EonPage::warnTraffic(Text text) {
    context().messages.warn(context().texts.text(Text::EonTaTitle), context().texts.text(text));
}

} // namespace zor
