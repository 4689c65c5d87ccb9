// The instrument object itself: what each command leaves in the state, what
// the queries answer, what it refuses, and the RDS groups its coder makes.

#include "sim/SimInstrument.h"

#include "sim/GroupEncoder.h"
#include "sim/MpxReceiver.h"

#include <gtest/gtest.h>
#include <map>
#include <vector>

namespace zor::sim {
namespace {

QByteArray direct(const QByteArray& text) {
    return ":STEREO:DIRECT \"" + text + '"';
}

// A query: "FREQ?" as written, anything else a coder key asked through DIRECT?.
QByteArray ask(SimInstrument& instrument, const QByteArray& query) {
    const QByteArray answer =
        instrument.handleLine(query.endsWith('?') ? query : ":STEREO:DIRECT? \"" + query + '"');
    return answer.endsWith('\n') ? answer.chopped(1) : answer;
}

// Each command leaves its value in the state; queries answer in the units
// the read-back page shows.
TEST(SimInstrument, CommandsSetTheStateAndQueriesAnswerInDisplayUnits) {
    const struct {
        const char* line;
        const char* name;
        const char* value;
        const char* query; // "" when the read-back page does not ask
        const char* answer;
    } cases[] = {
        {"FREQ 97.5MHZ", "FREQ", "97500000", "FREQ?", "97500000"},
        {"freq 88mhz;:Sour:Freq:CW 89MHZ", "FREQ", "89000000", ":sour:freq:cw?", "89000000"},
        {":POW 30DBUV", "POW", "-77", "POW?", "-77"},
        {":POW 0.5DBUV", "POW", "-106.5", "POW?", "-106.5"},
        {":OUTPUT:STAT ON", "OUTPUT", "ON", "", ""},
        {"FM:STAT ON;:FM:STAT OFF", "FM", "OFF", "", ""},
        {"STEREO:STAT ON;:stereo:source SPEXT", "SRC", "SPEXT", "SRC", "\"2\""},
        {"STEREO:STAT ON;:stereo:source LFGEN", "STEREO", "ON", "SRC", "\"3\""},
        {"STEREO:STAT OFF", "STEREO", "OFF", "SRC", "\"0\""},
        {":Stereo:Deviation 75000hz", "MPX-DEV", "75000", "mpx-dev", "\"7500\""},
        {":stereo:external:impedanz 100", "IMP", "100", "IMP", "\"2\""},
        {":stereo:external:impedanz 600", "IMP", "600", "IMP", "\"1\""},
        {":stereo:audio:mode REML", "MODE", "REML", "MODE", "\"4\""},
        {":stereo:audio:preemphasis:state ON;:stereo:audio:preemphasis 75us", "PRE-US", "75", "PRE",
         "\"2\""},
        {":stereo:audio:preemphasis 50", "PRE", "ON", "PRE", "\"1\""},
        {":stereo:audio:preemphasis:state OFF", "PRE", "OFF", "PRE", "\"0\""},
        {":stereo:pilot:state ON", "PIL", "ON", "PIL", "\"1\""},
        {":stereo:pilot:deviation 6755HZ", "PIL-DEV", "6755", "PIL-DEV", "\"675.5\""},
        {":stereo:pilot:phase -5DEG", "PIL-PH", "-5", "PIL-PH", "\"-50\""},
        {":stereo:pilot:phase 07DEG", "PIL-PH", "7", "PIL-PH", "\"70\""},
        // A header after ";" without a colon continues the previous path.
        {"STEREO:PILOT:STATE OFF;DEV 6000HZ;PHAS 12.5", "PIL-DEV", "6000", "PIL", "\"0\""},
        {"STEREO:PILOT:STATE OFF;DEV 6000HZ;PHAS 12.5", "PIL-PH", "12.5", "PIL-PH", "\"125\""},
        {":stereo:rds:traffic:program ON", "TP", "ON", "TP", "\"1\""},
        {":stereo:rds:state ON", "RDS", "ON", "RDS", "\"1\""},
        {":stereo:rds:deviation 2500HZ", "RDS-DEV", "2500", "RDS-DEV", "\"250\""},
        {":stereo:ari:state ON", "ARI", "ON", "ARI", "\"1\""},
        {":stereo:ari:deviation 3000HZ", "ARI-DEV", "3000", "ARI-DEV", "\"300\""},
        {":stereo:ari:type:state ON;:stereo:ari:type BKDK", "ARI-TYPE", "BKDK", "ARI-ID", "\"3\""},
        {":stereo:ari:type BK", "ARI-ID", "ON", "ARI-ID", "\"2\""},
        {":stereo:ari:type:state OFF", "ARI-ID", "OFF", "ARI-ID", "\"0\""},
        {":stereo:ari:bk F", "BK", "F", "BK", "\"F\""},
        {":STEREO:AUDIO:FREQUENCY 1.5KHZ", "AFREQ", "1500", "", ""},
        // Quotes are not escaped: one closes only before ";" or the line end.
        {R"(:STEREO:DIRECT "RT=12,0,say "hi" twice")", "RT", R"(say "hi" twice)", "RT",
         R"("say "hi" twice")"},
        {R"(:STEREO:DIRECT "RT=12,0,5" tall; ok";FREQ 1MHZ)", "RT", R"(5" tall; ok)", "FREQ?",
         "1000000"},
        {R"(:STEREO:DIRECT "PS=OPEN END)", "PS", "OPEN END", "PS", "\"OPEN END\""},
        {":STEREO:DIRECT \"RT=12,0,News; weather & \xe4rger\"", "RT-CTL", "12,0", "RT",
         "\"News; weather & \xe4rger\""},
        {":STEREO:DIRECT \"RT=0,0,\"", "RT", "", "RT", "\"\""},
    };
    SimInstrument instrument;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.line);
        EXPECT_EQ(instrument.handleLine(c.line), "") << "a line without a query answers nothing";
        EXPECT_EQ(instrument.state().value(c.name), c.value);
        if (*c.query) {
            EXPECT_EQ(ask(instrument, c.query), c.answer);
        }
    }

    // Coder values are kept byte for byte, never padded or corrected.
    for (const char* text :
         {"PS=RADIO 1 ", "PI=D3C ", "PTY=07", "TA=1", "MS=S", "DI=3", "GS=00A,02A,15A", "BIN=0",
          "RDS-PH=005", "CT=12:34:56,06.12.24", "CT=off", "3A=03,100066CD46", "8A=08,0810013039"}) {
        const QList<QByteArray> keyValue = QByteArray(text).split('=');
        instrument.handleLine(direct(text));
        EXPECT_EQ(instrument.state().value(keyValue[0]), keyValue[1]) << text;
        EXPECT_EQ(ask(instrument, keyValue[0]), '"' + keyValue[1] + '"') << text;
    }
    EXPECT_EQ(instrument.state().value("UNKNOWN"), "0");
    EXPECT_EQ(instrument.handleLine("FREQ 88MHZ;FREQ?;:POW -20;POW?;:STEREO:DIRECT? \"PI\""),
              "88000000;-20;\"D3C \"\n");
    EXPECT_EQ(ask(instrument, "NOKEY"), "\"\"") << "an unknown coder key answers no value";
}

