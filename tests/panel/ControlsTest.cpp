#include "panel/AccessibleNames.h"
#include "panel/ControlText.h"
#include "panel/DisplayLabel.h"
#include "panel/LimitedTextEdit.h"
#include "panel/OffscreenApp.h"
#include "panel/PageKit.h"
#include "panel/PictureSwitch.h"
#include "panel/Pictures.h"

#include <QAccessible>
#include <QButtonGroup>
#include <QClipboard>
#include <QDir>
#include <QGroupBox>
#include <QImage>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace zor {
namespace {

class ControlsTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { test::offscreenApp(); }
};

QString accessibleName(QWidget* widget) {
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(widget);
    return face ? face->text(QAccessible::Name) : QString();
}

TEST_F(ControlsTest, CaptionsReadAsTheOperatorSeesThem) {
    EXPECT_EQ(withoutMnemonics("Spra&che"), QStringLiteral("Sprache"));
    EXPECT_EQ(withoutMnemonics("Rock && Pop"), QStringLiteral("Rock & Pop"));
    EXPECT_EQ(spokenCaption("P I  : "), QStringLiteral("P I"));
    EXPECT_EQ(spokenCaption("RT1 l&öschen"), QStringLiteral("RT1 löschen"));
    EXPECT_EQ(spokenCaption("    EON TP"), QStringLiteral("EON TP"));
}

TEST_F(ControlsTest, PictureSwitchWithoutPicturesShowsWords) {
    QTemporaryDir empty;
    PictureSwitch picture(empty.path());
    EXPECT_EQ(picture.text(), QStringLiteral("OFF"));
    EXPECT_FALSE(picture.showsOn());
    picture.showOn(true);
    EXPECT_EQ(picture.text(), QStringLiteral("ON"));
    EXPECT_TRUE(picture.isChecked());
}

TEST_F(ControlsTest, PictureSwitchShowsItsPicturesAndNoWords) {
    QTemporaryDir folder;
    QImage square(32, 32, QImage::Format_ARGB32);
    square.fill(Qt::green);
    ASSERT_TRUE(square.save(QDir(folder.path()).filePath(kSwitchOnPicture)));
    square.fill(Qt::red);
    ASSERT_TRUE(square.save(QDir(folder.path()).filePath(kSwitchOffPicture)));

    PictureSwitch picture(folder.path());
    EXPECT_TRUE(picture.text().isEmpty());
    EXPECT_FALSE(picture.icon().isNull());
    picture.showOn(true);
    EXPECT_TRUE(picture.text().isEmpty());
}

TEST_F(ControlsTest, ClickOnPictureSwitchLeavesTheStateToItsHandler) {
    QTemporaryDir empty;
    PictureSwitch picture(empty.path());
    QSignalSpy clicks(&picture, &QPushButton::clicked);
    picture.click();
    EXPECT_EQ(clicks.count(), 1);
    EXPECT_FALSE(picture.showsOn());
    EXPECT_EQ(picture.text(), QStringLiteral("OFF"));
}

TEST_F(ControlsTest, MultiLineFieldAcceptsNoCharacterBeyondItsLimit) {
    LimitedTextEdit field(63);
    field.show();
    QTest::keyClicks(&field, QString(70, u'x'));
    EXPECT_EQ(field.toPlainText().size(), 63);

    field.clear();
    QTest::keyClicks(&field, QString(60, u'a'));
    field.insertPlainText(QStringLiteral("0123456789"));
    EXPECT_EQ(field.toPlainText(), QString(60, u'a') + QStringLiteral("012"));

    field.setPlainText(QString(100, u'b'));
    EXPECT_EQ(field.toPlainText(), QString(63, u'b'));
}

TEST_F(ControlsTest, MultiLineFieldKeepsTextAfterTheCursor) {
    LimitedTextEdit field(10);
    field.setPlainText(QStringLiteral("abcdefgh"));
    QTextCursor cursor = field.textCursor();
    cursor.setPosition(4);
    field.setTextCursor(cursor);
    field.insertPlainText(QStringLiteral("XYZ"));
    EXPECT_EQ(field.toPlainText(), QStringLiteral("abcdXYefgh"));
}

