#include "rds/DynamicPs.h"

#include "RdsSimFixture.h"
#include "panel/PictureSwitch.h"

#include <QLineEdit>
#include <QMetaObject>
#include <QRadioButton>
#include <QTimer>

namespace zor::test {
namespace {

class DynamicPsTest : public RdsSimTest {
protected:
    const QString pattern = coder(QStringLiteral("PS=>--<>--<"));
};

TEST_F(DynamicPsTest, AlternatesEveryTwoSecondsAndReadsTheFieldAtEachStep) {
    page().PS_T()->setText(QStringLiteral("RADIO 7"));
    page().Taste_PS_Auto()->click();
    EXPECT_TRUE(page().Taste_PS_Auto()->showsOn());
    EXPECT_EQ(page().PS_Timer()->interval(), 2000);
    advance(1999);
    EXPECT_TRUE(receivedLines().isEmpty());
    advance(1);
    EXPECT_EQ(services.status.statusText(3), QStringLiteral(">--<>--<"));
    advance(2000);
    EXPECT_EQ(services.status.statusText(3), QStringLiteral("RADIO 7"));
    page().PS_T()->setText(QStringLiteral("NACHRICHTEN"));
    advance(4000);
    EXPECT_EQ(services.status.statusText(3), QStringLiteral("NACHRICHTEN"));

    // Switched off between two steps: nothing more goes out.
    page().Taste_PS_Auto()->click();
    EXPECT_FALSE(page().PS_Timer()->isActive());
    advance(10000);
    EXPECT_EQ(receivedLines(), (QStringList{pattern, coder(QStringLiteral("PS=RADIO 7 ")), pattern,
                                            coder(QStringLiteral("PS=NACHRICH"))}));
    // The alternation is not the operator's PS.
    EXPECT_TRUE(services.current.ps.isEmpty());
    EXPECT_TRUE(stored("Datenset1.INI", "RDS", "PS").isEmpty());
}

TEST_F(DynamicPsTest, SwitchClickedDuringAStepGivesTheCoderTheFieldBack) {
    page().PS_T()->setText(QStringLiteral("RADIO 7"));
    page().Taste_PS_Auto()->click();
    advance(2000);
    // The click waits in the event queue until the step lets events run.
    QMetaObject::invokeMethod(
        page().Taste_PS_Auto(), [this] { page().Taste_PS_Auto()->click(); }, Qt::QueuedConnection);
    advance(2000);
    EXPECT_FALSE(page().dynamicPs().running());
    EXPECT_FALSE(page().Taste_PS_Auto()->showsOn());
    EXPECT_EQ(services.status.statusText(3), QStringLiteral("RADIO 7"));
    advance(10000);
    EXPECT_EQ(receivedLines(), (QStringList{pattern, coder(QStringLiteral("PS=RADIO 7 ")),
                                            coder(QStringLiteral("PS=RADIO 7 "))}));
}

TEST_F(DynamicPsTest, StoppedByAnotherPartItRestartsWithOneClick) {
    page().PS_T()->setText(QStringLiteral("RADIO 7"));
    page().Taste_PS_Auto()->click();
    advance(2000);
    page().TA_Option(0)->click();
    advance(6000);
    EXPECT_TRUE(page().Taste_PS_Auto()->showsOn());
    EXPECT_TRUE(page().PS_Timer()->isActive());

    page().Taste_PS_Auto()->click();
    EXPECT_TRUE(page().dynamicPs().running());
    advance(2000);
    // As the "Local" button stops it.
    page().stopDynamicPs();
    advance(6000);
    EXPECT_EQ(receivedLines(), (QStringList{pattern, coder(QStringLiteral("PS=RADIO 7 "))}));
}

} // namespace
} // namespace zor::test
