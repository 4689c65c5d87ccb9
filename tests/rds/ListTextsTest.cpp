#include "rds/AfLists.h"
#include "rds/GroupSequence.h"

#include <gtest/gtest.h>

namespace zor {
namespace {

TEST(AfListText, SplitsIntoTunedFrequencyAndAlternatives) {
    const AfListFields full = splitAfList(QStringLiteral("98.5,87.6,101.3,104.0"));
    EXPECT_EQ(full.tuned, QStringLiteral("98.5"));
    EXPECT_EQ(full.alternatives, QStringList({"87.6", "101.3", "104.0"}));

    const AfListFields trailing = splitAfList(QStringLiteral("98.5,87.6,"));
    EXPECT_EQ(trailing.alternatives, QStringList({"87.6", ""}));

    // No list's content may survive a list without a comma.
    const AfListFields alone = splitAfList(QStringLiteral("99.0"));
    EXPECT_EQ(alone.tuned, QStringLiteral("99.0"));
    EXPECT_TRUE(alone.alternatives.isEmpty());
    const AfListFields empty = splitAfList(QString());
    EXPECT_TRUE(empty.tuned.isEmpty());
    EXPECT_TRUE(empty.alternatives.isEmpty());

    EXPECT_EQ(joinAfList(trailing.tuned, trailing.alternatives), QStringLiteral("98.5,87.6,"));
}

TEST(AfListText, FrequencyLimitsAreInclusiveAndTunedReachesLower) {
    for (const char* in : {"86", "87.4", "108", "108.0", "98.5 MHz", " 98.5"})
        EXPECT_TRUE(isTunedFrequency(QString::fromLatin1(in))) << in;
    for (const char* out : {"85.99", "108.01", "", "x98", "1e3"})
        EXPECT_FALSE(isTunedFrequency(QString::fromLatin1(out))) << out;
    for (const char* in : {"87.5", "108", "108.0", "90,5"})
        EXPECT_TRUE(isAlternativeFrequency(QString::fromLatin1(in))) << in;
    for (const char* out : {"87.4", "86", "108.05", "abc"})
        EXPECT_FALSE(isAlternativeFrequency(QString::fromLatin1(out))) << out;
}

TEST(AfListText, TunedFrequencyKeepsOneDecimal) {
    const QString shown = QStringLiteral("95.0");
    const std::pair<const char*, const char*> cases[] = {
        {"98", "98.0"},     {"104", "104.0"}, {"98.55", "98.5"}, {"98.5", "98.5"},
        {"104.35", "104.3"}, {"100", "100.0"}, {"98.", "98.0"},   {"0098.5", "95.0"}};
    for (const auto& [answer, label] : cases)
        EXPECT_EQ(tunedFrequencyDisplay(QString::fromLatin1(answer), shown),
                  QString::fromLatin1(label))
            << answer;
}

TEST(GroupSequenceText, EntriesOfFourCharactersWithoutTrailingComma) {
    EXPECT_EQ(groupSequenceText({0, 2, 15}), QStringLiteral("00A,02A,15A"));
    EXPECT_EQ(groupSequenceText({11}), QStringLiteral("11A"));
    EXPECT_EQ(groupSequenceText({}), QString());
    EXPECT_EQ(readableGroupSequence(QStringLiteral("Gruppenfolge"), {0, 2, 15}),
              QStringLiteral("Gruppenfolge:   Gr.0  Gr.2  Gr.15"));
    EXPECT_EQ(readableGroupSequence(QStringLiteral("Group sequence"), {}),
              QStringLiteral("Group sequence: "));
}

TEST(GroupSequenceText, StoredSequenceNamesItsGroups) {
    EXPECT_EQ(storedGroupSequence(QStringLiteral("00A,03A,10A")), QList<int>({0, 3, 10}));
    EXPECT_EQ(storedGroupSequence(groupSequenceText({0, 2, 4, 15})), QList<int>({0, 2, 4, 15}));
    EXPECT_EQ(storedGroupSequence(QStringLiteral("7")), QList<int>({7}));
    // What names no choosable group is passed over; an entry without a number is group 0.
    EXPECT_EQ(storedGroupSequence(QStringLiteral("16A,99A,-1A,05A")), QList<int>({5}));
    EXPECT_EQ(storedGroupSequence(QStringLiteral("xyz")), QList<int>({0}));
    EXPECT_TRUE(storedGroupSequence(QString()).isEmpty());
}

} // namespace
} // namespace zor