// A refused command changes nothing and queues its error for SYST:ERR?.
TEST(SimInstrument, RefusedCommandsChangeNothingAndQueueTheirErrors) {
    const struct {
        const char* line;
        const char* error;
    } refused[] = {
        {"FREQ 97.5XHZ", "-224"},
        {":POW 30DBUVX", "-224"},
        {":stereo:audio:mode SIDEWAYS", "-224"},
        {":stereo:pilot:state MAYBE", "-224"},
        {":stereo:deviation", "-109"},
        {":STEREO:DIRECT \"NOKEY\"", "-224"},
        {":STEREO:DIRECT \"STORE=6\"", "-224"},
        {":STEREO:DIRECT \"EON-PS=NAME\"", "-224"},
        {":STEREO:DIRECT \"RT=no fields\"", "-224"},
        {"*FOO", "-113"},
        {"FROB 12", "-113"},
        // An absolute header stands on its own, whatever came before it.
        {"STEREO:PILOT:STATE OFF;:DEV 5000HZ", "-113"},
    };
    SimInstrument instrument;
    const QByteArray before = instrument.state().toText();
    int count = 0;
    for (const auto& c : refused) {
        SCOPED_TRACE(c.line);
        instrument.handleLine(c.line);
        EXPECT_TRUE(QByteArray(c.line).endsWith(instrument.state().value("UNKNOWN-LAST")));
        EXPECT_EQ(instrument.state().value("UNKNOWN"), QByteArray::number(++count));
    }
    QByteArray after = instrument.state().toText();
    after.replace("UNKNOWN=" + QByteArray::number(count), "UNKNOWN=0");
    after.replace("UNKNOWN-LAST=:DEV 5000HZ", "UNKNOWN-LAST=");
    EXPECT_EQ(after, before);

    for (const auto& c : refused)
        EXPECT_TRUE(instrument.handleLine("SYST:ERR?").startsWith(QByteArray(c.error) + ",\""))
            << c.line;
    EXPECT_EQ(instrument.handleLine("SYST:ERR?"), "0,\"No error\"\n");
    instrument.handleLine("FROB");
    instrument.handleLine("*CLS");
    EXPECT_EQ(instrument.handleLine("SYSTEM:ERROR:NEXT?"), "0,\"No error\"\n");
}