TEST_F(ControlsTest, DisplayIsHeardWithItsSubjectAndValue) {
    DisplayLabel display;
    display.setAccessibleName(QStringLiteral("Status M/S"));
    display.setText(QStringLiteral("Spra&che"));
    EXPECT_EQ(accessibleName(&display), QStringLiteral("Status M/S: Sprache"));
    display.setText(QString());
    EXPECT_EQ(accessibleName(&display), QStringLiteral("Status M/S"));
    EXPECT_EQ(display.text(), QString());
}

TEST_F(ControlsTest, OperatedDisplayActsOnMouseAndKeyboard) {
    DisplayLabel display;
    display.setAction(DisplayLabel::Action::Click);
    EXPECT_EQ(display.focusPolicy(), Qt::StrongFocus);
    QSignalSpy clicks(&display, &DisplayLabel::clicked);
    display.resize(80, 20);
    display.show();
    QTest::mouseClick(&display, Qt::LeftButton);
    QTest::keyClick(&display, Qt::Key_Return);
    QTest::keyClick(&display, Qt::Key_Space);
    EXPECT_EQ(clicks.count(), 3);

    DisplayLabel clock;
    clock.setAction(DisplayLabel::Action::DoubleClick);
    QSignalSpy doubles(&clock, &DisplayLabel::doubleClicked);
    QSignalSpy singles(&clock, &DisplayLabel::clicked);
    clock.resize(80, 20);
    clock.show();
    QTest::mouseDClick(&clock, Qt::LeftButton);
    EXPECT_EQ(doubles.count(), 1);
    EXPECT_EQ(singles.count(), 0);
}

TEST_F(ControlsTest, KitNamesArraysAndGroupsOptionsByIndex) {
    QWidget page;
    PageKit kit(&page, QString(), PageKit::kTabStripTwips);
    QButtonGroup* group = kit.optionGroup(QStringLiteral("FM_Source_Opt"));
    kit.option(group, 2, &page, {120, 600, 900, 240}, QStringLiteral("Ext S/P Dif"));
    QRadioButton* option = optionAt(group, 2);
    ASSERT_NE(option, nullptr);
    EXPECT_EQ(option->objectName(), QStringLiteral("FM_Source_Opt(2)"));
    EXPECT_EQ(group->id(option), 2);
    EXPECT_EQ(page.findChild<QButtonGroup*>(QStringLiteral("FM_Source_Opt")), group);
    // Placed on the page, below the tab strip.
    EXPECT_EQ(option->geometry().top(), twipsToPixels(600 - PageKit::kTabStripTwips));
    EXPECT_EQ(optionAt(group, 5), nullptr);
}

TEST_F(ControlsTest, KitStepControlMovesByItsStep) {
    QWidget page;
    PageKit kit(&page, QString());
    QScrollBar* step = kit.stepControl(&page, QStringLiteral("FM_Hub_Scroll"), {0, 0, 495, 495}, 0,
                                       8000, 10, {"MPX-Hub", "MPX deviation"});
    EXPECT_EQ(step->orientation(), Qt::Horizontal);
    EXPECT_EQ(step->width(), step->height());
    step->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    EXPECT_EQ(step->value(), 10);
    step->triggerAction(QAbstractSlider::SliderPageStepAdd);
    EXPECT_EQ(step->value(), 20);
    step->setValue(9000);
    EXPECT_EQ(step->value(), 8000);
}

TEST_F(ControlsTest, TimerIntervalZeroStopsTheTimer) {
    QWidget page;
    PageKit kit(&page, QString());
    QTimer* timer = kit.timer(QStringLiteral("TA_Timer"), 333, true);
    EXPECT_TRUE(timer->isActive());
    setTimerInterval(timer, 0);
    EXPECT_FALSE(timer->isActive());
    setTimerInterval(timer, 1000);
    EXPECT_TRUE(timer->isActive());
    EXPECT_EQ(timer->interval(), 1000);
}

