#include "translate/ReadBack.h"

#include "settings/Captions.h"

#include <gtest/gtest.h>

namespace zor {
namespace {

using B = ReadBackButton;

Question coderQuery(const QString& label, const QString& key) {
    return {QueryTarget::Coder, key, label};
}

// Every button asks its keys in order, each under its log label; EON asks
// with the first answer, the other network's PI, verbatim even when it is
// the no-value text.
TEST(ReadBackQueries, EveryButtonAsksItsKeysInOrder) {
    const QString pi = QStringLiteral("EON-PI no Answer");
    const auto eon = [&pi](const char* label, const char* key, const char* number = "") {
        return coderQuery(label + pi, key + pi + number);
    };
    const std::map<B, QList<Question>> expected{
        {B::Command5, {coderQuery("PS?", "PS")}}, {B::Command6, {coderQuery("PI?", "PI")}},
        {B::Command7, {coderQuery("PTY?", "PTY")}}, {B::Command8, {coderQuery("RT?", "RT")}},
        {B::Command9, {coderQuery("CT?", "CT")}},
        {B::Command17, {coderQuery("Gruppenfolge?", "GS")}},
        {B::Command4,
         {coderQuery("AF_Liste1?", "AF1"), coderQuery("AF_Liste2?", "AF2"),
          coderQuery("AF_Liste3?", "AF3"), coderQuery("AF_Liste4?", "AF4"),
          coderQuery("AF_Liste5?", "AF5")}},
        {B::Command11, {coderQuery("MPX Hub?", "MPX-DEV")}},
        {B::Command12, {coderQuery("Mod Eingang?", "SRC")}},
        {B::Command13, {coderQuery("Preemphasis?", "PRE")}},
        {B::Command15, {coderQuery("Stereo Mode??", "MODE")}},
        {B::Command18, {coderQuery("Impedanz?", "IMP")}},
        {B::Command20, {coderQuery("M/S ?", "MS")}}, {B::Command21, {coderQuery("Decoder?", "DI")}},
        {B::Command1,
         {coderQuery("Ari ein/aus?", "ARI"), coderQuery("ARI Hub?", "ARI-DEV"),
          coderQuery("ARI mode?", "ARI-ID"), coderQuery("BK?", "BK")}},
        {B::Command14,
         {coderQuery("Pilot?", "PIL"), coderQuery("Pilot Hub?", "PIL-DEV"),
          coderQuery("Pilot Phase?", "PIL-PH")}},
        {B::Command16,
         {coderQuery("RDS?", "RDS"), coderQuery("RDS-Hub?", "RDS-DEV"),
          coderQuery("RDS-Phase", "RDS-PH")}},
        {B::Command10, {{QueryTarget::Generator, QStringLiteral("FREQ"), QStringLiteral("Freq?")}}},
        {B::Command22, {{QueryTarget::Generator, QStringLiteral("POW"), QStringLiteral("Pegel?")}}},
        {B::Command19,
         {coderQuery("EON PI?", "EON-PI"), eon("EON PS?", "EON-PS,"), eon("EON TP?", "EON-TP,"),
          eon("EON TA?", "EON-TA,"), eon("EON AFB?", "EON-AFB,", ",1"),
          eon("EON AFB?", "EON-AFB,", ",2"), eon("EON AFB?", "EON-AFB,", ",3"),
          eon("EON AFB?", "EON-AFB,", ",4"), eon("EON AFB?", "EON-AFB,", ",5")}},
    };
    for (B button : readBackButtons()) {
        ASSERT_TRUE(expected.count(button)) << buttonName(button).toStdString();
        EXPECT_EQ(readBackQueries(button, pi), expected.at(button))
            << buttonName(button).toStdString();
        EXPECT_EQ(chainsFirstAnswer(button), button == B::Command19);
    }
}

struct DisplayRow {
    B button;
    QStringList answers;
    const char* shown;
    char separator = '.';
};

// What each button shows for its answers: numbers converted with the
// locale's separator, choices by their exact answer, the no-value text
// converted as 0 where a number is read and shown as it is elsewhere, and an
// empty answer (which the queries never give) as the no-value word.
const DisplayRow kDisplayRows[] = {
    {B::Command5, {" RADIO 1\""}, " RADIO 1\""},
    {B::Command17, {"00A,02A"}, "00A,02A"},
    {B::Command5, {""}, ""},
    {B::Command4, {"98.5,87.6", "a", "", "AF4 no Answer", "e"},
     "AF1: 98.5,87.6\nAF2: a\nAF3: \nAF4: AF4 no Answer\nAF5: e"},
    {B::Command11, {"12345"}, "FM Deviation: 123450 Hz"},
    {B::Command11, {"MPX-DEV no Answer"}, "FM Deviation: 0 Hz"},
    {B::Command11, {"0.25"}, "FM Deviation: 2,5 Hz", ','}, {B::Command11, {""}, "no Answer"},
    {B::Command12, {"0"}, "Mod Quelle: internal"}, {B::Command12, {"1"}, "Mod Quelle: L/R ext."},
    {B::Command12, {"2"}, "Mod Quelle: S/P ext."}, {B::Command12, {"3"}, "Mod Quelle: AF gen."},
    {B::Command12, {"4"}, "Mod Quelle: "}, {B::Command12, {"1.5"}, "Mod Quelle: "},
    {B::Command12, {"SRC no Answer"}, "Mod Quelle: internal"},
    {B::Command13, {"0"}, "internal"}, {B::Command13, {"1"}, "50µs"}, {B::Command13, {"2"}, "75µs"},
    {B::Command13, {"02"}, "02"},
    {B::Command15, {"1"}, "Left"}, {B::Command15, {"2"}, "Right"}, {B::Command15, {"3"}, "R=L"},
    {B::Command15, {"4"}, "R=-L"}, {B::Command15, {"5"}, "R/=L"}, {B::Command15, {"0"}, ""},
    {B::Command15, {"6"}, ""},
    {B::Command18, {"1"}, "Impedanz 600 "}, {B::Command18, {"2"}, "Impedanz 100k "},
    {B::Command18, {"3"}, "3"},
    {B::Command20, {"M"}, "Music"}, {B::Command20, {"S"}, "Speech"}, {B::Command20, {"m"}, "m"},
    {B::Command21, {"0"}, "Mono"}, {B::Command21, {"1"}, "Stereo"}, {B::Command21, {"2"}, "NN"},
    {B::Command21, {"3"}, "Stereo Kunstkopf"}, {B::Command21, {"4"}, "Mono compressed"},
    {B::Command21, {"5"}, "Stereo compressed"},
    {B::Command21, {"6"}, "Stereo compressed Kunstkopf\""}, {B::Command21, {"7"}, "NN"},
    {B::Command21, {"9"}, "no Answer"}, {B::Command21, {"06"}, "no Answer"},
    {B::Command1, {"1", "0350", "3", "C"}, "ARI on\nARI Deviation: 3500 Hz\nBK + DK\nC"},
    {B::Command1, {"0", "0", "0", ""}, "ARI off\nARI Deviation: 0 Hz\noff\n"},
    {B::Command1, {"2", "1", "1", "A"}, "2\nARI Deviation: 10 Hz\nDK\nA"},
    {B::Command1, {"ARI no Answer", "ARI-DEV no Answer", "2", "BK no Answer"},
     "ARI off\nARI Deviation: 0 Hz\nBK\nBK no Answer"},
    {B::Command14, {"0", "0675", "125"}, "Pilot off\nDeviation: 6750 Hz\nPhase: 12,5°", ','},
    {B::Command14, {"2", "PIL-DEV no Answer", "PIL-PH no Answer"},
     "\nDeviation: 0 Hz\nPhase: PIL-PH no Answer°"},
    {B::Command14, {"", "", ""}, "no Answer\nno Answer\nno Answer"},
    {B::Command16, {"1", "0300", "45"}, "RDS on\nDeviation: 3000 Hz\nPhase: 45°"},
    {B::Command16, {"0", "0300", "RDS-PH no Answer"},
     "RDS off\nDeviation: 3000 Hz\nPhase: RDS-PH no Answer°"},
    {B::Command16, {"3", "0", "0"}, "\nDeviation: 0 Hz\nPhase: 0°"},
    {B::Command19, {"D3C4", "OTHER   ", "1", "0", "98.5,90.1", "b", "c", "d", "EON-AFB no"},
     "EON-PI:   D3C4 / EON-PS:  OTHER    / EON-TP:  1 / EON-TA:  0\n"
     "EON-AFB1:  98.5,90.1\nEON-AFB2:  b\nEON-AFB3:  c\nEON-AFB4:  d\nEON-AFB5:  EON-AFB no\n"},
    {B::Command10, {"87500000\n"}, "87,5 MHz", ','}, {B::Command10, {"FREQ no Answer"}, "0 MHz"},
    {B::Command10, {""}, "no Answer"},
    {B::Command22, {"-10.5"}, "-10.5 dBm"},
};

TEST(ReadBackDisplay, EveryButtonShowsItsAnswersAsTheOperatorReadsThem) {
    Captions captions;
    const std::pair<int, const char*> texts[] = {
        {21, "Deviation"}, {22, "internal"}, {23, "L/R ext."},   {24, "S/P ext."}, {25, "AF gen."},
        {31, "Left"},      {32, "Right"},    {33, "R=L"},        {34, "R=-L"},     {35, "R/=L"},
        {56, "Music"},     {57, "Speech"},   {143, "no Answer"}, {192, "on"},      {193, "off"},
    };
    for (const auto& [number, text] : texts)
        captions.setText(number, QString::fromUtf8(text));
    for (const DisplayRow& row : kDisplayRows)
        EXPECT_EQ(readBackDisplay(row.button, row.answers, captions, QLatin1Char(row.separator)),
                  QString::fromUtf8(row.shown))
            << buttonName(row.button).toStdString() << ' '
            << row.answers.join(u'|').toStdString();
}

} // namespace
} // namespace zor
