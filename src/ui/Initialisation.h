#pragma once

#include "settings/Captions.h"

#include <QObject>
#include <QString>

namespace zor {

class HMenue;
class Instrument;

// The buttons that connect the window to the instrument and release it
// again: INIT_Taste pushes the whole stored configuration, Command2 opens
// the pages without sending anything, GTL_Taste returns the instrument to
// local operation. Also keeps the serial port in step with its settings file
// whenever the serial interface is chosen, and brings the window back to
// not connected when the serial line goes away, so that INIT_Taste can
// connect again once the device is back.
class Initialisation : public QObject {
    Q_OBJECT

public:
    // Wires the three buttons and the window's choice of the serial
    // interface; the window outlives this object.
    explicit Initialisation(HMenue& window);
    ~Initialisation() override;

    // Opens the interface and sends every current setting in the
    // instrument's order. Does nothing but warn when both bus addresses are
    // equal; stops before anything changes when the bus device cannot be
    // cleared.
    void INIT_Taste_Click();
    // Demo mode: the pages become usable, the generator values are shown,
    // nothing leaves the program.
    void Command2_Click();
    // Back to local operation and to the not-connected window.
    void GTL_Taste_Click();

private:
    void lineLost();
    bool addressesClash();
    // Keys whose command ignores the value go without one.
    void send(const QString& key, const QString& value = {});
    void sendStereoSettings();
    void sendRdsSettings();
    void sendEonSettings();
    // Text `text` of the window's language.
    QString languageText(Text text) const;

    HMenue& window_;
    Instrument& instrument_;
};

} // namespace zor
