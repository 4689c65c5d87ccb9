#include "link/QueryAnswer.h"

#include <gtest/gtest.h>

namespace zor {
namespace {

// The coder's value is the text between the first two double quotes; fewer
// than two hold no value.
TEST(CoderAnswer, TextBetweenTheFirstTwoDoubleQuotes) {
    EXPECT_EQ(coderAnswer("A\"PS=RADIO\"B"), "PS=RADIO");
    EXPECT_EQ(coderAnswer("\"RADIO 1 \"\n"), "RADIO 1 ");
    EXPECT_EQ(coderAnswer("\"a\"b\"c\""), "a");
    EXPECT_EQ(coderAnswer("\"\""), "");
    EXPECT_EQ(coderAnswer(""), "");
    EXPECT_EQ(coderAnswer("RADIO 1"), "");
    EXPECT_EQ(coderAnswer("\"RADIO 1 cut at the buffer's end"), "");
}

// The generator's value is what the read delivered, up to its first line
// feed.
TEST(GeneratorAnswer, DeliveredCharactersUpToTheFirstLineFeed) {
    EXPECT_EQ(generatorAnswer("98.5\n" + QString(15, ' '), 5), "98.5");
    EXPECT_EQ(generatorAnswer("1\n2\n" + QString(16, ' '), 4), "1");
    EXPECT_EQ(generatorAnswer("\n" + QString(19, ' '), 1), "");
    EXPECT_EQ(generatorAnswer("12345678901234567890", 20), "12345678901234567890");
    EXPECT_EQ(generatorAnswer("-10.5" + QString(15, ' '), 5), "-10.5");
    EXPECT_EQ(generatorAnswer(QString(20, ' '), 0), "");
    EXPECT_EQ(generatorAnswer("abc", -1), "");
    EXPECT_EQ(generatorAnswer("abc", 1000), "abc");
}

} // namespace
} // namespace zor
