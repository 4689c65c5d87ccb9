// The simulated coder's groups, checked by the RDS standard's own rules:
// checkwords by polynomial division, fields at their bit positions, the
// standard's worked example for the date (6 September 1982 = MJD 45218).
// The coder is told everything as the program tells it, by coder texts.

#include "sim/GroupEncoder.h"
#include "sim/SimInstrument.h"

#include <gtest/gtest.h>
#include <map>
#include <vector>

namespace zor::sim {
namespace {

// Remainder of a 26-bit block divided by x^10+x^8+x^7+x^5+x^4+x^3+1: for a
// block as sent it is the offset word of its place.
std::uint32_t remainderOf(std::uint32_t block) {
    for (int bit = 25; bit >= 10; --bit) {
        if (block & (1u << bit))
            block ^= 0x5B9u << (bit - 10);
    }
    return block;
}

std::uint32_t blockBits(const RdsFrame& frame, int block) {
    std::uint32_t bits = 0;
    for (int i = 0; i < 26; ++i)
        bits = (bits << 1) | (frame.bit(block * 26 + i) ? 1u : 0u);
    return bits;
}

struct Coder {
    SimInstrument instrument;
    GroupEncoder encoder{instrument.state()};

    void send(std::initializer_list<const char*> texts) {
        for (const char* text : texts)
            instrument.handleLine(QByteArray(":STEREO:DIRECT \"") + text + '"');
    }
    std::vector<RdsFrame> frames(int count) {
        std::vector<RdsFrame> result;
        for (int i = 0; i < count; ++i)
            result.push_back(encoder.next());
        return result;
    }
    // The groups of one type (block B's top five bits: type and version).
    std::vector<GroupWords> groups(int count, int typeAndVersion) {
        std::vector<GroupWords> result;
        for (const RdsFrame& frame : frames(count)) {
            if (frame.kind() == RdsFrame::Kind::Group && frame.words()[1] >> 11 == typeAndVersion)
                result.push_back(frame.words());
        }
        return result;
    }
};

Coder onAir(std::initializer_list<const char*> texts) {
    Coder coder;
    coder.instrument.handleLine(":stereo:rds:state ON;:stereo:rds:traffic:program ON");
    coder.send({"PI=D3C3", "PTY=07", "PS=RADIO 1 "});
    coder.send(texts);
    return coder;
}

constexpr int type0A = 0x00, type2A = 0x04, type3A = 0x06, type4A = 0x08, type8A = 0x10,
              type14A = 0x1C, type14B = 0x1D;

TEST(RdsGroups, EveryBlockCarriesTheCheckwordOfItsPlace) {
    Coder coder =
        onAir({"RT=12,0,Checkwords", "AF=N,98.5,87.6", "EON-PI=D3C4", "EON-TP=D3C4,1",
               "EON-TA=D3C4,1", "3A=03,100066CD46", "8A=08,0810013039", "CT=12:34:56,06.12.24"});
    int versionB = 0;
    for (const RdsFrame& frame : coder.frames(800)) {
        ASSERT_EQ(frame.kind(), RdsFrame::Kind::Group);
        const bool b = frame.isVersionB();
        versionB += b;
        const std::uint32_t expected[4] = {0x0FC, 0x198, b ? 0x350u : 0x168u, 0x1B4};
        for (int block = 0; block < 4; ++block) {
            const std::uint32_t bits = blockBits(frame, block);
            EXPECT_EQ(bits >> 10, frame.words()[static_cast<std::size_t>(block)]);
            EXPECT_EQ(remainderOf(bits), expected[block]) << "block " << block;
        }
    }
    EXPECT_GT(versionB, 0) << "14B groups use offset C'";
}

TEST(RdsGroups, BasicTuningCarriesFlagsPsAndDecoderInformationBySegment) {
    Coder coder = onAir({"TA=1", "MS=S", "DI=9", "GS=00A"});
    const auto groups = coder.groups(4, type0A);
    ASSERT_EQ(groups.size(), 4u);
    const char* pairs[4] = {"RA", "DI", "O ", "1 "};
    for (int segment = 0; segment < 4; ++segment) {
        const GroupWords& g = groups[static_cast<std::size_t>(segment)];
        EXPECT_EQ(g[0], 0xD3C3);
        EXPECT_EQ(g[1] & 0x0400, 0x0400) << "TP";
        EXPECT_EQ((g[1] >> 5) & 0x1F, 7) << "PTY";
        EXPECT_EQ(g[1] & 0x10, 0x10) << "TA";
        EXPECT_EQ(g[1] & 0x08, 0) << "speech";
        EXPECT_EQ((g[1] >> 2) & 1, (9 >> (3 - segment)) & 1) << "DI d3 first";
        EXPECT_EQ(g[1] & 0x03, segment);
        EXPECT_EQ(g[3], (pairs[segment][0] << 8) | pairs[segment][1]);
    }
}

struct AfCase {
    std::vector<const char*> texts;
    std::vector<std::uint16_t> blockC; // one cycle of 0A block C
};

TEST(RdsGroups, AfListOneInMethodAAndTheOthersInMethodB) {
    const AfCase cases[] = {
        {{}, {0xE0CD}}, // no AF
        {{"AF=N,98.5,87.6,101.3"}, {0xE36E, 0x018A}},
        {{"AF=N,98.5,87.6"}, {0xE26E, 0x01CD}},            // a filler completes the pair
        {{"AF=N,98.5,86.0,108.5,87.6"}, {0xE26E, 0x01CD}}, // not codeable: left out
        // List 2 is one transmitter's: count 1 + 2 per pair, tuned 96.1, and
        // each pair in ascending order (same programme).
        {{"AF=N,98.5", "AF=+,96.1,95.0,99.9"}, {0xE16E, 0xE556, 0x4B56, 0x567C}},
    };
    for (const AfCase& c : cases) {
        Coder coder = onAir({"GS=00A"});
        for (const char* text : c.texts)
            coder.send({text});
        const auto groups = coder.groups(static_cast<int>(c.blockC.size()) * 2, type0A);
        for (std::size_t i = 0; i < groups.size(); ++i)
            EXPECT_EQ(groups[i][2], c.blockC[i % c.blockC.size()]) << "pair " << i;
    }
}

TEST(RdsGroups, RadioTextEndsWithCarriageReturnAndANewTextTurnsTheFlag) {
    Coder coder = onAir({"GS=02A", "RT=12,0,Hello world"});
    auto groups = coder.groups(4, type2A);
    ASSERT_EQ(groups.size(), 4u);
    const bool flag = groups[0][1] & 0x10;
    const std::uint16_t expected[3][2] = {{0x4865, 0x6C6C}, {0x6F20, 0x776F}, {0x726C, 0x640D}};
    for (int i = 0; i < 4; ++i) {
        const GroupWords& g = groups[static_cast<std::size_t>(i)];
        EXPECT_EQ(g[1] & 0x0F, i % 3) << "three segments, the last holding the CR";
        EXPECT_EQ(g[2], expected[i % 3][0]);
        EXPECT_EQ(g[3], expected[i % 3][1]);
        EXPECT_EQ(bool(g[1] & 0x10), flag);
    }
    const QByteArray full(64, 'x');
    coder.send({("RT=12,0," + full).constData()});
    groups = coder.groups(17, type2A);
    EXPECT_NE(bool(groups[0][1] & 0x10), flag);
    EXPECT_EQ(groups[0][1] & 0x0F, 0) << "a new text starts at its first segment";
    EXPECT_EQ(groups[15][3], 0x7878) << "64 characters need no CR";
    EXPECT_EQ(groups[16][1] & 0x0F, 0);
}

TEST(RdsGroups, ClockTimeGoesOutOnceAMinuteAtTheMinuteEdge) {
    Coder coder = onAir({"CT=12:34:56,06.09.82"});
    std::vector<qint64> clockSlots;
    std::vector<GroupWords> clock;
    for (qint64 slot = 0; slot < 1400; ++slot) {
        const RdsFrame frame = coder.encoder.next();
        if (frame.words()[1] >> 11 == type4A) {
            clockSlots.push_back(slot);
            clock.push_back(frame.words());
        }
    }
    ASSERT_EQ(clockSlots.size(), 2u);
    for (std::size_t i = 0; i < 2; ++i) {
        // The edge (4 s and 64 s after setting) lies within the group, so
        // its end is within 0.1 s after the edge.
        const double edge = 4.0 + 60.0 * static_cast<double>(i);
        const double end = static_cast<double>(clockSlots[i] + 1) * GroupEncoder::slotSeconds;
        EXPECT_GE(end, edge);
        EXPECT_LT(end - edge, 0.1);
        const GroupWords& g = clock[i];
        const std::uint32_t mjd = ((g[1] & 0x03u) << 15) | (g[2] >> 1);
        EXPECT_EQ(mjd, 45218u);
        EXPECT_EQ(((g[2] & 1) << 4) | (g[3] >> 12), 12) << "hour";
        EXPECT_EQ((g[3] >> 6) & 0x3F, 35 + static_cast<int>(i)) << "minute";
        EXPECT_EQ(g[3] & 0x3F, 0) << "local offset";
    }
    coder.send({"CT=off"});
    EXPECT_TRUE(coder.groups(1400, type4A).empty());
}

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
        SCOPED_TRACE(c.sequence);
        Coder coder =
            onAir({"RT=12,0,x", "8A=08,0810013039", "3A=03,100066CD46", "EON-PI=D3C4", c.sequence});
        const auto frames = coder.frames(static_cast<int>(c.types.size()));
        for (std::size_t i = 0; i < frames.size(); ++i)
            EXPECT_EQ(frames[i].words()[1] >> 11, c.types[i]) << "group " << i;
    }
}