TEST_F(ControlsTest, RepeatedCaptionsAreNamedAfterTheirSetting) {
    QWidget page;
    PageKit kit(&page, QString());
    kit.button(&page, QStringLiteral("Command3"), {0, 0, 900, 300}, QStringLiteral("senden"),
               {"PI", "PI"});
    kit.button(&page, QStringLiteral("PS_Taste"), {0, 300, 900, 300}, QStringLiteral("senden"),
               {"PS", "PS"});
    kit.button(&page, QStringLiteral("Alone"), {0, 600, 900, 300}, QStringLiteral("&Ende"),
               {"Programm", "program"});
    kit.stepControl(&page, QStringLiteral("FM_Hub_Scroll"), {0, 900, 495, 495}, 0, 10, 1,
                    {"MPX-Hub", "MPX deviation"});
    // No caption and nothing said about it: still heard, and not alike.
    kit.button(&page, QStringLiteral("Twin1"), {0, 1400, 900, 300}, QStringLiteral("?"));
    kit.button(&page, QStringLiteral("Twin2"), {0, 1700, 900, 300}, QStringLiteral("?"));

    refreshAccessibleNames(&page, true);
    const auto name = [&page](const char* object) {
        return accessibleName(page.findChild<QWidget*>(QLatin1String(object)));
    };
    EXPECT_EQ(name("Command3"), QStringLiteral("PI senden"));
    EXPECT_EQ(name("PS_Taste"), QStringLiteral("PS senden"));
    EXPECT_EQ(name("Alone"), QStringLiteral("Ende"));
    EXPECT_EQ(name("FM_Hub_Scroll"), QStringLiteral("MPX-Hub"));
    EXPECT_EQ(name("Twin1"), QStringLiteral("?"));
    EXPECT_EQ(name("Twin2"), QStringLiteral("? 2"));

    refreshAccessibleNames(&page, false);
    EXPECT_EQ(name("FM_Hub_Scroll"), QStringLiteral("MPX deviation"));

    // A caption a handler changes later is heard as it now reads.
    page.findChild<QPushButton*>(QStringLiteral("Alone"))->setText(QStringLiteral("&Test_Mode"));
    EXPECT_EQ(name("Alone"), QStringLiteral("Test_Mode"));
}

TEST_F(ControlsTest, NamesAreUniqueOnlyWithinTheirScope) {
    QWidget window;
    PageKit outer(&window, QString());
    QWidget* page = new QWidget(&window);
    PageKit inner(page, QString());
    outer.button(&window, QStringLiteral("A"), {0, 0, 900, 300}, QStringLiteral("senden"));
    inner.button(page, QStringLiteral("B"), {0, 0, 900, 300}, QStringLiteral("senden"));
    EXPECT_EQ(namedControls(&window).size(), 1);
    EXPECT_EQ(namedControls(page).size(), 1);
    refreshAccessibleNames(&window, true);
    refreshAccessibleNames(page, true);
    EXPECT_EQ(accessibleName(window.findChild<QWidget*>("A")), QStringLiteral("senden"));
    EXPECT_EQ(accessibleName(page->findChild<QWidget*>("B")), QStringLiteral("senden"));
}

TEST_F(ControlsTest, DesignCaptionIsRemembered) {
    QWidget page;
    PageKit kit(&page, QString());
    QGroupBox* frame = kit.frame(&page, QStringLiteral("FM_Sorce_Frame"), {0, 0, 900, 900},
                                 QStringLiteral("Source"));
    setCaptionOf(frame, QStringLiteral("Quelle"));
    EXPECT_EQ(captionOf(frame), QStringLiteral("Quelle"));
    EXPECT_EQ(designCaptionOf(frame), QStringLiteral("Source"));
}

} // namespace
} // namespace zor
