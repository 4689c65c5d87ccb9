#pragma once

#include <QString>

namespace zor {

// The value text of every setting the instrument initialisation re-sends,
// as the last handler left it (or the start-up restore read it). One record,
// owned by the main window; the pages replace entries, the initialisation
// reads them.
struct CurrentValues {
    // Stereo multiplex, section "FM" of the general settings file.
    QString mpxDeviation;
    QString modulationSource;
    QString inputImpedance;
    QString stereoMode;
    QString preEmphasis;
    QString pilot;
    QString pilotDeviation;
    QString pilotPhase;
    QString ari;
    QString ariDeviation;
    QString ariIdentification;
    QString ariAreaCode;
    QString rds;
    QString rdsDeviation;
    QString rdsPhase;

    // RDS content, section "RDS" of the data set file.
    QString pi;
    QString ps;
    QString musicSpeech;
    QString radioText;
    QString secondRadioText;
    QString groupSequence;
    QString clock;

    // The other network (EON).
    QString eonPi;
    QString eonPs;
    QString eonPty;
    QString eonTa;
    QString eonTp;
    QString eonDelete;

    // The kind of AF list the AF list editor works on: "AF" (the own
    // programme's lists) or "EON AF" (the other network's method-B lists).
    QString afEditorMode = QStringLiteral("AF");
};

} // namespace zor