// AF lists, other networks and data sets are filed as they arrive.
TEST(SimInstrument, CoderListsNetworksAndDataSetsAreFiledAsTheyArrive) {
    const struct {
        const char* text; // a coder text; "" sends nothing
        const char* key;  // a state entry, or with "?" what the read-back page asks
        const char* value;
    } steps[] = {
        {"AF=N,98.5,87.6", "AF1", "98.5,87.6"},
        {"AF=+,95.0", "?AF2", "95.0"},
        {"AF=+,96.0", "AF3", "96.0"},
        {"AF=+,97.0", "AF4", "97.0"},
        {"AF=+,99.0", "AF5", "99.0"},
        {"AF=+,100.0", "UNKNOWN", "1"},           // a sixth list has no place
        {"AF=101.1,102.2", "AF1", "101.1,102.2"}, // a list without marker starts anew
        {"", "AF2", ""},
        {"AF=+,91.0", "AF2", "91.0"},
        {"AF=", "AF1", ""}, // an empty text empties every list
        {"", "AF2", ""},
        // Another network goes by its PI without blanks, in capitals; the
        // read-back page asks with the EON PI exactly as the coder gave it.
        {"EON-PI=d3c ", "?EON-PI", "d3c "},
        {"EON-PS=D3C,OTHER   ", "?EON-PS,d3c ", "OTHER   "},
        {"EON-TP=d3c,1", "?EON-TP,D3C ", "1"},
        {"EON-TA=D3C,0", "?EON-TA,D3C ", "0"},
        {"EON-PTY=D3C,10", "EON-PTY,D3C", "10"},
        {"EON-AFB=D3C,N,94.0,94.5", "EON-AFB,D3C,1", "94.0,94.5"},
        {"EON-AFB=D3C,+,99.9,100.5", "?EON-AFB,D3C ,2", "99.9,100.5"},
        {"EON-TP=1234,0", "EON-TP,1234", "0"},
        {"EON-DEL=D3C", "EON-PI", ""}, // forgets everything about that network
        {"", "EON-TP,D3C", ""},
        {"", "EON-TP,1234", "0"}, // other networks stay
        // A data set holds a snapshot of every coder value and TP.
        {"PS=FIRST   ", "STORE2", "0"},
        {"STORE=2", "STORE2.PS", "FIRST   "},
        {"", "STORE2.TP", "ON"},
        {"", "STORE1.PS", ""},
        {"PS=SECOND  ", "STORE2.PS", "FIRST   "},
        {"STORE=2", "STORE2", "2"}, // pressing a store button twice
        {"", "STORE2.PS", "SECOND  "},
    };
    SimInstrument instrument;
    instrument.handleLine(":stereo:rds:traffic:program ON");
    for (const auto& c : steps) {
        if (*c.text)
            instrument.handleLine(direct(c.text));
        if (*c.key == '?')
            EXPECT_EQ(ask(instrument, c.key + 1), '"' + QByteArray(c.value) + '"') << c.key;
        else
            EXPECT_EQ(instrument.state().value(c.key), c.value) << c.key << " after " << c.text;
    }
    EXPECT_FALSE(instrument.state().contains("EON-TP,D3C")) << "forgotten, not emptied";
}

// The coder's groups by the RDS standard's own rules; what a receiver reads
// from the basic fields is left to libv4l2rds in the on-air test.
constexpr int type0A = 0x00, type2A = 0x04, type3A = 0x06, type4A = 0x08, type8A = 0x10,
              type14A = 0x1C, type14B = 0x1D;

// A coder with RDS and TP on, PI D3C3, PTY 7 and PS "RADIO 1 ", then `texts`.
struct Coder {
    explicit Coder(const std::vector<const char*>& texts) {
        instrument.handleLine(":stereo:rds:state ON;:stereo:rds:traffic:program ON");
        send({"PI=D3C3", "PTY=07", "PS=RADIO 1 "});
        send(texts);
    }
    void send(const std::vector<const char*>& texts) {
        for (const char* text : texts)
            instrument.handleLine(direct(text));
    }
    // The groups of one type (block B's top five bits: type and version)
    // among the next `count` slots.
    std::vector<GroupWords> groups(int count, int typeAndVersion) {
        std::vector<GroupWords> result;
        for (int i = 0; i < count; ++i) {
            const RdsFrame frame = encoder.next();
            if (frame.kind() == RdsFrame::Kind::Group && frame.words()[1] >> 11 == typeAndVersion)
                result.push_back(frame.words());
        }
        return result;
    }

