#include "panel/DisplayLabel.h"
#include "panel/GeneratorPage.h"
#include "panel/LinkedPage.h"
#include "panel/PictureSwitch.h"

#include <QStringList>
#include <QTest>

namespace zor {
namespace {

// An input dialog that answers from a script and notes what it was asked;
// once the script is used up it cancels.
struct ScriptedDialog {
    QStringList answers;
    QStringList asked;

    InputDialog dialog() {
        return [this](const QString& title, const QString& prompt, const QString& proposal) {
            asked << title + u'|' + prompt + u'|' + proposal;
            return answers.isEmpty() ? QString() : answers.takeFirst();
        };
    }
};

class GeneratorHandlers : public test::LinkedPage {
protected:
    void SetUp() override {
        LinkedPage::SetUp();
        setDataSet("ZOR", "HF_Frequenz", QStringLiteral("99.9"));
        setDataSet("ZOR", "FM_Ulim", QStringLiteral("87.5"));
        setDataSet("ZOR", "FM_Olim", QStringLiteral("108"));
        setDataSet("ZOR", "HF_Pegel", QStringLiteral("60"));
        setDataSet("ZOR", "NF_Frequenz", QStringLiteral("1"));
        setGeneral("Sprache", "Sprache", QStringLiteral("deutsch"));
        const QString language = services.context.data.file(QLatin1String(kLanguageFile));
        const std::pair<const char*, const char*> texts[] = {
            {"210", "HF-Frequenz"},    {"211", "Frequenz in MHz:"}, {"216", "HF-Pegel"},
            {"217", "Pegel in dBµV:"}, {"213", "NF-Frequenz"},      {"214", "Frequenz in kHz:"},
        };
        for (const auto& [key, text] : texts)
            Ini_Schreiben(QStringLiteral("deutsch"), QLatin1String(key), QString::fromUtf8(text),
                          language);
        page.setInputDialog(script.dialog());
    }

    QString status(int index) const { return services.status.statusText(index); }

    ScriptedDialog script;
    GeneratorPage page{services.context};
};

TEST_F(GeneratorHandlers, RfFrequencyIsAskedForUntilItLiesStrictlyInside) {
    // Cancelling changes nothing.
    script.answers = {"200", ""};
    page.Input_HF_Freq_Label()->trigger();
    EXPECT_EQ(page.Input_HF_Freq_Label()->text(), QStringLiteral("-"));
    EXPECT_EQ(status(17), QString());
    expectReceived("");

    script.asked.clear();
    // 87.50000001 is 87.5 in single precision.
    script.answers = {"87.5", "108", "87.50000001", "87.6"};
    QTest::mouseClick(page.Input_HF_Freq_Label(), Qt::LeftButton);
    EXPECT_EQ(script.asked, QStringList(4, QStringLiteral("HF-Frequenz|Frequenz in MHz:|99.9")));
    EXPECT_EQ(page.Input_HF_Freq_Label()->text(), QStringLiteral("87.6"));
    EXPECT_EQ(status(17), QStringLiteral("87.6"));
    expectReceived("FREQ 87.6MHZ\n");
    // The entry is not stored: the next dialog proposes the stored value.
    page.Input_HF_Freq_Label()->trigger();
    EXPECT_TRUE(script.asked.last().endsWith(QStringLiteral("|99.9")));
}

TEST_F(GeneratorHandlers, RfLevelLiesBetweenZeroAndOneHundredTwenty) {
    script.answers = {"0", "120", "abc", "119.9"};
    page.Input_HF_Pegel_Label()->trigger();
    EXPECT_EQ(script.asked.size(), 4);
    EXPECT_EQ(script.asked.front(), QStringLiteral("HF-Pegel|Pegel in dBµV:|60"));
    script.answers = {"0.50"};
    page.Input_HF_Pegel_Label()->trigger();
    // Shown and sent exactly as typed.
    EXPECT_EQ(page.Input_HF_Pegel_Label()->text(), QStringLiteral("0.50"));
    EXPECT_EQ(status(13), QStringLiteral("0.50"));
    expectReceived(":POW 119.9DBUV\n:POW 0.50DBUV\n");
}

TEST_F(GeneratorHandlers, WithoutStoredLimitsEveryAudioFrequencyIsRefused) {
    script.answers = {"1", "-1", "15", "0"};
    page.Input_AF_Freq_Label()->trigger();
    EXPECT_EQ(script.asked.size(), 5);
    EXPECT_EQ(script.asked.front(), QStringLiteral("NF-Frequenz|Frequenz in kHz:|1"));
    EXPECT_EQ(page.Input_AF_Freq_Label()->text(), QStringLiteral("-"));
    expectReceived("");

    // Limits are read at each opening.
    setDataSet("ZOR", "NF_Ulim", QStringLiteral("0.02"));
    setDataSet("ZOR", "NF_Olim", QStringLiteral("15"));
    script.answers = {"0.02", "15", "14.99"};
    page.Input_AF_Freq_Label()->trigger();
    EXPECT_EQ(page.Input_AF_Freq_Label()->text(), QStringLiteral("14.99"));
    EXPECT_EQ(status(14), QStringLiteral("14.99"));
    expectReceived(":STEREO:AUDIO:FREQUENCY 14.99KHZ\n");
}

TEST_F(GeneratorHandlers, RfOutputSwitchesOnFirstThenToggles) {
    EXPECT_EQ(page.rfOutput(), GeneratorPage::RfOutput::NotSet);
    QTest::mouseClick(page.HfOnOffState(), Qt::LeftButton);
    EXPECT_TRUE(page.HfOnOffState()->showsOn());
    page.HfOnOffState()->click();
    EXPECT_FALSE(page.HfOnOffState()->showsOn());
    EXPECT_EQ(page.rfOutput(), GeneratorPage::RfOutput::Off);
    expectReceived(":OUTPUT:STAT ON\n:OUTPUT:STAT OFF\n");

    // The initialisation sends the stored values and ends with the output on.
    page.showStoredValues(true);
    expectReceived("FREQ 99.9MHZ\n:POW 60DBUV\n:OUTPUT:STAT ON\n:STEREO:AUDIO:FREQUENCY 1KHZ\n");
    EXPECT_TRUE(page.HfOnOffState()->showsOn());
    EXPECT_EQ(page.Input_HF_Pegel_Label()->text(), QStringLiteral("60"));
    EXPECT_EQ(status(17), QStringLiteral("99.9"));
    EXPECT_EQ(status(13), QStringLiteral("60"));
    EXPECT_EQ(status(14), QStringLiteral("1"));
}

TEST_F(GeneratorHandlers, DemoModeShowsTheStoredValuesWithoutSending) {
    page.showStoredValues(false);
    expectReceived("");
    EXPECT_EQ(page.Input_HF_Freq_Label()->text(), QStringLiteral("99.9"));
    EXPECT_EQ(status(13), QStringLiteral("60"));
    EXPECT_EQ(status(14), QStringLiteral("1"));
    EXPECT_EQ(page.rfOutput(), GeneratorPage::RfOutput::NotSet);
}

} // namespace
} // namespace zor
