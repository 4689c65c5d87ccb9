#include "panel/AccessibleNames.h"
#include "panel/DisplayLabel.h"
#include "panel/LimitedTextEdit.h"
#include "panel/PageFixture.h"
#include "panel/PageKit.h"

#include <QPushButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>

namespace zor {
namespace {

// Text pasted into a full multi-line field is cut at its limit where it goes in.
TEST(ControlsTest, MultiLineFieldTakesNoCharacterBeyondItsLimit) {
    test::offscreenApp();
    LimitedTextEdit field(10);
    field.setPlainText(QStringLiteral("abcdefgh"));
    QTextCursor cursor = field.textCursor();
    cursor.setPosition(4);
    field.setTextCursor(cursor);
    field.insertPlainText(QStringLiteral("XYZ"));
    EXPECT_EQ(field.toPlainText(), QStringLiteral("abcdXYefgh"));
}

// A display the operator works acts on a click, Return and Space; a screen reader
// hears it with its value, and shared captions with their setting.
TEST(ControlsTest, ControlsActOnMouseAndKeysAndAreHeardDistinctly) {
    test::offscreenApp();
    DisplayLabel display;
    display.setAction(DisplayLabel::Action::Click);
    display.setAccessibleName(QStringLiteral("Status M/S"));
    display.setText(QStringLiteral("Spra&che"));
    EXPECT_EQ(test::heardName(&display), QStringLiteral("Status M/S: Sprache"));
    QSignalSpy clicks(&display, &DisplayLabel::clicked);
    display.show();
    QTest::mouseClick(&display, Qt::LeftButton);
    QTest::keyClick(&display, Qt::Key_Return);
    QTest::keyClick(&display, Qt::Key_Space);
    EXPECT_EQ(clicks.count(), 3);

    // Captions several controls share are heard with their setting, twins numbered.
    QWidget page;
    PageKit kit(&page, QString());
    const auto button = [&](const char* name, const char* caption, const Spoken& about) {
        return kit.button(&page, QLatin1String(name), {0, 0, 900, 300}, QLatin1String(caption),
                          about);
    };
    QWidget* pi = button("Command3", "senden", {"PI", "PI"});
    button("PS_Taste", "senden", {"PS", "PS"});
    button("Twin1", "?", {});
    QWidget* twin = button("Twin2", "?", {});
    QWidget* step = kit.stepControl(&page, QStringLiteral("FM_Hub_Scroll"), {0, 0, 495, 495}, 0,
                                    10, 1, {"MPX-Hub", "MPX deviation"});
    refreshAccessibleNames(&page, true);
    EXPECT_EQ(test::heardName(pi), QStringLiteral("PI senden"));
    EXPECT_EQ(test::heardName(twin), QStringLiteral("? 2"));
    EXPECT_EQ(test::heardName(step), QStringLiteral("MPX-Hub"));
    refreshAccessibleNames(&page, false);
    EXPECT_EQ(test::heardName(step), QStringLiteral("MPX deviation"));
}

// Controls that touch in twips touch on screen; the scale fits the window to the screen.
TEST(ControlsTest, NeighboursThatTouchInTwipsTouchOnScreenAndTheScaleFitsTheScreen) {
    setTwipScale(1.3);
    const QRect left = twipsToPixels(TwipRect{120, 480, 2295, 3975});
    const QRect right = twipsToPixels(TwipRect{2415, 480, 2040, 3975});
    setTwipScale(1.0);
    EXPECT_EQ(left.right() + 1, right.left());
    EXPECT_DOUBLE_EQ(fittingTwipScale(192, {1050, 1000}, {700, 500}), 1.5);
    EXPECT_DOUBLE_EQ(fittingTwipScale(96, {100, 100}, {700, 500}), 0.5);
    EXPECT_DOUBLE_EQ(fittingTwipScale(0, {}, {700, 500}), 1.0);
}

} // namespace
} // namespace zor