    SimInstrument instrument;
    GroupEncoder encoder{instrument.state()};
};

// Every block carries the checkword of its place, C' in version B.
TEST(RdsGroups, EveryBlockCarriesTheCheckwordOfItsPlace) {
    Coder coder({"RT=12,0,Checkwords", "AF=N,98.5,87.6", "EON-PI=D3C4", "EON-TP=D3C4,1",
                 "EON-TA=D3C4,1", "3A=03,100066CD46", "8A=08,0810013039", "CT=12:34:56,06.12.24"});
    int versionB = 0;
    for (int slot = 0; slot < 800; ++slot) {
        const RdsFrame frame = coder.encoder.next();
        ASSERT_EQ(frame.kind(), RdsFrame::Kind::Group);
        versionB += frame.isVersionB();
        std::array<std::uint32_t, 4> blocks{};
        for (int i = 0; i < RdsFrame::bitCount; ++i)
            blocks[static_cast<std::size_t>(i / 26)] = (blocks[i / 26] << 1) | frame.bit(i);
        EXPECT_EQ(groupOf(blocks), frame.words()) << "slot " << slot;
    }
    EXPECT_GT(versionB, 0) << "14B groups use offset C'";
}

// 3A announces both TMC variants in turn; 14A and 14B carry the other network.
TEST(RdsGroups, TmcAndOtherNetworkFields) {
    Coder coder({"3A=03,100066CD46", "3A=03,106100CD46", "EON-PI=D3C4", "EON-PTY=D3C4,10",
                 "EON-AFB=D3C4,N,94.0,94.5"});
    const auto system = coder.groups(40, type3A);
    ASSERT_GE(system.size(), 8u);
    for (std::size_t i = 0; i < 8; i += 2)
        EXPECT_EQ(system[i][2], system[i + 1][2]) << "each variant twice in a row";
    EXPECT_NE(system[1][2], system[2][2]) << "both variants in turn";

    std::map<int, std::uint16_t> variants;
    for (const GroupWords& g : coder.groups(100, type14A))
        variants[g[1] & 0x0F] = g[2];
    EXPECT_EQ(variants[5], (65 << 8) | 70) << "tuned 94.0 mapped to 94.5";
    EXPECT_EQ(variants[13], 10 << 11) << "PTY(ON), TA(ON) clear";
    coder.send({"EON-TP=D3C4,1", "EON-TA=D3C4,1"});
    const auto traffic = coder.groups(100, type14B);
    ASSERT_FALSE(traffic.empty());
    EXPECT_EQ(traffic[0][1] & 0x18, 0x18) << "TP(ON) and TA(ON)";
    EXPECT_EQ(traffic[0][2], 0xD3C3) << "own PI in C'";
    EXPECT_EQ(traffic[0][3], 0xD3C4);
}

// AF list 1 goes out in method A, the others in method B.
TEST(RdsGroups, AfListOneInMethodAAndTheOthersInMethodB) {
    const struct {
        std::vector<const char*> texts;
        std::vector<std::uint16_t> blockC; // one cycle of 0A block C
    } cases[] = {
        {{}, {0xE0CD}},                                    // no AF
        {{"AF=N,98.5,87.6"}, {0xE26E, 0x01CD}},            // a filler completes the pair
        {{"AF=N,98.5,86.0,108.5,87.6"}, {0xE26E, 0x01CD}}, // not codeable: left out
        // List 2 is one transmitter's: count 1 + 2 per pair, tuned 96.1, and
        // each pair in ascending order (same programme).
        {{"AF=N,98.5", "AF=+,96.1,95.0,99.9"}, {0xE16E, 0xE556, 0x4B56, 0x567C}},
    };
    for (const auto& c : cases) {
        Coder coder({"GS=00A"});
        coder.send(c.texts);
        const auto groups = coder.groups(static_cast<int>(c.blockC.size()) * 2, type0A);
        for (std::size_t i = 0; i < groups.size(); ++i)
            EXPECT_EQ(groups[i][2], c.blockC[i % c.blockC.size()]) << "pair " << i;
    }
}

