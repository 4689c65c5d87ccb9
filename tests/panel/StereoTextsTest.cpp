#include "panel/StereoTexts.h"

#include <gtest/gtest.h>

namespace zor {
namespace {

TEST(StereoTextsTest, MpxDeviationHasOneDecimal) {
    EXPECT_EQ(deviationLabel("Hub", 8000, DeviationPattern::OneDecimal, u'.'),
              QStringLiteral("Hub 80.0 kHz"));
    EXPECT_EQ(deviationLabel("Hub", 0, DeviationPattern::OneDecimal, u'.'),
              QStringLiteral("Hub 0.0 kHz"));
    EXPECT_EQ(deviationLabel("Dev.", 7510, DeviationPattern::OneDecimal, u','),
              QStringLiteral("Dev. 75,1 kHz"));
}

TEST(StereoTextsTest, MpxDeviationRoundsHalvesUp) {
    EXPECT_EQ(deviationLabel("Hub", 25, DeviationPattern::OneDecimal, u'.'),
              QStringLiteral("Hub 0.3 kHz"));
    EXPECT_EQ(deviationLabel("Hub", 7494, DeviationPattern::OneDecimal, u'.'),
              QStringLiteral("Hub 74.9 kHz"));
}

TEST(StereoTextsTest, OtherDeviationsHaveTwoDecimals) {
    EXPECT_EQ(deviationLabel("Hub", 675, DeviationPattern::TwoDecimals, u'.'),
              QStringLiteral("Hub 6.75 kHz"));
    EXPECT_EQ(deviationLabel("Hub", 5, DeviationPattern::TwoDecimals, u','),
              QStringLiteral("Hub 0,05 kHz"));
    EXPECT_EQ(deviationLabel(QString(), 0, DeviationPattern::TwoDecimals, u'.'),
              QStringLiteral(" 0.00 kHz"));
}

TEST(StereoTextsTest, PhaseLabelIsSigned) {
    EXPECT_EQ(phaseLabel(-50), QStringLiteral("Phase -50 °"));
    EXPECT_EQ(phaseLabel(7), QStringLiteral("Phase 7 °"));
}

TEST(StereoTextsTest, PilotPhaseTextPadsOnlyNonNegativeSingleDigits) {
    EXPECT_EQ(pilotPhaseText(7), QStringLiteral("07"));
    EXPECT_EQ(pilotPhaseText(0), QStringLiteral("00"));
    EXPECT_EQ(pilotPhaseText(50), QStringLiteral("50"));
    EXPECT_EQ(pilotPhaseText(-5), QStringLiteral("-5"));
    EXPECT_EQ(pilotPhaseText(-35), QStringLiteral("-35"));
}

} // namespace
} // namespace zor
