// How the instrument reads lines that a sloppy or unusual sender might write:
// the reading rules themselves, checked on the instrument object directly.

#include "sim/SimInstrument.h"

#include <gtest/gtest.h>

namespace zor::sim {
namespace {

QByteArray value(const SimInstrument& instrument, const char* name) {
    return instrument.state().value(name);
}

TEST(SimInstrument, UnescapedQuotesAndSemicolonsStayInsideCoderTexts) {
    SimInstrument instrument;
    instrument.handleLine(R"(:STEREO:DIRECT "RT=12,0,say "hi" twice")");
    EXPECT_EQ(value(instrument, "RT"), R"(say "hi" twice)");

    instrument.handleLine(R"(:STEREO:DIRECT "RT=12,0,5" tall; ok";FREQ 1MHZ)");
    EXPECT_EQ(value(instrument, "RT"), R"(5" tall; ok)");
    EXPECT_EQ(value(instrument, "FREQ"), "1000000");
    EXPECT_EQ(value(instrument, "UNKNOWN"), "0");

    // A string that is never closed runs to the end of the line.
    instrument.handleLine(R"(:STEREO:DIRECT "PS=OPEN END)");
    EXPECT_EQ(value(instrument, "PS"), "OPEN END");
}

TEST(SimInstrument, HeadersAfterSemicolonMayContinueThePreviousPath) {
    SimInstrument instrument;
    instrument.handleLine("STEREO:PILOT:STATE ON;DEV 6000HZ;PHAS 12.5");
    EXPECT_EQ(value(instrument, "PIL"), "ON");
    EXPECT_EQ(value(instrument, "PIL-DEV"), "6000");
    EXPECT_EQ(value(instrument, "PIL-PH"), "12.5");

    // With a leading colon the header is absolute and must stand on its own.
    instrument.handleLine("STEREO:PILOT:STATE OFF;:DEV 5000HZ");
    EXPECT_EQ(value(instrument, "PIL-DEV"), "6000");
    EXPECT_EQ(value(instrument, "UNKNOWN-LAST"), ":DEV 5000HZ");
}

TEST(SimInstrument, RefusedValuesLeaveTheStateAndQueueAnError) {
    SimInstrument instrument;
    const QList<QByteArray> refused = {
        "FREQ 97.5XHZ",
        ":POW 30DBUVX",
        ":stereo:audio:mode SIDEWAYS",
        ":stereo:pilot:state MAYBE",
        ":stereo:deviation",
        ":STEREO:DIRECT \"NOKEY\"",
        ":STEREO:DIRECT \"STORE=6\"",
        ":STEREO:DIRECT \"EON-PS=NAME\"",
        ":STEREO:DIRECT \"RT=no fields\"",
        "*FOO",
    };
    const QByteArray before = instrument.state().toText();
    for (const QByteArray& line : refused) {
        SCOPED_TRACE(line.constData());
        instrument.handleLine(line);
        EXPECT_EQ(value(instrument, "UNKNOWN-LAST"), line);
    }
    EXPECT_EQ(instrument.rejectedCommands(), refused);
    EXPECT_EQ(value(instrument, "UNKNOWN"), QByteArray::number(refused.size()));

    QByteArray afterWithoutCounters = instrument.state().toText();
    afterWithoutCounters.replace("UNKNOWN=" + QByteArray::number(refused.size()), "UNKNOWN=0");
    afterWithoutCounters.replace("UNKNOWN-LAST=*FOO", "UNKNOWN-LAST=");
    EXPECT_EQ(afterWithoutCounters, before);

    EXPECT_EQ(instrument.handleLine("SYST:ERR?"), "-224,\"Illegal parameter value\"\n");
    instrument.handleLine("*CLS");
    EXPECT_EQ(instrument.handleLine("SYSTEM:ERROR:NEXT?"), "0,\"No error\"\n");
}

TEST(SimInstrument, SeveralQueriesInOneLineAnswerInOneLine) {
    SimInstrument instrument;
    EXPECT_EQ(instrument.handleLine("FREQ 88MHZ;FREQ?;:POW -20;POW?;:STEREO:DIRECT? \"PI\""),
              "88000000;-20;\"\"\n");
    EXPECT_TRUE(instrument.handleLine("FREQ 89MHZ").isEmpty());
}

TEST(SimInstrument, AfListsFillInArrivalOrder) {
    SimInstrument instrument;
    for (const char* list : {"N,98.5,87.6", "+,95.0", "+,96.0", "+,97.0", "+,99.0"})
        instrument.handleLine(QByteArray(":STEREO:DIRECT \"AF=") + list + '"');
    EXPECT_EQ(value(instrument, "AF1"), "98.5,87.6");
    EXPECT_EQ(value(instrument, "AF5"), "99.0");
    EXPECT_EQ(value(instrument, "UNKNOWN"), "0");

    instrument.handleLine(":STEREO:DIRECT \"AF=+,100.0\"");
    EXPECT_EQ(value(instrument, "UNKNOWN"), "1") << "a sixth list has no place";

    instrument.handleLine(":STEREO:DIRECT \"AF=101.1,102.2\"");
    EXPECT_EQ(value(instrument, "AF1"), "101.1,102.2") << "a list without marker starts anew";
    EXPECT_EQ(value(instrument, "AF2"), "");
}

TEST(SimInstrument, EonEntriesAreFiledByTheirPiWithoutBlanks) {
    SimInstrument instrument;
    instrument.handleLine(":STEREO:DIRECT \"EON-PI=d3c \"");
    instrument.handleLine(":STEREO:DIRECT \"EON-TP=d3c,1\"");
    instrument.handleLine(":STEREO:DIRECT \"EON-PTY=D3C,10\"");
    instrument.handleLine(":STEREO:DIRECT \"EON-TP=1234,0\"");
    EXPECT_EQ(value(instrument, "EON-TP,D3C"), "1");
    EXPECT_EQ(value(instrument, "EON-PTY,D3C"), "10");
    EXPECT_EQ(instrument.handleLine(":STEREO:DIRECT? \"EON-TP,d3c \""), "\"1\"\n");

    instrument.handleLine(":STEREO:DIRECT \"EON-DEL=D3C\"");
    EXPECT_FALSE(instrument.state().contains("EON-TP,D3C"));
    EXPECT_FALSE(instrument.state().contains("EON-PTY,D3C"));
    EXPECT_EQ(value(instrument, "EON-PI"), "");
    EXPECT_EQ(value(instrument, "EON-TP,1234"), "0") << "other networks stay";
}

} // namespace
} // namespace zor::sim
