#include "translate/CommandTable.h"

#include <gtest/gtest.h>

namespace zor {
namespace {

// Keys match exactly, with case; EON texts carry the current EON PI exactly as
// it stands. The lines of the whole table are checked on the wire.
TEST(CommandTable, KeysMatchWithCaseAndEonTextsCarryTheCurrentPiUnchanged) {
    const TranslatorInputs in{QStringLiteral("d3 "), QStringLiteral("12:34:56"), {}};
    for (const char* key :
         {"ps", "Pi", "uhr", "PS ", "EON_AFB", "EON_AFB6", "AF6", "HF-FREQUENZ", ""})
        EXPECT_FALSE(commandLine(QString::fromUtf8(key), QStringLiteral("D3"), in)) << key;
    EXPECT_EQ(commandLine(QStringLiteral("EON_TP"), QStringLiteral("1"), in),
              QStringLiteral(R"(:STEREO:DIRECT "EON-TP=d3 ,1")"));
}

} // namespace
} // namespace zor
