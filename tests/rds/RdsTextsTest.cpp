#include "rds/AfLists.h"
#include "rds/GroupSequence.h"
#include "rds/RdsTexts.h"

#include <gtest/gtest.h>

namespace zor {
namespace {

// Texts the pages' tests do not reach: every kind of line break in the
// RadioText, a tuned frequency whose point stands where no one-decimal form
// can be cut, and stored group entries that name no group.
TEST(RdsTextsTest, TextsTheCoderCannotTakeAsTheyAre) {
    EXPECT_EQ(radioTextValue(QStringLiteral("a\r\nb\nc\u2029d")), QStringLiteral("a b c d"));
    EXPECT_EQ(secondsLabel(QString(), -4), QStringLiteral(" -4"));
    EXPECT_EQ(tunedFrequencyDisplay(QStringLiteral("104.35"), {}), QStringLiteral("104.3"));
    EXPECT_EQ(tunedFrequencyDisplay(QStringLiteral("98."), {}), QStringLiteral("98.0"));
    EXPECT_EQ(tunedFrequencyDisplay(QStringLiteral("0098.5"), QStringLiteral("95.0")),
              QStringLiteral("95.0"));
    EXPECT_EQ(storedGroupSequence(QStringLiteral("16A,99A,-1A,05A")), QList<int>({5}));
    EXPECT_EQ(storedGroupSequence(QStringLiteral("xyz")), QList<int>({0}));
    EXPECT_EQ(readableGroupSequence(QStringLiteral("Groups"), {}), QStringLiteral("Groups: "));
}

} // namespace
} // namespace zor
