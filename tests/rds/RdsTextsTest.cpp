#include "rds/RdsTexts.h"

#include "rds/TrafficAnnouncements.h"

#include <gtest/gtest.h>

namespace zor {
namespace {

using std::chrono::milliseconds;

TEST(RdsTexts, StoredAndTypedValuesTheCoderCannotTakeAsTheyAre) {
    EXPECT_EQ(radioTextValue(QStringLiteral("a\r\nb\nc\u2029d")), QStringLiteral("a b c d"));
    EXPECT_EQ(ptyValue(-1), QStringLiteral("0"));
    EXPECT_EQ(musicSpeechOption(QStringLiteral("m")), 0);
    EXPECT_EQ(musicSpeechOption(QStringLiteral("MS")), 1);
    EXPECT_EQ(storedPosition(QStringLiteral(" 7 ")), 7);
    EXPECT_EQ(storedPosition(QString()), -1);
    EXPECT_EQ(storedPosition(QStringLiteral("7x")), -1);
    EXPECT_EQ(storedSeconds(QStringLiteral("12.9s"), 60), 12);
    EXPECT_EQ(storedSeconds(QStringLiteral("100"), 60), 60);
    EXPECT_EQ(storedSeconds(QStringLiteral("-4"), 60), 0);
    EXPECT_EQ(storedSeconds(QStringLiteral("abc"), 60), 0);
}

TEST(TrafficTiming, AnnouncementEndsAfterItsDurationAndRepeatsStrictlyAfterTheInterval) {
    const milliseconds start{5000};
    EXPECT_FALSE(announcementRuns(start, std::nullopt, 10));
    EXPECT_TRUE(announcementRuns(start + milliseconds(10000), start, 10));
    EXPECT_FALSE(announcementRuns(start + milliseconds(10001), start, 10));
    EXPECT_TRUE(repetitionDue(start, std::nullopt, 30));
    EXPECT_FALSE(repetitionDue(start + milliseconds(30000), start, 30));
    EXPECT_TRUE(repetitionDue(start + milliseconds(30001), start, 30));
}

} // namespace
} // namespace zor
