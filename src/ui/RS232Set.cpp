#include "ui/RS232Set.h"

#include "panel/Fonts.h"
#include "panel/PageKit.h"
#include "settings/MessageLanguage.h"
#include "settings/NumberText.h"
#include "settings/OperatorMessages.h"
#include "settings/SerialSettings.h"
#include "translate/Instrument.h"

#include <QApplication>
#include <QButtonGroup>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <functional>

namespace zor {

namespace {

constexpr int kClientWidth = 5805;
constexpr int kClientHeight = 4995;
constexpr int kOptionHeight = 255;
constexpr int kPorts = 4;
const QString kTitle = QStringLiteral("Kommunikationsparameter");
const QColor kDialogGrey(192, 192, 192);
const QColor kDisabledText(112, 112, 112);

// An option text that is a whole number, compared as the dialog compares its
// captions with the stored values.
bool numberIs(const QString& text, int number) {
    return leadingNumber(text) == number;
}

} // namespace

bool echoIsOn(const QString& echo) {
    return echo.trimmed().compare(QLatin1String("true"), Qt::CaseInsensitive) == 0 ||
           leadingNumber(echo) != 0;
}

QString unusablePortText(int number) {
    return QStringLiteral("Der von Ihnen gewählte ComPort : ") + QString::number(number) +
           QStringLiteral(" läßt sich nicht ansprechen.") + QLatin1Char('\r') +
           QStringLiteral("Entweder ist dieser Com Port belegt oder nicht vorhanden.") +
           QStringLiteral("\r\r") + QStringLiteral("Bitte benutzen Sie einen anderen Com Port !");
}

RS232Set::RS232Set(Instrument& instrument, OperatorMessages& messages, QWidget* parent)
    : QDialog(parent), instrument_(instrument), settings_(instrument.serialSettings()), messages_(messages) {
    setObjectName(QStringLiteral("RS232Set"));
    setWindowTitle(QStringLiteral("Communication Parameter"));
    setModal(true);
    setFont(designFont(FontFace::Sans, 8.25, true));
    QPalette grey = palette();
    grey.setColor(QPalette::Window, kDialogGrey);
    grey.setColor(QPalette::Button, kDialogGrey);
    // A disabled option (echo on) must stay readable on the grey ground.
    for (const QPalette::ColorRole role :
         {QPalette::WindowText, QPalette::ButtonText, QPalette::Text})
        grey.setColor(QPalette::Disabled, role, kDisabledText);
    grey.setColor(QPalette::Disabled, QPalette::Light, kDialogGrey);
    setPalette(grey);
    setFixedSize(twipsToPixels(kClientWidth, kClientHeight));

    buildBaudRates();
    buildDemo();
    buildDataAndStopBits();
    buildEcho();
    buildParity();
    buildComPorts();
    buildHandshake();
    buildButtons();
    load();
}

QGroupBox* RS232Set::frame(const QString& name) const {
    return findChild<QGroupBox*>(name);
}

QRadioButton* RS232Set::ComPort(int number) const {
    return number >= 1 && number <= kPorts ? ComPorts_[number - 1] : nullptr;
}

namespace {

// One option of the dialog: named as the dialog's handlers name it, and
// changing one current setting when the operator clicks it.
QRadioButton* option(PageKit& kit, QButtonGroup* group, int index, QWidget* frame,
                     const QString& name, TwipRect at, const QString& caption, const Spoken& about,
                     std::function<void()> clicked) {
    QRadioButton* button = kit.option(group, index, frame, at, caption, about);
    if (!name.isEmpty())
        button->setObjectName(name);
    QObject::connect(button, &QRadioButton::clicked, button, std::move(clicked));
    return button;
}

} // namespace

void RS232Set::buildBaudRates() {
    PageKit kit(this, QString());
    QGroupBox* rates = kit.frame(this, QStringLiteral("Frame_Baud"), {240, 240, 3375, 975},
                                 QStringLiteral(" Baud Rate "), {"Baudrate", "baud rate"});
    QButtonGroup* group = kit.optionGroup(QStringLiteral("Baud"));
    const std::pair<QRadioButton**, int> baud[] = {{&Baud3_, 300},   {&Baud6_, 600},
                                                   {&Baud12_, 1200}, {&Baud24_, 2400},
                                                   {&Baud48_, 4800}, {&Baud96_, 9600}};
    for (int i = 0; i < 6; ++i) {
        const QString rate = QString::number(baud[i].second);
        *baud[i].first =
            option(kit, group, i, rates, QStringLiteral("Baud") + rate.chopped(2),
                   {120 + (i % 3) * 1080, 270 + (i / 3) * 330, 1020, kOptionHeight}, rate,
                   {"Baudrate", "baud rate"}, [this, rate] { settings_.baud = rate; });
    }
}

void RS232Set::buildDemo() {
    PageKit kit(this, QString());
    QGroupBox* demo = kit.frame(this, QStringLiteral("Frame_Demo"), {3960, 240, 1575, 975},
                                QStringLiteral("Demo"), {"Demo", "demo"});
    QButtonGroup* group = kit.optionGroup(QStringLiteral("Option_Demo"));
    Option_Demo_ja_ = option(kit, group, 0, demo, QStringLiteral("Option_Demo_ja"),
                             {120, 270, 1335, kOptionHeight}, QStringLiteral("yes"),
                             {"Demo", "demo"}, [this] { chooseDemo(QStringLiteral("demo")); });
    Option_Demo_Nein_ = option(kit, group, 1, demo, QStringLiteral("Option_Demo_Nein"),
                               {120, 600, 1335, kOptionHeight}, QStringLiteral("no"),
                               {"Demo", "demo"}, [this] { chooseDemo(QStringLiteral("nodemo")); });
}

void RS232Set::buildDataAndStopBits() {
    PageKit kit(this, QString());
    QGroupBox* data = kit.frame(this, QStringLiteral("Frame_Datenbits"), {240, 1440, 1695, 735},
                                QStringLiteral(" Daten Bits "), {"Datenbits", "data bits"});
    QButtonGroup* dataGroup = kit.optionGroup(QStringLiteral("Data"));
    Data7_ = option(kit, dataGroup, 0, data, QStringLiteral("Data7"),
                    {120, 330, 660, kOptionHeight}, QStringLiteral("7"), {"Datenbits", "data bits"},
                    [this] { settings_.dataBits = QStringLiteral("7"); });
    Data8_ = option(kit, dataGroup, 1, data, QStringLiteral("Data8"),
                    {900, 330, 660, kOptionHeight}, QStringLiteral("8"), {"Datenbits", "data bits"},
                    [this] { settings_.dataBits = QStringLiteral("8"); });

    QGroupBox* stop = kit.frame(this, QStringLiteral("Frame_Stoppbits"), {2160, 1440, 1455, 735},
                                QStringLiteral(" Stop Bits "), {"Stoppbits", "stop bits"});
    QButtonGroup* stopGroup = kit.optionGroup(QStringLiteral("Stop"));
    Stop1_ = option(kit, stopGroup, 0, stop, QStringLiteral("Stop1"),
                    {120, 330, 600, kOptionHeight}, QStringLiteral("1"), {"Stoppbits", "stop bits"},
                    [this] { settings_.stopBits = QStringLiteral("1"); });
    Stop2_ = option(kit, stopGroup, 1, stop, QStringLiteral("Stop2"),
                    {780, 330, 600, kOptionHeight}, QStringLiteral("2"), {"Stoppbits", "stop bits"},
                    [this] { settings_.stopBits = QStringLiteral("2"); });
}

// Echo on is shown when stored but cannot be chosen: the line never echoes.
void RS232Set::buildEcho() {
    PageKit kit(this, QString());
    QGroupBox* echo = kit.frame(this, QStringLiteral("Frame_Echo"), {3960, 1440, 1575, 735},
                                QStringLiteral(" Echo "), {"Echo", "echo"});
    QButtonGroup* group = kit.optionGroup(QStringLiteral("Echo"));
    EchoOn_ = option(kit, group, 0, echo, QStringLiteral("EchoOn"), {120, 330, 660, kOptionHeight},
                     QStringLiteral("On"), {"Echo", "echo"},
                     [this] { settings_.echo = QStringLiteral("True"); });
    EchoOff_ = option(kit, group, 1, echo, QStringLiteral("EchoOff"),
                      {840, 330, 660, kOptionHeight}, QStringLiteral("Off"), {"Echo", "echo"},
                      [this] { settings_.echo = QStringLiteral("0"); });
}

void RS232Set::buildParity() {
    PageKit kit(this, QString());
    QGroupBox* parity = kit.frame(this, QStringLiteral("Frame_Paritaet"), {240, 2280, 1695, 1815},
                                  QStringLiteral(" Parität "), {"Parität", "parity"});
    QButtonGroup* group = kit.optionGroup(QStringLiteral("Parity"));
    const auto choose = [this](const char* letter) {
        return [this, letter] { settings_.parity = QLatin1String(letter); };
    };
    NoParity_ =
        option(kit, group, 0, parity, QStringLiteral("NoParity"), {120, 300, 1455, kOptionHeight},
               QStringLiteral("None"), {"Parität", "parity"}, choose("N"));
    OddParity_ =
        option(kit, group, 1, parity, QStringLiteral("OddParity"), {120, 630, 1455, kOptionHeight},
               QStringLiteral("odd"), {"Parität", "parity"}, choose("O"));
    EvenParity_ =
        option(kit, group, 2, parity, QStringLiteral("EvenParity"), {120, 960, 1455, kOptionHeight},
               QStringLiteral("even"), {"Parität", "parity"}, choose("E"));
}

// Below the four ports the frame names the device the chosen one stands for
// on this computer, so the operator sees which line "Com1" means here.
void RS232Set::buildComPorts() {
    PageKit kit(this, QString());
    QGroupBox* ports = kit.frame(this, QStringLiteral("Frame_ComPort"), {2160, 2280, 1455, 1815},
                                 QStringLiteral(" Com Port "), {"Schnittstelle", "port"});
    ComPort_ = kit.optionGroup(QStringLiteral("ComPort"));
    for (int number = 1; number <= kPorts; ++number) {
        ComPorts_[number - 1] = option(kit, ComPort_, number, ports, QString(),
                                       {120, 270 + (number - 1) * 285, 1215, kOptionHeight},
                                       QStringLiteral("Com") + QString::number(number),
                                       {"Schnittstelle", "port"}, [this, number] {
                                           settings_.comPort = QString::number(number, 16);
                                           showPortDevice(number);
                                       });
    }
    ComPort_Geraet_ = kit.label(ports, QStringLiteral("ComPort_Geraet"), {60, 1440, 1335, 300},
                                QString(), {"Gerät", "device"});
    ComPort_Geraet_->setFont(designFont(FontFace::Sans, 7));
}

void RS232Set::buildHandshake() {
    PageKit kit(this, QString());
    QGroupBox* flow = kit.frame(this, QStringLiteral("Frame_Handshake"), {3960, 2280, 1575, 1815},
                                QStringLiteral(" Handshake "), {"Handshake", "handshake"});
    QButtonGroup* group = kit.optionGroup(QStringLiteral("Handshake"));
    const std::pair<QRadioButton**, const char*> modes[] = {{&NoFlow_, "NoFlow"},
                                                            {&XonFlow_, "XonFlow"},
                                                            {&RTSFlow_, "RTSFlow"},
                                                            {&BothFlow_, "BothFlow"}};
    const char* captions[] = {"None", "Xon/Xoff", "RTS", "Xon/RTS"};
    for (int mode = 0; mode < 4; ++mode) {
        *modes[mode].first = option(kit, group, mode, flow, QLatin1String(modes[mode].second),
                                    {120, 300 + mode * 330, 1395, kOptionHeight},
                                    QLatin1String(captions[mode]), {"Handshake", "handshake"},
                                    [this, mode] { settings_.handshake = QString::number(mode); });
    }
}

void RS232Set::buildButtons() {
    PageKit kit(this, QString());
    OKButton_ = kit.button(this, QStringLiteral("OKButton"), {1080, 4320, 1695, 495},
                           QStringLiteral("OK"), {"Übernehmen", "apply"});
    CancelButton_ = kit.button(this, QStringLiteral("CancelButton"), {3120, 4320, 1695, 495},
                               QStringLiteral("Cancel"), {"Abbrechen", "cancel"});
    connect(OKButton_, &QPushButton::clicked, this, &RS232Set::OKButton_Click);
    connect(CancelButton_, &QPushButton::clicked, this, &RS232Set::CancelButton_Click);
}

// The stored values are shown without running the options' click
// handlers, so opening the dialog writes nothing.
void RS232Set::load() {
    EchoOn_->setEnabled(false);
    settings_.readAll();
    settings_.readAddress();
    (settings_.demo == QLatin1String("demo") ? Option_Demo_ja_ : Option_Demo_Nein_)
        ->setChecked(true);
    instrument_.applySerialSettings();
    for (int number = 1; number <= kPorts; ++number)
        ComPorts_[number - 1]->setToolTip(
            QStringLiteral("Com%1: %2").arg(number).arg(settings_.deviceOfPort(number)));
    if (QRadioButton* port = ComPort(instrument_.serialPortNumber()))
        port->setChecked(true);
    showPortDevice(instrument_.serialPortNumber());
    showStoredChoices();
}

void RS232Set::showStoredChoices() {
    const std::pair<QRadioButton*, int> rates[] = {{Baud3_, 300},   {Baud6_, 600},
                                                   {Baud12_, 1200}, {Baud24_, 2400},
                                                   {Baud48_, 4800}, {Baud96_, 9600}};
    for (const auto& [button, rate] : rates) {
        if (numberIs(settings_.baud, rate))
            button->setChecked(true);
    }
    const std::pair<QRadioButton*, const char*> parities[] = {
        {NoParity_, "N"}, {EvenParity_, "E"}, {OddParity_, "O"}};
    for (const auto& [button, letter] : parities) {
        if (settings_.parity == QLatin1String(letter))
            button->setChecked(true);
    }
    if (numberIs(settings_.dataBits, 7))
        Data7_->setChecked(true);
    else if (numberIs(settings_.dataBits, 8))
        Data8_->setChecked(true);
    if (numberIs(settings_.stopBits, 1))
        Stop1_->setChecked(true);
    else if (numberIs(settings_.stopBits, 2))
        Stop2_->setChecked(true);
    QRadioButton* const flows[] = {NoFlow_, XonFlow_, RTSFlow_, BothFlow_};
    for (int mode = 0; mode < 4; ++mode) {
        if (numberIs(settings_.handshake, mode))
            flows[mode]->setChecked(true);
    }
    (echoIsOn(settings_.echo) ? EchoOn_ : EchoOff_)->setChecked(true);
}

// A long device name (a link under /dev/serial/by-id) loses its middle
// rather than its end, which tells one adapter from the next; the tooltip
// names it whole.
void RS232Set::showPortDevice(int number) {
    const QString device = settings_.deviceOfPort(number);
    ComPort_Geraet_->setText(ComPort_Geraet_->fontMetrics().elidedText(
        device, Qt::ElideMiddle, ComPort_Geraet_->contentsRect().width()));
    ComPort_Geraet_->setToolTip(device);
}

void RS232Set::OKButton_Click() {
    const int chosen = settings_.portNumber();
    if (chosen != instrument_.serialPortNumber() && !portWorks(chosen))
        return;
    if (!settings_.writeAll()) {
        messages_.warn(kTitle,
                       spoken(QStringLiteral("Die Einstellungen lassen sich nicht in \"%1\" "
                                             "speichern."),
                              QStringLiteral("The settings cannot be saved in \"%1\"."))
                           .arg(settings_.filePath()));
        return;
    }
    settings_.readAll();
    instrument_.applySerialSettings();
    if (Option_Demo_ja_->isChecked())
        chooseDemo(QStringLiteral("demo"));
    else if (Option_Demo_Nein_->isChecked())
        chooseDemo(QStringLiteral("nodemo"));
    accept();
}

void RS232Set::CancelButton_Click() {
    reject();
}

// Opens the chosen port once to see that it exists and is free; the port
// keeps its old number when it cannot be opened.
bool RS232Set::portWorks(int number) {
    QString why;
    if (instrument_.tryPort(number, why))
        return true;
    QApplication::beep();
    messages_.warn(kTitle, unusablePortText(number));
    return false;
}

void RS232Set::chooseDemo(const QString& demo) {
    settings_.demo = demo;
    if (!settings_.writeDemo())
        messages_.warn(kTitle,
                       spoken(QStringLiteral("Die Demo-Einstellung lässt sich nicht in \"%1\" "
                                             "speichern."),
                              QStringLiteral("The demo setting cannot be saved in \"%1\"."))
                           .arg(settings_.filePath()));
}

} // namespace zor
