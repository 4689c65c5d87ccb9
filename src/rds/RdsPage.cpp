#include "rds/RdsPage.h"

#include "panel/DisplayLabel.h"
#include "panel/Fonts.h"
#include "panel/LimitedTextEdit.h"
#include "panel/PageKit.h"
#include "panel/PictureSwitch.h"
#include "panel/Pictures.h"
#include "panel/StatusLine.h"
#include "panel/StereoPage.h"
#include "translate/Clock.h"
#include "rds/DataMode.h"
#include "rds/DynamicPs.h"
#include "rds/RdsTexts.h"
#include "translate/Instrument.h"
#include "rds/TrafficAnnouncements.h"
#include "settings/Captions.h"
#include "settings/IniFile.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QTimer>

namespace zor {

namespace {

constexpr int kPiLength = 4;
constexpr int kRadioTextLength = 63;
constexpr int kClockStartMs = 999;
constexpr int kClockTickMs = 20000;
constexpr int kLastDecoderOption = 15;

// Status strip fields.
constexpr int kMusicSpeechStatus = 1;
constexpr int kPiStatus = 2;
constexpr int kPsStatus = 3;
constexpr int kPtyStatus = 4;
constexpr int kTpStatus = 10;

// Caption texts.
constexpr int kMusicWord = 56;
constexpr int kSpeechWord = 57;
constexpr int kWordOn = 192;
constexpr int kWordOff = 193;

const QString kSection = QStringLiteral("RDS");
// What the RadioText clear button hands over: three blanks, which show as no
// text at all.
const QString kClearedRadioText = QStringLiteral("   ");

QLabel* headingLabel(PageKit& kit, QWidget* parent, const QString& name, TwipRect at,
                     const QString& caption, const Spoken& about) {
    QLabel* label = kit.label(parent, name, at, caption, about);
    label->setFont(designFont(FontFace::Sans, 9.75, true));
    return label;
}

// Caption text `number` as the language file holds it now, for the language
// stored in the general settings file; the loaded text table's entry where
// the file gives none.
QString languageFileText(const PageContext& context, int number) {
    const QString language = Ini_Lesen(QStringLiteral("Sprache"), QStringLiteral("Sprache"),
                                       context.data.file(QLatin1String(kGeneralFile)));
    const QString text = Ini_Lesen(language, QString::number(number),
                                   context.data.file(QLatin1String(kLanguageFile)));
    return text.isEmpty() ? context.texts.text(number) : text;
}

QString askInDialog(QWidget* parent, const QString& title, const QString& prompt,
                    const QString& proposal) {
    return QInputDialog::getText(parent, title, prompt, QLineEdit::Normal, proposal);
}

} // namespace

RdsPage::RdsPage(PageContext& context, QWidget* parent)
    : QWidget(parent), context_(context), settings_(context.data, context.messages),
      clock_(&systemClock()),
      question_([this](const QString& title, const QString& prompt, const QString& proposal) {
          return askInDialog(this, title, prompt, proposal);
      }) {
    setObjectName(QStringLiteral("RdsPage"));
    PageKit kit(this, context.data.path(), PageKit::kTabStripTwips);
    buildProgrammeData(kit);
    buildTrafficAnnouncement(kit);
    buildRadioText(kit);
    buildMusicSpeech(kit);
    buildClock(kit);
    buildDecoderInfo(kit);

    dynamicPs_ = std::make_unique<DynamicPs>(*this);
    traffic_ = std::make_unique<TrafficAnnouncements>(*this, settings_, *dynamicPs_);
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

void RdsPage::attachTestMode(StereoPage& stereo) {
    delete dataMode_;
    dataMode_ = new DataMode(context_, stereo.Taste_DATA_MODE(), stereo.TestDat_Opt(), this);
}

void RdsPage::setClock(const Clock& clock) {
    clock_ = &clock;
    traffic_->setClock(clock);
}

void RdsPage::setTextQuestion(InputDialog question) {
    question_ = std::move(question);
}

void RdsPage::restoreTrafficAnnouncements() {
    traffic_->restore();
}

void RdsPage::restoreContent() {
    const QString file = context_.data.file(QLatin1String(kDataSetFile));
    const auto stored = [&](const char* key) {
        return Ini_Lesen(kSection, QLatin1String(key), file);
    };

    const QString ps = stored("PS");
    context_.current.ps = ps;
    PS_T_->setText(ps);
    context_.status.showStatus(kPsStatus, ps);
    dynamicPs_->reset();

    const QString pi = stored("PI");
    context_.current.pi = pi;
    PI_T_->setText(pi);
    context_.status.showStatus(kPiStatus, pi);

    const QString radioText = stored("RTA");
    context_.current.radioText = radioText;
    RT_Text1_->setPlainText(radioText);
    context_.current.secondRadioText = stored("RTB");

    MS_opt_Click(musicSpeechOption(stored("MS")));

    const int decoderInfo = storedPosition(stored("DI"));
    if (decoderInfo >= 0 && decoderInfo <= kLastDecoderOption) {
        DI_Opt(decoderInfo)->setChecked(true);
        DI_Opt_Click(decoderInfo);
    }

    choosePty(storedPosition(stored("PTY")));
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
    context_.current.pi = PI_T_->text();
}

void RdsPage::Command3_Click() {
    const QString field = PI_T_->text();
    context_.status.showStatus(kPiStatus, field);
    store(QStringLiteral("PI"), field);
    context_.instrument.send(QStringLiteral("PI"), context_.current.pi);
}

void RdsPage::PS_Taste_Click() {
    const QString ps = psValue(PS_T_->text());
    context_.current.ps = ps;
    context_.status.showStatus(kPsStatus, ps);
    store(QStringLiteral("PS"), ps);
    context_.instrument.send(QStringLiteral("PS"), ps);
}

void RdsPage::PTY_Combo1_Click(int index) {
    const QString pty = zor::ptyValue(index);
    context_.status.showStatus(kPtyStatus, PTY_Combo1_->itemText(index));
    store(QStringLiteral("PTY"), pty);
    context_.instrument.send(QStringLiteral("PTY"), pty);
}

void RdsPage::Check1_Click() {
    const bool checked = Check1_->isChecked();
    context_.status.showStatus(kTpStatus, context_.texts.text(checked ? kWordOn : kWordOff));
    TA_Option(0)->setEnabled(true);
    TA_Option(1)->setEnabled(true);
    TA_Taste_->setEnabled(true);
    context_.instrument.send(QStringLiteral("TP"), switchValue(checked));
}

void RdsPage::MS_opt_Click(int index) {
    if (QRadioButton* option = MS_opt(index))
        option->setChecked(true);
    const QString letter = musicSpeechValue(index);
    context_.current.musicSpeech = letter;
    context_.status.showStatus(kMusicSpeechStatus,
                               context_.texts.text(index == 0 ? kMusicWord : kSpeechWord));
    store(QStringLiteral("MS"), letter);
    context_.instrument.send(QStringLiteral("MS"), letter);
}

void RdsPage::DI_Opt_Click(int index) {
    if (context_.instrument.isDemo())
        return;
    const QString decoderInfo = QString::number(index);
    store(QStringLiteral("DI"), decoderInfo);
    context_.instrument.send(QStringLiteral("DI"), decoderInfo);
}

void RdsPage::RT_Taste1_Click() {
    const QString radioText = radioTextValue(RT_Text1_->toPlainText());
    store(QStringLiteral("RTA"), radioText);
    context_.current.radioText = radioText;
    context_.instrument.send(QStringLiteral("RT"), radioText);
}

void RdsPage::RT_clear1_Click() {
    RT_Text1_->clear();
    context_.current.radioText = kClearedRadioText;
    context_.instrument.send(QStringLiteral("RT"), kClearedRadioText);
}

void RdsPage::Timer1_Timer() {
    if (!clockOn_)
        return;
    const QString time = clockText(clock_->localTime().time());
    Uhr_Zeit_->setText(time);
    context_.current.clock = time;
    context_.instrument.send(QStringLiteral("UHR"), time);
}

// Switching the clock off only stops the sending; the coder's clock is left
// as it is.
void RdsPage::Zeit_Taste_Click() {
    clockOn_ = !clockOn_;
    Zeit_Taste_->showOn(clockOn_);
    setTimerInterval(Timer1_, kClockTickMs);
    Uhr_Zeit_->setText(languageFileText(context_, kWordOff));
}

// The box shows the computer's time; the answer changes nothing, as the
// coder's clock follows the computer's clock alone.
void RdsPage::Uhr_Zeit_DblClick() {
    question_(QStringLiteral("Zeit eingabe"), QStringLiteral("Uhrzeit: "),
              clockText(clock_->localTime().time()));
}

void RdsPage::Taste_DATA_MODE_Click() {
    if (dataMode_)
        dataMode_->Taste_DATA_MODE_Click();
}

void RdsPage::store(const QString& key, const QString& value) {
    settings_.write(kDataSetFile, kSection, key, value);
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

void RdsPage::fillPtyList(const QStringList& names) {
    const QSignalBlocker quiet(PTY_Combo1_);
    PTY_Combo1_->clear();
    PTY_Combo1_->addItems(names);
    PTY_Combo1_->setCurrentIndex(-1);
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

void RdsPage::buildProgrammeData(PageKit& kit) {
    PI_Label_ = headingLabel(kit, this, QStringLiteral("PI_Label"), {240, 480, 1200, 300},
                             QStringLiteral("P I  : "),
                             {"Programmkennung PI", "programme identification PI"});
    PI_T_ = kit.textField(this, QStringLiteral("PI_T"), {1560, 480, 1455, 300},
                          {"PI-Eingabe", "PI entry"}, kPiLength);
    Command3_ = kit.button(this, QStringLiteral("Command3"), {3120, 480, 975, 300},
                           QStringLiteral("senden"), {"PI", "PI"});

    PS_Label_ =
        headingLabel(kit, this, QStringLiteral("PS_Label"), {240, 840, 1200, 300},
                     QStringLiteral("P S  :"), {"Programmname PS", "programme service name PS"});
    PS_T_ = kit.textField(this, QStringLiteral("PS_T"), {1560, 840, 1455, 300},
                          {"PS-Eingabe", "PS entry"});
    PS_Taste_ = kit.button(this, QStringLiteral("PS_Taste"), {3120, 840, 975, 300},
                           QStringLiteral("senden"), {"PS", "PS"});

    PS_A_Label_ = headingLabel(kit, this, QStringLiteral("PS_A_Label"), {240, 1320, 1215, 300},
                               QStringLiteral("dyn.PS:"), {"Dynamisches PS", "dynamic PS"});
    Taste_PS_Auto_ = kit.pictureSwitch(this, QStringLiteral("Taste_PS_Auto"), {1560, 1200},
                                       {"Dynamisches PS ein/aus", "dynamic PS on/off"});
    Taste_PS_Auto_->setToolTip(QStringLiteral("Verändert PS zyklisch"));
    PS_Timer_ = kit.timer(QStringLiteral("PS_Timer"), 2500, true);

    Label1_ = headingLabel(kit, this, QStringLiteral("Label1"), {240, 1800, 1200, 300},
                           QStringLiteral("P T Y  :"), {"Programmtyp PTY", "programme type PTY"});
    PTY_Combo1_ = kit.dropDown(this, QStringLiteral("PTY_Combo1"), {1560, 1800, 2055, 315},
                               {"Programmtyp", "programme type"});
}

void RdsPage::buildTrafficAnnouncement(PageKit& kit) {
    Frame1_ =
        kit.frame(this, QStringLiteral("Frame1"), {240, 2400, 3975, 2175},
                  QStringLiteral("TA Funktion"), {"Verkehrsdurchsage", "traffic announcement"});
    TA_Option_ = kit.optionGroup(QStringLiteral("TA_Option"));
    kit.option(TA_Option_, 0, Frame1_, {240, 300, 1700, 255}, QStringLiteral("&Manual"),
               {"TA-Betrieb", "TA mode"})
        ->setToolTip(QStringLiteral("TA einzeln"));
    kit.option(TA_Option_, 1, Frame1_, {240, 600, 1700, 255}, QStringLiteral("&Automatisch"),
               {"TA-Betrieb", "TA mode"})
        ->setToolTip(QStringLiteral("TA wiederkehrend"));

    TA_Taste_ = kit.pictureSwitch(Frame1_, QStringLiteral("TA_Taste"), {2040, 240},
                                  {"TA ein/aus", "TA on/off"});
    TA_Taste_->setToolTip(QStringLiteral("TA on/off"));
    TA_EON_Hilfe_ = kit.button(Frame1_, QStringLiteral("TA_EON_Hilfe"), {3120, 240, 615, 495},
                               QStringLiteral("EON ?"), {"Hilfe zu EON TA", "EON TA help"});

    TA_HScroll_ = kit.stepControl(Frame1_, QStringLiteral("TA_HScroll"), {960, 1200, 1215, 230}, 0,
                                  300, 1, {"TA-Dauer", "TA duration"});
    TA_Zeit_Label_ = kit.display(Frame1_, QStringLiteral("TA_Zeit_Label"), {2280, 1200, 1635, 230},
                                 {"TA-Dauer-Anzeige", "TA duration display"});
    TA_Rep_HScroll_ =
        kit.stepControl(Frame1_, QStringLiteral("TA_Rep_HScroll"), {960, 1485, 1215, 230}, 0, 60, 1,
                        {"TA-Wiederholung", "TA repetition"});
    TA_Rep_Label_ = kit.display(Frame1_, QStringLiteral("TA_Rep_Label"), {2280, 1485, 1635, 230},
                                {"TA-Wiederholung-Anzeige", "TA repetition display"});

    Check1_ = kit.checkBox(Frame1_, QStringLiteral("Check1"), {240, 1440, 735, 300},
                           QStringLiteral("TP"), {"Verkehrsfunk", "traffic programme"});
    Check1_->setFont(designFont(FontFace::Sans, 12));
    Check1_->setToolTip(QStringLiteral("TP on/off"));

    TA_Timer_ = kit.timer(QStringLiteral("TA_Timer"), 333, true);
    TA_Rep_Timer_ = kit.timer(QStringLiteral("TA_Rep_Timer"), 500, true);
}

void RdsPage::buildRadioText(PageKit& kit) {
    RT_Frame_ = kit.frame(this, QStringLiteral("RT_Frame"), {4200, 480, 4215, 1935},
                          QStringLiteral("Radiotext"), {"Radiotext", "RadioText"});
    RT_Text1_ = kit.multiLineText(RT_Frame_, QStringLiteral("RT_Text1"), {240, 240, 3735, 1095},
                                  kRadioTextLength, {"Radiotext-Eingabe", "RadioText entry"});
    RT_Text1_->setFont(designFont(FontFace::Sans, 12));
    RT_clear1_ = kit.button(RT_Frame_, QStringLiteral("RT_clear1"), {240, 1440, 1215, 375},
                            QStringLiteral("RT1 l&öschen"), {"Radiotext", "RadioText"});
    RT_Taste1_ = kit.button(RT_Frame_, QStringLiteral("RT_Taste1"), {2760, 1440, 1215, 375},
                            QStringLiteral("senden"), {"Radiotext", "RadioText"});
}

void RdsPage::buildMusicSpeech(PageKit& kit) {
    // Ends where the clock frame begins.
    MS_Frame_ = kit.frame(this, QStringLiteral("MS_Frame"), {4200, 2400, 1335, 840},
                          QStringLiteral("MS-Schalter"), {"Musik/Sprache", "music/speech"});
    MS_opt_ = kit.optionGroup(QStringLiteral("MS_opt"));
    kit.option(MS_opt_, 0, MS_Frame_, {120, 270, 1150, 240}, QStringLiteral("Musik"),
               {"Musik/Sprache", "music/speech"});
    kit.option(MS_opt_, 1, MS_Frame_, {120, 540, 1150, 240}, QStringLiteral("Spra&che"),
               {"Musik/Sprache", "music/speech"});
}

void RdsPage::buildClock(PageKit& kit) {
    Time_Frame_ = kit.frame(this, QStringLiteral("Time_Frame"), {4200, 3240, 1335, 1335},
                            QStringLiteral("CT"), {"Uhrzeit CT", "clock time CT"});
    Zeit_Taste_ = kit.pictureSwitch(Time_Frame_, QStringLiteral("Zeit_Taste"), {120, 240},
                                    {"Uhrzeit senden ein/aus", "send clock time on/off"});
    Image1_ = kit.picture(Time_Frame_, QStringLiteral("Image1"), {840, 270, 420, 420},
                          QLatin1String(kClockPicture), {"Uhr-Symbol", "clock symbol"});
    Uhr_Zeit_ = kit.display(Time_Frame_, QStringLiteral("Uhr_Zeit"), {60, 880, 1215, 375},
                            {"Uhrzeit", "clock"}, true);
    Uhr_Zeit_->setFont(designFont(FontFace::Sans, 11.25));
    Uhr_Zeit_->setAction(DisplayLabel::Action::DoubleClick);
    Timer1_ = kit.timer(QStringLiteral("Timer1"), kClockStartMs, true);
}

void RdsPage::buildDecoderInfo(PageKit& kit) {
    DI_Frame_ =
        kit.frame(this, QStringLiteral("DI_Frame"), {5520, 2400, 2895, 2175},
                  QStringLiteral("Decoder Info"), {"Decoder-Information", "decoder information"});
    DI_Opt_ = kit.optionGroup(QStringLiteral("DI_Opt"));
    const QStringList named{QStringLiteral("Mono"),
                            QStringLiteral("Stereo"),
                            QStringLiteral("NN"),
                            QStringLiteral("St Kunstkopf"),
                            QStringLiteral("Mono compr."),
                            QStringLiteral("Stereo compr."),
                            QStringLiteral("Stereo comp. Kunstkopf"),
                            QStringLiteral("Stereo comp. Kunstkopf")};
    const QFont narrow = designFont(FontFace::Narrow, 8.25);
    // The named options fill the wide left column, the numbered ones the
    // narrow right column.
    for (int i = 0; i < 16; ++i) {
        const int row = i % 8;
        const bool left = i < 8;
        const TwipRect at{left ? 120 : 2295, 250 + row * 235, left ? 2160 : 585, 225};
        QRadioButton* option =
            kit.option(DI_Opt_, i, DI_Frame_, at, left ? named[i] : QString::number(i),
                       {"Decoder-Information", "decoder information"});
        if (left)
            option->setFont(narrow);
    }
}

} // namespace zor
