#pragma once

#include <QDialog>
#include <QString>
#include <array>

class QButtonGroup;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;

namespace zor {

class Instrument;
class OperatorMessages;
class SerialSettings;

// The serial settings dialog "Communication Parameter": port, baud rate,
// data bits, parity, stop bits, handshake and echo of the serial line, and
// the demo choice kept in the serial settings file. Every option click
// changes the program's current serial settings at once; only the demo
// options also write the file at once. OK tests a newly chosen port, stores
// everything and applies it to the port; Cancel leaves the file alone.
class RS232Set : public QDialog {
    Q_OBJECT

public:
    // Reads the settings file and shows the stored choices. The current
    // serial settings and the port are the instrument's; `messages` reaches
    // the operator.
    RS232Set(Instrument& instrument, OperatorMessages& messages, QWidget* parent = nullptr);

    QGroupBox* frame(const QString& name) const;
    QRadioButton* Baud3() const { return Baud3_; }
    QRadioButton* Baud6() const { return Baud6_; }
    QRadioButton* Baud12() const { return Baud12_; }
    QRadioButton* Baud24() const { return Baud24_; }
    QRadioButton* Baud48() const { return Baud48_; }
    QRadioButton* Baud96() const { return Baud96_; }
    QRadioButton* Data7() const { return Data7_; }
    QRadioButton* Data8() const { return Data8_; }
    QRadioButton* Stop1() const { return Stop1_; }
    QRadioButton* Stop2() const { return Stop2_; }
    QRadioButton* NoParity() const { return NoParity_; }
    QRadioButton* OddParity() const { return OddParity_; }
    QRadioButton* EvenParity() const { return EvenParity_; }
    // `ComPort(number)`, 1 to 4; null outside.
    QRadioButton* ComPort(int number) const;
    QButtonGroup* ComPort() const { return ComPort_; }
    QRadioButton* NoFlow() const { return NoFlow_; }
    QRadioButton* XonFlow() const { return XonFlow_; }
    QRadioButton* RTSFlow() const { return RTSFlow_; }
    QRadioButton* BothFlow() const { return BothFlow_; }
    QRadioButton* EchoOn() const { return EchoOn_; }
    QRadioButton* EchoOff() const { return EchoOff_; }
    QRadioButton* Option_Demo_ja() const { return Option_Demo_ja_; }
    QRadioButton* Option_Demo_Nein() const { return Option_Demo_Nein_; }
    QPushButton* OKButton() const { return OKButton_; }
    QPushButton* CancelButton() const { return CancelButton_; }
    // The device the chosen port stands for on this computer.
    QLabel* ComPort_Geraet() const { return ComPort_Geraet_; }

    void OKButton_Click();
    void CancelButton_Click();

private:
    void buildBaudRates();
    void buildDemo();
    void buildDataAndStopBits();
    void buildEcho();
    void buildParity();
    void buildComPorts();
    void buildHandshake();
    void buildButtons();

    void load();
    void showStoredChoices();
    void showPortDevice(int number);
    bool portWorks(int number);
    void reportUnusablePort(int number);
    void chooseDemo(const QString& demo);

    Instrument& instrument_;
    SerialSettings& settings_;
    OperatorMessages& messages_;

    QRadioButton* Baud3_ = nullptr;
    QRadioButton* Baud6_ = nullptr;
    QRadioButton* Baud12_ = nullptr;
    QRadioButton* Baud24_ = nullptr;
    QRadioButton* Baud48_ = nullptr;
    QRadioButton* Baud96_ = nullptr;
    QRadioButton* Data7_ = nullptr;
    QRadioButton* Data8_ = nullptr;
    QRadioButton* Stop1_ = nullptr;
    QRadioButton* Stop2_ = nullptr;
    QRadioButton* NoParity_ = nullptr;
    QRadioButton* OddParity_ = nullptr;
    QRadioButton* EvenParity_ = nullptr;
    QButtonGroup* ComPort_ = nullptr;
    std::array<QRadioButton*, 4> ComPorts_{};
    QLabel* ComPort_Geraet_ = nullptr;
    QRadioButton* NoFlow_ = nullptr;
    QRadioButton* XonFlow_ = nullptr;
    QRadioButton* RTSFlow_ = nullptr;
    QRadioButton* BothFlow_ = nullptr;
    QRadioButton* EchoOn_ = nullptr;
    QRadioButton* EchoOff_ = nullptr;
    QRadioButton* Option_Demo_ja_ = nullptr;
    QRadioButton* Option_Demo_Nein_ = nullptr;
    QPushButton* OKButton_ = nullptr;
    QPushButton* CancelButton_ = nullptr;
};

// Whether a stored echo value means "on": "True" in any letter case or a
// number other than 0.
bool echoIsOn(const QString& echo);

// The message for a port that could not be opened.
QString unusablePortText(int number);

} // namespace zor
