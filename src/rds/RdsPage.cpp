#include "rds/RdsPage.h"

#include "panel/CaptionText.h"
#include "panel/ControlText.h"
#include "panel/DisplayLabel.h"
#include "panel/Fonts.h"
#include "panel/LanguageTexts.h"
#include "panel/LimitedTextEdit.h"
#include "panel/PageKit.h"
#include "panel/PictureSwitch.h"
#include "rds/DynamicPs.h"
#include "rds/RdsTexts.h"
#include "rds/TrafficAnnouncements.h"
#include "settings/Captions.h"
#include "settings/SettingsStore.h"
#include "translate/Clock.h"
#include "translate/Instrument.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QInputDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QTimer>

namespace zor {

namespace {

constexpr int kClockTickMs = 20000;
constexpr int kLastDecoderOption = 15;

// Where the page keeps its programme data: section "RDS" of the data set
// file.
constexpr auto kSection = "RDS";
constexpr auto kPsKey = "PS";
constexpr auto kPiKey = "PI";
constexpr auto kRadioTextKey = "RTA";
constexpr auto kSecondRadioTextKey = "RTB";
constexpr auto kMusicSpeechKey = "MS";
constexpr auto kDecoderInfoKey = "DI";
constexpr auto kProgrammeTypeKey = "PTY";

const CaptionKey kCaptions[] = {
    captionOfOne("Command3", 53),   captionOfOne("PS_Taste", 53),     captionOfOne("RT_Taste1", 53),
    captionOfOne("Frame1", 47),     captionOfOne("TA_Option(1)", 48), captionOfOne("RT_Frame", 49),
    captionOfOne("RT_clear1", 52),  captionOfOne("MS_Frame", 55),     captionOfOne("MS_opt(0)", 56),
    captionOfOne("MS_opt(1)", 57),  captionsInTurn("DI_Opt", 59, 8),  captionOfOne("Uhr_Zeit", 193),
    captionOfOne("Time_Frame", 54),
};

// What the RadioText clear button hands over: three blanks, which show as no
// text at all.
const QString kClearedRadioText = QStringLiteral("   ");

QString askInDialog(QWidget* parent, const QString& title, const QString& prompt,
                    const QString& proposal) {
    return QInputDialog::getText(parent, title, prompt, QLineEdit::Normal, proposal);
}

} // namespace

RdsPage::RdsPage(PageContext& context, QWidget* parent)
    : TabPage(context, QStringLiteral("RdsPage"), parent), clock_(&systemClock()),
      question_([this](const QString& title, const QString& prompt, const QString& proposal) {
          return askInDialog(this, title, prompt, proposal);
      }) {
    PageKit kit(this, context.data.path(), PageKit::kTabStripTwips);
    buildProgrammeData(kit);
    buildTrafficAnnouncement(kit);
    buildRadioText(kit);
    buildMusicSpeech(kit);
    buildClock(kit);
    buildDecoderInfo(kit);

    dynamicPs_ = std::make_unique<DynamicPs>(*this);
    traffic_ = std::make_unique<TrafficAnnouncements>(*this, *dynamicPs_);
    connectHandlers();
}

RdsPage::~RdsPage() = default;

void RdsPage::connectHandlers() {
    connect(PTY_Combo1_, &QComboBox::activated, this, &RdsPage::ptyPicked);
    connect(this, &RdsPage::ptyPicked, this, &RdsPage::PTY_Combo1_Click);
    connect(PI_T_, &QLineEdit::textChanged, this, &RdsPage::PI_T_Change);
    connect(Command3_, &QAbstractButton::clicked, this, &RdsPage::Command3_Click);
    connect(PS_Taste_, &QAbstractButton::clicked, this, &RdsPage::PS_Taste_Click);
    connect(Check1_, &QAbstractButton::clicked, this, &RdsPage::Check1_Click);
    connect(MS_opt_, &QButtonGroup::idClicked, this, &RdsPage::MS_opt_Click);
    connect(DI_Opt_, &QButtonGroup::idClicked, this, &RdsPage::DI_Opt_Click);
    connect(RT_Taste1_, &QAbstractButton::clicked, this, &RdsPage::RT_Taste1_Click);
    connect(RT_clear1_, &QAbstractButton::clicked, this, &RdsPage::RT_clear1_Click);
    connect(Timer1_, &QTimer::timeout, this, &RdsPage::Timer1_Timer);
    connect(Zeit_Taste_, &QAbstractButton::clicked, this, &RdsPage::Zeit_Taste_Click);
    connect(Uhr_Zeit_, &DisplayLabel::doubleClicked, this, &RdsPage::Uhr_Zeit_DblClick);
}

bool RdsPage::trafficAnnouncementOn() const {
    return traffic_->on();
}

void RdsPage::setTrafficAnnouncementOn(bool on) {
    traffic_->setOn(on);
}

std::span<const CaptionKey> RdsPage::captionTable() const {
    return kCaptions;
}

// The M/S field names the stored choice, spelled exactly "M" for music, by
// the option's caption in the language just loaded.
void RdsPage::showLanguage(const LanguageTexts& texts) {
    const bool music = stored(kMusicSpeechKey) == QLatin1String("M");
    context().status.showStatus(StatusField::MusicSpeech, captionOf(music ? MS_opt(0) : MS_opt(1)));
    TA_Zeit_Label_->setText(
        secondsLabel(context().texts.text(Text::DurationWord), TA_HScroll_->value()));
    TA_Rep_Label_->setText(
        secondsLabel(context().texts.text(Text::IntervalWord), TA_Rep_HScroll_->value()));
    showStatusWord(StatusField::Ta, traffic_->on(), texts);
    showStatusWord(StatusField::Tp, Check1_->isChecked(), texts);
}

// Without the word the field shows the text it was built with.
void RdsPage::showStatusWord(StatusField field, bool on, const LanguageTexts& texts) {
    const QString word = texts.text(textNumber(on ? Text::WordOn : Text::WordOff));
    if (word.isEmpty())
        context().status.showBuiltInText(field);
    else
        context().status.showStatus(field, word);
}

void RdsPage::showProgrammeTypes(const QStringList& names) {
    {
        const QSignalBlocker quiet(PTY_Combo1_);
        PTY_Combo1_->clear();
        PTY_Combo1_->addItems(names);
        PTY_Combo1_->setCurrentIndex(-1);
    }
    fitEntriesIntoField(PTY_Combo1_);
    const int pty = storedNumber(stored(kProgrammeTypeKey));
    if (pty < 0 || pty >= PTY_Combo1_->count())
        return;
    choosePty(pty);
    context().status.showStatus(StatusField::Pty, PTY_Combo1_->itemText(pty));
}

void RdsPage::setClock(const Clock& clock) {
    clock_ = &clock;
    traffic_->setClock(clock);
}

void RdsPage::setTextQuestion(InputDialog question) {
    question_ = std::move(question);
}

void RdsPage::restoreSettings() {
    traffic_->restore();
    Frame1_->setEnabled(true);
    restoreContent();
}

void RdsPage::restoreContent() {
    CurrentValues& current = context().current;
    const QString ps = stored(kPsKey);
    current.ps = ps;
    PS_T_->setText(ps);
    context().status.showStatus(StatusField::Ps, ps);
    dynamicPs_->reset();

    const QString pi = stored(kPiKey);
    current.pi = pi;
    PI_T_->setText(pi);
    context().status.showStatus(StatusField::Pi, pi);

    const QString radioText = stored(kRadioTextKey);
    current.radioText = radioText;
    RT_Text1_->showText(radioText);
    current.secondRadioText = stored(kSecondRadioTextKey);

    MS_opt_Click(musicSpeechOption(stored(kMusicSpeechKey)));

    const int decoderInfo = storedNumber(stored(kDecoderInfoKey));
    if (decoderInfo >= 0 && decoderInfo <= kLastDecoderOption) {
        DI_Opt(decoderInfo)->setChecked(true);
        DI_Opt_Click(decoderInfo);
    }

    choosePty(storedNumber(stored(kProgrammeTypeKey)));
}

void RdsPage::switchTpOn() {
    Check1_->setChecked(true);
    Check1_Click();
}

void RdsPage::switchTaOff() {
    traffic_->setOn(true);
    traffic_->TA_Taste_Click();
}

QString RdsPage::ptyValue() const {
    return zor::ptyValue(PTY_Combo1_->currentIndex());
}

void RdsPage::stopDynamicPs() {
    dynamicPs_->stop();
}

void RdsPage::PI_T_Change() {
    context().current.pi = PI_T_->text();
}

void RdsPage::Command3_Click() {
    const QString field = PI_T_->text();
    context().status.showStatus(StatusField::Pi, field);
    store(kPiKey, field);
    context().instrument.send(QStringLiteral("PI"), context().current.pi);
}

void RdsPage::PS_Taste_Click() {
    const QString ps = psValue(PS_T_->text());
    context().current.ps = ps;
    context().status.showStatus(StatusField::Ps, ps);
    store(kPsKey, ps);
    context().instrument.send(QStringLiteral("PS"), ps);
}

void RdsPage::PTY_Combo1_Click(int index) {
    const QString pty = zor::ptyValue(index);
    context().status.showStatus(StatusField::Pty, PTY_Combo1_->itemText(index));
    store(kProgrammeTypeKey, pty);
    context().instrument.send(QStringLiteral("PTY"), pty);
}

void RdsPage::Check1_Click() {
    const bool checked = Check1_->isChecked();
    context().status.showStatus(StatusField::Tp,
                                context().texts.text(checked ? Text::WordOn : Text::WordOff));
    TA_Option(0)->setEnabled(true);
    TA_Option(1)->setEnabled(true);
    TA_Taste_->setEnabled(true);
    context().instrument.send(QStringLiteral("TP"), switchValue(checked));
}

void RdsPage::MS_opt_Click(int index) {
    if (QRadioButton* option = MS_opt(index))
        option->setChecked(true);
    const QString letter = musicSpeechValue(index);
    context().current.musicSpeech = letter;
    context().status.showStatus(
        StatusField::MusicSpeech,
        context().texts.text(index == 0 ? Text::MusicWord : Text::SpeechWord));
    store(kMusicSpeechKey, letter);
    context().instrument.send(QStringLiteral("MS"), letter);
}

void RdsPage::DI_Opt_Click(int index) {
    if (context().instrument.isDemo())
        return;
    const QString decoderInfo = QString::number(index);
    store(kDecoderInfoKey, decoderInfo);
    context().instrument.send(QStringLiteral("DI"), decoderInfo);
}

void RdsPage::RT_Taste1_Click() {
    const QString radioText = radioTextValue(RT_Text1_->toPlainText());
    store(kRadioTextKey, radioText);
    context().current.radioText = radioText;
    context().instrument.send(QStringLiteral("RT"), radioText);
}

void RdsPage::RT_clear1_Click() {
    RT_Text1_->clear();
    context().current.radioText = kClearedRadioText;
    context().instrument.send(QStringLiteral("RT"), kClearedRadioText);
}

void RdsPage::Timer1_Timer() {
    if (!clockOn_)
        return;
    const QString time = clockText(clock_->localTime().time());
    Uhr_Zeit_->setText(time);
    context().current.clock = time;
    context().instrument.send(QStringLiteral("UHR"), time);
}

// Switching the clock off only stops the sending; the coder's clock is left
// as it is.
void RdsPage::Zeit_Taste_Click() {
    clockOn_ = !clockOn_;
    Zeit_Taste_->showOn(clockOn_);
    setTimerInterval(Timer1_, kClockTickMs);
    Uhr_Zeit_->setText(currentCaption(context(), Text::WordOff));
}

// The box shows the computer's time; the answer changes nothing, as the
// coder's clock follows the computer's clock alone.
void RdsPage::Uhr_Zeit_DblClick() {
    question_(QStringLiteral("Zeit eingabe"), QStringLiteral("Uhrzeit: "),
              clockText(clock_->localTime().time()));
}

QString RdsPage::stored(const char* key) const {
    return context().settings.read(kDataSetFile, kSection, key);
}

void RdsPage::store(const char* key, const QString& value) {
    context().settings.write(kDataSetFile, kSection, key, value);
}

QRadioButton* RdsPage::TA_Option(int index) const {
    return optionAt(TA_Option_, index);
}
QRadioButton* RdsPage::MS_opt(int index) const {
    return optionAt(MS_opt_, index);
}
QRadioButton* RdsPage::DI_Opt(int index) const {
    return optionAt(DI_Opt_, index);
}

void RdsPage::choosePty(int index) {
    if (index < 0 || index >= PTY_Combo1_->count())
        return;
    {
        const QSignalBlocker quiet(PTY_Combo1_);
        PTY_Combo1_->setCurrentIndex(index);
    }
    emit ptyPicked(index);
}

} // namespace zor
