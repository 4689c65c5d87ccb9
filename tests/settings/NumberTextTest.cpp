#include "settings/NumberText.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>

namespace zor {
namespace {

// The number a text starts with; 0 without one, held at the limits of a double.
TEST(LeadingNumber, ReadsTheNumberAtTheStartOfTheText) {
    const std::pair<const char*, double> cases[] = {
        {"12abc", 12},  {"", 0},          {"  -3.25x", -3.25}, {" 07500", 7500}, {"\t+4", 4},
        {"1.5.3", 1.5}, {"-", 0},         {".5", 0.5},         {"-.5", -0.5},    {"5.", 5},
        {".", 0},       {"1e3", 1000},    {"2E-2", 0.02},      {"1e", 1},        {"1e+x", 1},
        {"e3", 0},      {"&H10", 0},      {"1 2", 1},          {"- 1", 0},       {"87,5", 87},
        {"-0", 0},      {"1e-999", 0},    {"x12", 0},
    };
    for (const auto& [text, expected] : cases)
        EXPECT_EQ(leadingNumber(QString::fromLatin1(text)), expected) << text;
    EXPECT_FALSE(std::signbit(leadingNumber(u"-0")));
    EXPECT_EQ(leadingNumber(u"-1e999"), -std::numeric_limits<double>::max());
    EXPECT_EQ(leadingNumber(u"0.00012e308999"), std::numeric_limits<double>::max());
}

// Halves go to the even neighbour; what lies beyond a long long is held at its limits.
TEST(RoundHalfEven, HalvesGoToTheEvenNeighbour) {
    EXPECT_EQ(roundHalfEven(2.5), 2);
    EXPECT_EQ(roundHalfEven(0.5), 0);
    EXPECT_EQ(roundHalfEven(-1.5), -2);
    EXPECT_EQ(roundHalfEven(-2.5), -2);
    EXPECT_EQ(roundHalfEven(2.5000001), 3);
    EXPECT_EQ(roundHalfEven(std::nan("")), 0);
    EXPECT_EQ(roundHalfEven(1e300), std::numeric_limits<long long>::max());
    EXPECT_EQ(roundHalfEven(-1e300), std::numeric_limits<long long>::min());
}

// The shortest decimal form of at most 15 digits, never with an exponent.
TEST(PlainDecimal, ShortestFormWithoutExponent) {
    const std::pair<double, const char*> cases[] = {
        {123450, "123450"},
        {87.5, "87.5"},
        {-10.5, "-10.5"},
        {0.001, "0.001"},
        {1e20, "100000000000000000000"},
        {-0.0, "0"},
        {0.1 + 0.2, "0.3"},
        {1.0 / 3, "0.333333333333333"},
        {7500 * 10.0, "75000"},
        {1.5e-7, "0.00000015"},
        {123456789012345678.0, "123456789012346000"},
        {std::numeric_limits<double>::infinity(), "0"},
    };
    for (const auto& [value, expected] : cases)
        EXPECT_EQ(plainDecimal(value), QString::fromLatin1(expected)) << expected;
    EXPECT_EQ(plainDecimal(87.5, u','), "87,5");
    EXPECT_EQ(leadingNumber(plainDecimal(-98.123456789)), -98.123456789);
}

} // namespace
} // namespace zor
