#pragma once

#include <QString>

namespace zor {

// The label array `Status` of the status strip: the value fields that show
// what was last sent, and the headings above them, by their array index.
enum class StatusField : int {
    Ta = 0,
    MusicSpeech = 1,
    Pi = 2,
    Ps = 3,
    Pty = 4,
    PtyHeading = 5,
    PsHeading = 6,
    PiHeading = 7,
    MusicSpeechHeading = 8,
    TaHeading = 9,
    Tp = 10,
    TpHeading = 11,
    RfLevelHeading = 12,
    RfLevel = 13,
    AudioFrequency = 14,
    AudioFrequencyHeading = 15,
    RfFrequencyHeading = 16,
    RfFrequency = 17,
};

// The status strip at the top of the window, seen from a page.
class StatusLine {
public:
    virtual ~StatusLine() = default;

    virtual void showStatus(StatusField field, const QString& text) = 0;
    // The text the field was built with.
    virtual void showBuiltInText(StatusField field) = 0;
    virtual QString statusText(StatusField field) const = 0;
};

} // namespace zor