// Radio text ends with a CR unless full; a new text turns the A/B flag.
TEST(RdsGroups, RadioTextEndsWithCarriageReturnAndANewTextTurnsTheFlag) {
    Coder coder({"GS=02A", "RT=12,0,Hello world"});
    const auto groups = coder.groups(4, type2A);
    ASSERT_EQ(groups.size(), 4u);
    const int flag = groups[0][1] & 0x10;
    for (std::size_t i = 0; i < 4; ++i)
        EXPECT_EQ(groups[i][1] & 0x1F, flag | static_cast<int>(i % 3)) << "segments up to the CR";
    EXPECT_EQ(groups[2][3], 0x640D) << "\"d\" and the CR";
    coder.send({("RT=12,0," + QByteArray(64, 'x')).constData()});
    const auto full = coder.groups(17, type2A);
    EXPECT_EQ(full[0][1] & 0x1F, flag ^ 0x10) << "a new text turns the flag, from segment 0";
    EXPECT_EQ(full[15][3], 0x7878) << "64 characters need no CR";
    EXPECT_EQ(full[16][1] & 0x0F, 0);
}

// The clock time goes out once a minute, at the minute edge; 6 September
// 1982 is MJD 45218, the standard's worked example.
TEST(RdsGroups, ClockTimeGoesOutOnceAMinuteAtTheMinuteEdge) {
    Coder coder({"CT=12:34:56,06.09.82"});
    std::vector<std::pair<qint64, GroupWords>> clock;
    for (qint64 slot = 0; slot < 1400; ++slot) {
        const RdsFrame frame = coder.encoder.next();
        if (frame.words()[1] >> 11 == type4A)
            clock.emplace_back(slot, frame.words());
    }
    ASSERT_EQ(clock.size(), 2u);
    for (std::size_t i = 0; i < 2; ++i) {
        // The edge (4 s and 64 s after setting) lies within the group, so
        // its end is within 0.1 s after the edge.
        const double late = static_cast<double>(clock[i].first + 1) * GroupEncoder::slotSeconds -
                            (4.0 + 60.0 * static_cast<double>(i));
        EXPECT_TRUE(late >= 0 && late < 0.1) << late;
        const GroupWords& g = clock[i].second;
        EXPECT_EQ(((g[1] & 0x03u) << 15) | (g[2] >> 1), 45218u) << "MJD";
        EXPECT_EQ(((g[2] & 1) << 4) | (g[3] >> 12), 12) << "hour";
        EXPECT_EQ((g[3] >> 6) & 0x3F, 35 + static_cast<int>(i)) << "minute";
        EXPECT_EQ(g[3] & 0x3F, 0) << "local offset";
    }
    coder.send({"CT=off"});
    EXPECT_TRUE(coder.groups(1400, type4A).empty());
}

// The group sequence decides the order and passes over types with nothing to send.
TEST(RdsGroups, TheGroupSequenceDecidesOrderAndPassesOverEmptyTypes) {
    const struct {
        const char* sequence;
        std::vector<int> types;
    } cases[] = {
        {"GS=02A,00A", {type2A, type0A, type2A, type0A}},
        {"GS=00A,15A,08A", {type0A, type8A, type0A, type8A}},
        {"GS=03A,08A,14A", {type3A, type8A, type14A, type3A}},
        {"GS=15A", {type0A, type0A}}, // nothing to send for 15A: 0A keeps the stream going
    };
    for (const auto& c : cases) {
        Coder coder(
            {"RT=12,0,x", "8A=08,0810013039", "3A=03,100066CD46", "EON-PI=D3C4", c.sequence});
        for (std::size_t i = 0; i < c.types.size(); ++i)
            EXPECT_EQ(coder.encoder.next().words()[1] >> 11, c.types[i])
                << c.sequence << " group " << i;
    }
}

// With RDS off nothing goes out; test mode sends its bit pattern.
TEST(RdsGroups, RdsOffSendsNothingAndTestModeSendsThePattern) {
    Coder coder({});
    coder.instrument.handleLine(":stereo:rds:state OFF");
    EXPECT_EQ(coder.encoder.next().kind(), RdsFrame::Kind::Silent);
    coder.instrument.handleLine(":stereo:rds:state ON");
    const int patterns[] = {0x00, 0xFF, 0x55, 0xCC};
    for (int n = 1; n <= 4; ++n) {
        coder.send({("BIN=" + QByteArray::number(n)).constData()});
        const RdsFrame frame = coder.encoder.next();
        ASSERT_EQ(frame.kind(), RdsFrame::Kind::TestPattern);
        for (int i = 0; i < RdsFrame::bitCount; ++i)
            ASSERT_EQ(frame.bit(i), (patterns[n - 1] >> (7 - i % 8)) & 1) << n << " bit " << i;
    }
    coder.send({"BIN=0"});
    EXPECT_EQ(coder.encoder.next().kind(), RdsFrame::Kind::Group);
}

} // namespace
} // namespace zor::sim
