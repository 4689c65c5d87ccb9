#include "panel/Twips.h"

#include <gtest/gtest.h>

namespace zor {
namespace {

class TwipsTest : public ::testing::Test {
  protected:
    void TearDown() override { setTwipScale(1.0); }
};

TEST_F(TwipsTest, FifteenTwipsAreOnePixelAt96Dpi) {
    setTwipScale(1.0);
    EXPECT_EQ(twipsToPixels(15), 1);
    EXPECT_EQ(twipsToPixels(9930), 662);
    EXPECT_EQ(twipsToPixels(495), 33);
    EXPECT_EQ(twipsToPixels(0), 0);
}

TEST_F(TwipsTest, NeighboursThatTouchInTwipsTouchOnScreen) {
    setTwipScale(1.3);
    const QRect left = twipsToPixels(TwipRect{120, 480, 2295, 3975});
    const QRect right = twipsToPixels(TwipRect{2415, 480, 2040, 3975});
    EXPECT_EQ(left.right() + 1, right.left());
    EXPECT_EQ(left.top(), right.top());
}

TEST_F(TwipsTest, ScaleFollowsTheScreenDpi) {
    EXPECT_DOUBLE_EQ(fittingTwipScale(96, {1920, 1080}, {700, 500}), 1.0);
    EXPECT_DOUBLE_EQ(fittingTwipScale(192, {3840, 2160}, {700, 500}), 2.0);
}

TEST_F(TwipsTest, ScaleShrinksSoTheWindowFitsASmallScreen) {
    // At 192 dpi the window would need 1400 x 1000 pixels.
    EXPECT_DOUBLE_EQ(fittingTwipScale(192, {1050, 1000}, {700, 500}), 1.5);
    EXPECT_DOUBLE_EQ(fittingTwipScale(96, {700, 250}, {700, 500}), 0.5);
    EXPECT_DOUBLE_EQ(fittingTwipScale(96, {100, 100}, {700, 500}), 0.5);
}

TEST_F(TwipsTest, UnknownScreenKeepsTheDpiRatio) {
    EXPECT_DOUBLE_EQ(fittingTwipScale(144, {}, {700, 500}), 1.5);
    EXPECT_DOUBLE_EQ(fittingTwipScale(0, {}, {700, 500}), 1.0);
}

} // namespace
} // namespace zor
