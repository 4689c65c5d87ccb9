#include "translate/CommandTable.h"

#include "KeyTableRows.h"

#include <gtest/gtest.h>

namespace zor {
namespace {

using test::KeyRow;

QString lineFor(const char* key, const char* value) {
    QString text = QString::fromUtf8(value);
    const std::optional<QString> line =
        commandLine(QString::fromUtf8(key), text, test::rowInputs());
    EXPECT_TRUE(line.has_value()) << key;
    return line.value_or(QStringLiteral("<not in the table>"));
}

class CommandTable : public testing::TestWithParam<KeyRow> {};

TEST_P(CommandTable, BuildsTheExactLine) {
    const KeyRow& row = GetParam();
    EXPECT_EQ(lineFor(row.key, row.value).toStdString(), row.line);
}

INSTANTIATE_TEST_SUITE_P(GeneratorFixed, CommandTable,
                         testing::ValuesIn(test::kGeneratorFixedRows));
INSTANTIATE_TEST_SUITE_P(GeneratorChoices, CommandTable,
                         testing::ValuesIn(test::kGeneratorChoicesRows));
INSTANTIATE_TEST_SUITE_P(GeneratorDeviations, CommandTable,
                         testing::ValuesIn(test::kGeneratorDeviationsRows));
INSTANTIATE_TEST_SUITE_P(GeneratorValues, CommandTable,
                         testing::ValuesIn(test::kGeneratorValuesRows));
INSTANTIATE_TEST_SUITE_P(CoderValues, CommandTable, testing::ValuesIn(test::kCoderValuesRows));
INSTANTIATE_TEST_SUITE_P(CoderFormats, CommandTable, testing::ValuesIn(test::kCoderFormatsRows));
INSTANTIATE_TEST_SUITE_P(CoderEon, CommandTable, testing::ValuesIn(test::kCoderEonRows));
INSTANTIATE_TEST_SUITE_P(CoderClock, CommandTable, testing::ValuesIn(test::kCoderClockRows));

TEST(CommandTableKeys, KeysMatchExactlyWithCase) {
    for (const char* key :
         {"ps", "Pi", "uhr", "PS ", "EON_AFB", "EON_AFB6", "AF6", "HF-FREQUENZ", ""}) {
        QString value = QStringLiteral("D3");
        EXPECT_FALSE(commandLine(QString::fromUtf8(key), value, test::rowInputs()).has_value())
            << key;
        EXPECT_EQ(value, QStringLiteral("D3")) << key;
    }
}

TEST(CommandTableKeys, EonTextsCarryTheCurrentEonPiUnchanged) {
    TranslatorInputs in = test::rowInputs();
    in.eonPi = QStringLiteral("d3 ");
    QString value = QStringLiteral("1");
    EXPECT_EQ(commandLine(QStringLiteral("EON_TP"), value, in),
              QStringLiteral(R"(:STEREO:DIRECT "EON-TP=d3 ,1")"));
}

TEST(CommandTableKeys, TextsOutsideAsciiPassThrough) {
    QString value = QStringLiteral("Grüße");
    EXPECT_EQ(commandLine(QStringLiteral("RT"), value, test::rowInputs()),
              QStringLiteral(R"(:STEREO:DIRECT "RT=12,0,Grüße")"));
}

} // namespace
} // namespace zor
