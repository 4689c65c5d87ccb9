#include "translate/ReadBack.h"

#include "settings/Captions.h"

#include <gtest/gtest.h>

namespace zor {
namespace {

using B = ReadBackButton;

Captions englishCaptions() {
    Captions captions;
    const std::pair<int, const char*> texts[] = {
        {21, "Deviation"}, {22, "internal"}, {23, "L/R ext."},   {24, "S/P ext."}, {25, "AF gen."},
        {31, "Left"},      {32, "Right"},    {33, "R=L"},        {34, "R=-L"},     {35, "R/=L"},
        {56, "Music"},     {57, "Speech"},   {143, "no Answer"}, {192, "on"},      {193, "off"},
    };
    for (const auto& [number, text] : texts)
        captions.setText(number, QString::fromUtf8(text));
    return captions;
}

QString display(B button, const QStringList& answers, QChar separator = QLatin1Char('.')) {
    return readBackDisplay(button, answers, englishCaptions(), separator);
}

Question coderQuery(const char* label, const char* key) {
    return {QueryTarget::Coder, QString::fromUtf8(key), QString::fromUtf8(label)};
}

TEST(ReadBackQueries, EveryButtonAsksItsKeysInOrder) {
    const std::map<B, QList<Question>> expected{
        {B::Command5, {coderQuery("PS?", "PS")}},
        {B::Command6, {coderQuery("PI?", "PI")}},
        {B::Command7, {coderQuery("PTY?", "PTY")}},
        {B::Command8, {coderQuery("RT?", "RT")}},
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
        {B::Command20, {coderQuery("M/S ?", "MS")}},
        {B::Command21, {coderQuery("Decoder?", "DI")}},
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
    };
    for (B button : readBackButtons()) {
        if (button == B::Command19)
            continue;
        ASSERT_TRUE(expected.count(button)) << buttonName(button).toStdString();
        EXPECT_EQ(readBackQueries(button), expected.at(button)) << buttonName(button).toStdString();
        EXPECT_FALSE(chainsFirstAnswer(button));
    }
}

TEST(ReadBackQueries, EonCarriesTheFirstAnswerVerbatim) {
    ASSERT_TRUE(chainsFirstAnswer(B::Command19));
    const QString p = QStringLiteral("EON-PI no Answer");
    const QList<Question> queries = readBackQueries(B::Command19, p);
    const QList<Question> expected{
        coderQuery("EON PI?", "EON-PI"),
        coderQuery("EON PS?EON-PI no Answer", "EON-PS,EON-PI no Answer"),
        coderQuery("EON TP?EON-PI no Answer", "EON-TP,EON-PI no Answer"),
        coderQuery("EON TA?EON-PI no Answer", "EON-TA,EON-PI no Answer"),
        coderQuery("EON AFB?EON-PI no Answer", "EON-AFB,EON-PI no Answer,1"),
        coderQuery("EON AFB?EON-PI no Answer", "EON-AFB,EON-PI no Answer,2"),
        coderQuery("EON AFB?EON-PI no Answer", "EON-AFB,EON-PI no Answer,3"),
        coderQuery("EON AFB?EON-PI no Answer", "EON-AFB,EON-PI no Answer,4"),
        coderQuery("EON AFB?EON-PI no Answer", "EON-AFB,EON-PI no Answer,5"),
    };
    EXPECT_EQ(queries, expected);
}

TEST(ReadBackDisplay, PlainAnswersAreShownUnchanged) {
    for (B button : {B::Command5, B::Command6, B::Command7, B::Command8, B::Command9, B::Command17})
        EXPECT_EQ(display(button, {QStringLiteral(" RADIO 1\"")}), QStringLiteral(" RADIO 1\""));
}

TEST(ReadBackDisplay, AfListsOneLineEach) {
    EXPECT_EQ(display(B::Command4, {"98.5,87.6", "a", "", "AF4 no Answer", "e"}),
              QStringLiteral("AF1: 98.5,87.6\nAF2: a\nAF3: \nAF4: AF4 no Answer\nAF5: e"));
}

TEST(ReadBackDisplay, DeviationsInHertz) {
    EXPECT_EQ(display(B::Command11, {"12345"}), QStringLiteral("FM Deviation: 123450 Hz"));
    EXPECT_EQ(display(B::Command11, {"MPX-DEV no Answer"}), QStringLiteral("FM Deviation: 0 Hz"));
    EXPECT_EQ(display(B::Command11, {"0.25"}, QLatin1Char(',')),
              QStringLiteral("FM Deviation: 2,5 Hz"));
}

TEST(ReadBackDisplay, SourceByNumber) {
    EXPECT_EQ(display(B::Command12, {"0"}), QStringLiteral("Mod Quelle: internal"));
    EXPECT_EQ(display(B::Command12, {"1"}), QStringLiteral("Mod Quelle: L/R ext."));
    EXPECT_EQ(display(B::Command12, {"2"}), QStringLiteral("Mod Quelle: S/P ext."));
    EXPECT_EQ(display(B::Command12, {"3"}), QStringLiteral("Mod Quelle: AF gen."));
    EXPECT_EQ(display(B::Command12, {"4"}), QStringLiteral("Mod Quelle: "));
    EXPECT_EQ(display(B::Command12, {"1.5"}), QStringLiteral("Mod Quelle: "));
    EXPECT_EQ(display(B::Command12, {"SRC no Answer"}), QStringLiteral("Mod Quelle: internal"));
}

TEST(ReadBackDisplay, PreemphasisByExactAnswer) {
    EXPECT_EQ(display(B::Command13, {"0"}), QStringLiteral("internal"));
    EXPECT_EQ(display(B::Command13, {"1"}), QStringLiteral("50µs"));
    EXPECT_EQ(display(B::Command13, {"2"}), QStringLiteral("75µs"));
    EXPECT_EQ(display(B::Command13, {"02"}), QStringLiteral("02"));
}

TEST(ReadBackDisplay, StereoModeByNumber) {
    const char* modes[] = {"Left", "Right", "R=L", "R=-L", "R/=L"};
    for (int n = 1; n <= 5; ++n)
        EXPECT_EQ(display(B::Command15, {QString::number(n)}), QString::fromUtf8(modes[n - 1]));
    EXPECT_EQ(display(B::Command15, {"0"}), QString());
    EXPECT_EQ(display(B::Command15, {"6"}), QString());
}

TEST(ReadBackDisplay, ImpedanceAndMusicSpeechByExactAnswer) {
    EXPECT_EQ(display(B::Command18, {"1"}), QStringLiteral("Impedanz 600 "));
    EXPECT_EQ(display(B::Command18, {"2"}), QStringLiteral("Impedanz 100k "));
    EXPECT_EQ(display(B::Command18, {"3"}), QStringLiteral("3"));
    EXPECT_EQ(display(B::Command20, {"M"}), QStringLiteral("Music"));
    EXPECT_EQ(display(B::Command20, {"S"}), QStringLiteral("Speech"));
    EXPECT_EQ(display(B::Command20, {"m"}), QStringLiteral("m"));
}

TEST(ReadBackDisplay, DecoderInformation) {
    const char* shown[] = {"Mono",
                           "Stereo",
                           "NN",
                           "Stereo Kunstkopf",
                           "Mono compressed",
                           "Stereo compressed",
                           "Stereo compressed Kunstkopf\"",
                           "NN"};
    for (int n = 0; n <= 7; ++n)
        EXPECT_EQ(display(B::Command21, {QString::number(n)}), QString::fromUtf8(shown[n]));
    EXPECT_EQ(display(B::Command21, {"9"}), QStringLiteral("no Answer"));
    EXPECT_EQ(display(B::Command21, {"06"}), QStringLiteral("no Answer"));
}

TEST(ReadBackDisplay, AriFourLines) {
    EXPECT_EQ(display(B::Command1, {"1", "0350", "3", "C"}),
              QStringLiteral("ARI on\nARI Deviation: 3500 Hz\nBK + DK\nC"));
    EXPECT_EQ(display(B::Command1, {"0", "0", "0", ""}),
              QStringLiteral("ARI off\nARI Deviation: 0 Hz\noff\n"));
    EXPECT_EQ(display(B::Command1, {"2", "1", "1", "A"}),
              QStringLiteral("2\nARI Deviation: 10 Hz\nDK\nA"));
    EXPECT_EQ(display(B::Command1, {"ARI no Answer", "ARI-DEV no Answer", "2", "BK no Answer"}),
              QStringLiteral("ARI off\nARI Deviation: 0 Hz\nBK\nBK no Answer"));
}

TEST(ReadBackDisplay, PilotThreeLines) {
    EXPECT_EQ(display(B::Command14, {"1", "0675", "125"}),
              QStringLiteral("Pilot on\nDeviation: 6750 Hz\nPhase: 12.5°"));
    EXPECT_EQ(display(B::Command14, {"0", "0675", "125"}, QLatin1Char(',')),
              QStringLiteral("Pilot off\nDeviation: 6750 Hz\nPhase: 12,5°"));
    EXPECT_EQ(display(B::Command14, {"2", "PIL-DEV no Answer", "PIL-PH no Answer"}),
              QStringLiteral("\nDeviation: 0 Hz\nPhase: PIL-PH no Answer°"));
}

TEST(ReadBackDisplay, RdsThreeLines) {
    EXPECT_EQ(display(B::Command16, {"1", "0300", "45"}),
              QStringLiteral("RDS on\nDeviation: 3000 Hz\nPhase: 45°"));
    EXPECT_EQ(display(B::Command16, {"0", "0300", "RDS-PH no Answer"}),
              QStringLiteral("RDS off\nDeviation: 3000 Hz\nPhase: RDS-PH no Answer°"));
    EXPECT_EQ(display(B::Command16, {"3", "0", "0"}),
              QStringLiteral("\nDeviation: 0 Hz\nPhase: 0°"));
}

TEST(ReadBackDisplay, EonSummaryAndFiveLists) {
    EXPECT_EQ(display(B::Command19,
                      {"D3C4", "OTHER   ", "1", "0", "98.5,90.1", "b", "c", "d", "EON-AFB no"}),
              QStringLiteral("EON-PI:   D3C4 / EON-PS:  OTHER    / EON-TP:  1 / EON-TA:  0\n"
                             "EON-AFB1:  98.5,90.1\nEON-AFB2:  b\nEON-AFB3:  c\nEON-AFB4:  d\n"
                             "EON-AFB5:  EON-AFB no\n"));
}

TEST(ReadBackDisplay, GeneratorFrequencyAndLevel) {
    EXPECT_EQ(display(B::Command10, {"87500000"}), QStringLiteral("87.5 MHz"));
    EXPECT_EQ(display(B::Command10, {"87500000\n"}, QLatin1Char(',')), QStringLiteral("87,5 MHz"));
    EXPECT_EQ(display(B::Command10, {"FREQ no Answer"}), QStringLiteral("0 MHz"));
    EXPECT_EQ(display(B::Command22, {"-10.5"}), QStringLiteral("-10.5 dBm"));
    EXPECT_EQ(display(B::Command22, {"-10.5"}, QLatin1Char(',')), QStringLiteral("-10,5 dBm"));
}

TEST(ReadBackDisplay, AnEmptyAnswerIsShownAsNoValueWhereANumberIsConverted) {
    EXPECT_EQ(display(B::Command10, {""}), QStringLiteral("no Answer"));
    EXPECT_EQ(display(B::Command22, {""}), QStringLiteral("no Answer"));
    EXPECT_EQ(display(B::Command11, {""}), QStringLiteral("no Answer"));
    EXPECT_EQ(display(B::Command14, {"", "", ""}),
              QStringLiteral("no Answer\nno Answer\nno Answer"));
    EXPECT_EQ(display(B::Command5, {""}), QString());
}

} // namespace
} // namespace zor