TEST(RdsGroups, RdsOffSendsNothingAndTestModeSendsThePattern) {
    Coder coder = onAir({});
    coder.instrument.handleLine(":stereo:rds:state OFF");
    EXPECT_EQ(coder.encoder.next().kind(), RdsFrame::Kind::Silent);
    coder.instrument.handleLine(":stereo:rds:state ON");
    const char* patterns[] = {"00000000", "11111111", "01010101", "11001100"};
    for (int n = 1; n <= 4; ++n) {
        coder.send({("BIN=" + QByteArray::number(n)).constData()});
        const RdsFrame frame = coder.encoder.next();
        ASSERT_EQ(frame.kind(), RdsFrame::Kind::TestPattern);
        for (int i = 0; i < RdsFrame::bitCount; ++i)
            ASSERT_EQ(frame.bit(i), patterns[n - 1][i % 8] == '1') << n << " bit " << i;
    }
    coder.send({"BIN=0"});
    EXPECT_EQ(coder.encoder.next().kind(), RdsFrame::Kind::Group);
}

TEST(RdsGroups, OtherNetworkAndTmcFields) {
    Coder coder = onAir({"GS=14A,03A,08A", "EON-PI=D3C4", "EON-PS=D3C4,OTHER", "EON-TP=D3C4,1",
                         "EON-PTY=D3C4,10", "EON-AFB=D3C4,N,94.0,94.5", "3A=03,100066CD46",
                         "8A=08,0810013039", "3A=03,106100CD46"});
    std::map<int, std::uint16_t> variants;
    for (const GroupWords& g : coder.groups(60, type14A)) {
        EXPECT_EQ(g[3], 0xD3C4);
        EXPECT_EQ(g[1] & 0x10, 0x10) << "TP(ON)";
        variants[g[1] & 0x0F] = g[2];
    }
    EXPECT_EQ(variants[0], ('O' << 8) | 'T');
    EXPECT_EQ(variants[2], ('R' << 8) | ' ');
    EXPECT_EQ(variants[3], (' ' << 8) | ' ') << "PS(ON) padded to eight";
    EXPECT_EQ(variants[5], (65 << 8) | 70) << "tuned 94.0 mapped to 94.5";
    EXPECT_EQ(variants[13], 10 << 11) << "PTY(ON), TA(ON) clear";

    coder.send({"EON-TA=D3C4,1"});
    const auto traffic = coder.groups(60, type14B);
    ASSERT_FALSE(traffic.empty());
    EXPECT_EQ(traffic[0][1] & 0x18, 0x18) << "TP(ON) and TA(ON)";
    EXPECT_EQ(traffic[0][2], 0xD3C3);
    EXPECT_EQ(traffic[0][3], 0xD3C4);

    std::vector<std::uint16_t> messages;
    for (const GroupWords& g : coder.groups(24, type3A)) {
        EXPECT_EQ(g[1] & 0x1F, 0x10) << "data in 8A";
        EXPECT_EQ(g[3], 0xCD46);
        messages.push_back(g[2]);
    }
    ASSERT_GE(messages.size(), 4u);
    EXPECT_EQ(messages[0], messages[1]) << "each variant twice in a row";
    EXPECT_NE(messages[1], messages[2]) << "both variants in turn";
    const auto tmc = coder.groups(6, type8A);
    ASSERT_FALSE(tmc.empty());
    EXPECT_EQ(tmc[0][1] & 0x1F, 0x08);
    EXPECT_EQ(tmc[0][2], 0x1001);
    EXPECT_EQ(tmc[0][3], 0x3039);
}

} // namespace
} // namespace zor::sim
