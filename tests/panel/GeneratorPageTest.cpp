#include "panel/GeneratorPage.h"

#include "panel/DisplayLabel.h"
#include "panel/PageFixture.h"
#include "panel/PictureSwitch.h"

namespace zor {
namespace {

// A value is taken only strictly inside its limits (87.50000001 is the limit in single
// precision), sent as typed and never stored; no stored limits refuse every value.
TEST(GeneratorPageTest, EntriesAreAskedForUntilTheyLieStrictlyInside) {
    test::PageServices services;
    for (const auto& [key, value] : {std::pair{"HF_Frequenz", "99.9"}, {"FM_Ulim", "87.5"},
                                     {"FM_Olim", "108"}, {"HF_Pegel", "60"}, {"NF_Frequenz", "1"}})
        services.folder.write(kDataSetFile, "ZOR", key, QLatin1String(value));
    GeneratorPage page(services.context);
    QStringList answers{"87.5", "108", "87.50000001", "87.6", "0", "120", "abc", "0.50", "1", "15"};
    QStringList proposals;
    page.setInputDialog([&](const QString&, const QString&, const QString& proposal) {
        proposals << proposal;
        return answers.isEmpty() ? QString() : answers.takeFirst();
    });
    page.Input_HF_Freq_Label()->trigger();
    page.Input_HF_Pegel_Label()->trigger();
    page.Input_AF_Freq_Label()->trigger();
    EXPECT_EQ(proposals.mid(0, 5), QStringList({"99.9", "99.9", "99.9", "99.9", "60"}));
    EXPECT_EQ(page.Input_HF_Freq_Label()->text(), QStringLiteral("87.6"));
    EXPECT_EQ(services.status.statusText(StatusField::RfLevel), QStringLiteral("0.50"));
    EXPECT_EQ(page.Input_AF_Freq_Label()->text(), QStringLiteral("-"));

    // The initialisation sends the stored values, the output on before the audio frequency.
    page.HfOnOffState()->click();
    page.showStoredValues(false);
    page.showStoredValues(true);
    EXPECT_TRUE(page.HfOnOffState()->showsOn());
    EXPECT_EQ(services.instrument.sent(),
              QStringList({"HF-Frequenz=87.6", "HF-Pegel=0.50", "HF:PEGEL:STATE=ON",
                           "HF-Frequenz=99.9", "HF-Pegel=60", "HF:PEGEL:STATE=ON",
                           "NF-Frequenz=1"}));
}

} // namespace
} // namespace zor
