#include "settings/AnsiText.h"
#include "support/SimLink.h"
#include "translate/CommandTable.h"

#include <gtest/gtest.h>

namespace zor::test {
namespace {

// One row of the command table as the operator's settings reach it: a key,
// its value text and the command line that must go out.
struct KeyRow {
    const char* key;
    const char* value;
    const char* line;
};

// Every row assumes the EON PI D3C3, the clock label 12:34:56 and 21:05:09
// on 7 March 2024 (an afternoon hour catches a twelve-hour clock, single-digit
// day and month catch missing zero padding).
const KeyRow kRows[] = {
    // Generator commands: fixed lines (the value is ignored), choices,
    // deviations and values carried as they are.
    {"AM_AUS", "1", "AM:STAT OFF"}, {"FM_AUS", "", "FM:STAT OFF"}, {"FM_EIN", "0", "FM:STAT ON"},
    {"STEREO_AUS", "x", "STEREO:STAT OFF"}, {"STEREO_EIN", "", "STEREO:STAT ON"},
    {"MPX_SOURCE", "0", "STEREO:STAT OFF"},
    {"MPX_SOURCE", "1", "STEREO:STAT ON;:stereo:source LREXT"},
    {"MPX_SOURCE", "2", "STEREO:STAT ON;:stereo:source SPEXT"},
    {"MPX_SOURCE", "3", "STEREO:STAT ON;:stereo:source LFGEN"}, {"MPX_SOURCE", "4", ""},
    {"MPX_IMPEDANZ", "1", ":stereo:external:impedanz 600"},
    {"MPX_IMPEDANZ", "2", ":stereo:external:impedanz 100"}, {"MPX_IMPEDANZ", "0", ""},
    {"STEREO_MODE", "1", ":stereo:audio:mode LEFT"},
    {"STEREO_MODE", "2", ":stereo:audio:mode RIGHT"},
    {"STEREO_MODE", "3", ":stereo:audio:mode REL"}, {"STEREO_MODE", "4", ":stereo:audio:mode REML"},
    {"STEREO_MODE", "5", ":stereo:audio:mode RNEL"}, {"STEREO_MODE", "6", ""},
    {"PREEMPHASIS", "0", ":stereo:audio:preemphasis:state OFF"},
    {"PREEMPHASIS", "1", ":stereo:audio:preemphasis:state ON;:stereo:audio:preemphasis 50us"},
    {"PREEMPHASIS", "2", ":stereo:audio:preemphasis:state ON;:stereo:audio:preemphasis 75us"},
    {"PREEMPHASIS", "3", ""},
    {"PILOT", "0", ":stereo:pilot:state OFF"}, {"PILOT", "1", ":stereo:pilot:state ON"},
    {"PILOT", " 1", ""},
    {"TP", "0", ":stereo:rds:traffic:program OFF"}, {"TP", "1", ":stereo:rds:traffic:program ON"},
    {"TP", "", ""},
    {"RDS", "0", ":stereo:rds:state OFF"}, {"RDS", "1", ":stereo:rds:state ON"}, {"RDS", "01", ""},
    {"ARI", "0", ":stereo:ari:state OFF"}, {"ARI", "1", ":stereo:ari:state ON"}, {"ARI", "ON", ""},
    {"ARI-ID", "0", ":stereo:ari:type:state OFF"},
    {"ARI-ID", "1", ":stereo:ari:type:state ON;:stereo:ari:type DK"},
    {"ARI-ID", "2", ":stereo:ari:type:state ON;:stereo:ari:type BK"},
    {"ARI-ID", "3", ":stereo:ari:type:state ON;:stereo:ari:type BKDK"}, {"ARI-ID", "4", ""},
    {"MPX_HUB", "07500", ":stereo:deviation 75000HZ"},
    {"MPX_HUB", "00000", ":stereo:deviation 0HZ"}, {"MPX_HUB", "x", ":stereo:deviation 0HZ"},
    {"MPX_HUB", "", ":stereo:deviation 0HZ"}, {"MPX_HUB", "  0300kHz", ":stereo:deviation 3000HZ"},
    {"MPX_HUB", "12.5", ":stereo:deviation 125HZ"}, {"MPX_HUB", "0.25", ":stereo:deviation 2.5HZ"},
    {"PILOT_HUB", "0675", ":stereo:pilot:deviation 6750HZ"},
    {"RDS_HUB", "0200", ":stereo:rds:deviation 2000HZ"},
    {"ARI-HUB", "0350", ":stereo:ari:deviation 3500HZ"},
    {"PILOT_PHASE", "-2.5", ":stereo:pilot:phase -2.5DEG"}, {"ARI-BK", "C", ":stereo:ari:bk C"},
    {"HF:PEGEL:STATE", "ON", ":OUTPUT:STAT ON"}, {"HF:PEGEL:STATE", "OFF", ":OUTPUT:STAT OFF"},
    {"HF-Frequenz", "98.5", "FREQ 98.5MHZ"}, {"HF-Pegel", "60", ":POW 60DBUV"},
    {"NF-Frequenz", "1.0", ":STEREO:AUDIO:FREQUENCY 1.0KHZ"},
    // Coder texts, wrapped for the coder option, padded and cut to their widths.
    {"TEST_M", "1", R"(:STEREO:DIRECT "BIN=1")"}, {"TEST_D", "3", R"(:STEREO:DIRECT "BIN=3")"},
    {"TA", "1", R"(:STEREO:DIRECT "TA=1")"}, {"RDS_PHASE", "45", R"(:STEREO:DIRECT "RDS-PH=45")"},
    {"AF1", "98.5,87.6", R"(:STEREO:DIRECT "AF=98.5,87.6")"},
    {"AF2", "90.1", R"(:STEREO:DIRECT "AF=90.1")"}, {"AF3", "", R"(:STEREO:DIRECT "AF=")"},
    {"AF4", "101.7,88", R"(:STEREO:DIRECT "AF=101.7,88")"},
    {"AF5", "107.9", R"(:STEREO:DIRECT "AF=107.9")"},
    {"GROUPSEQ", "0A,2A,8A", R"(:STEREO:DIRECT "GS=0A,2A,8A")"},
    {"GROUPSEQ_TN", "0A", R"(:STEREO:DIRECT "GS=0A")"},
    {"MS", "M", R"(:STEREO:DIRECT "MS=M")"}, {"DI", "3", R"(:STEREO:DIRECT "DI=3")"},
    {"RT", "Hello; \"you\"", R"(:STEREO:DIRECT "RT=12,0,Hello; "you"")"},
    {"RT", "Grüße", R"(:STEREO:DIRECT "RT=12,0,Grüße")"},
    {"RTB", "News", R"(:STEREO:DIRECT "RT=10,1,News")"},
    {"DEL_RT", "anything", R"(:STEREO:DIRECT "RT=0,0,")"},
    {"EON_DEL", "D3C4", R"(:STEREO:DIRECT "EON-DEL=D3C4")"},
    {"STORE", "2", R"(:STEREO:DIRECT "STORE=2")"},
    {"ODA", "0,CD46,0000", R"(:STEREO:DIRECT "3A=0,CD46,0000")"},
    {"TMC", "1,2,3", R"(:STEREO:DIRECT "8A=1,2,3")"},
    {"PS", "RADIO 1", R"(:STEREO:DIRECT "PS=RADIO 1 ")"},
    {"PS", "ABCDEFGHIJ", R"(:STEREO:DIRECT "PS=ABCDEFGH")"},
    {"PS", "", R"(:STEREO:DIRECT "PS=        ")"},
    {"PI", "D3C", R"(:STEREO:DIRECT "PI=D3C ")"}, {"PI", "D3C31", R"(:STEREO:DIRECT "PI=D3C3")"},
    {"PTY", "7", R"(:STEREO:DIRECT "PTY=07")"}, {"PTY", "", R"(:STEREO:DIRECT "PTY=00")"},
    {"PTY", "123", R"(:STEREO:DIRECT "PTY=23")"}, {"PTY", "31", R"(:STEREO:DIRECT "PTY=31")"},
    {"EON_PS", "RADIO", R"(:STEREO:DIRECT "EON-PS=D3C3,RADIO   ")"},
    {"EON_PS", "ABCDEFGHIJ", R"(:STEREO:DIRECT "EON-PS=D3C3,ABCDEFGH")"},
    {"EON_PI", "D4", R"(:STEREO:DIRECT "EON-PI=D4  ")"},
    {"EON_PI", "D4C4X", R"(:STEREO:DIRECT "EON-PI=D4C4")"},
    {"EON_TA", "1", R"(:STEREO:DIRECT "EON-TA=D3C3,1")"},
    {"EON_PTY", "10", R"(:STEREO:DIRECT "EON-PTY=D3C3,10")"},
    {"EON_TP", "0", R"(:STEREO:DIRECT "EON-TP=D3C3,0")"},
    {"EON_AFA", "98.5,87.6", R"(:STEREO:DIRECT "EON-AFA=D3C3,98.5,87.6")"},
    {"EON_AFB1", "98.5,90.1", R"(:STEREO:DIRECT "EON-AFB=D3C3,98.5,90.1")"},
    {"EON_AFB2", "2", R"(:STEREO:DIRECT "EON-AFB=D3C3,2")"},
    {"EON_AFB3", "3", R"(:STEREO:DIRECT "EON-AFB=D3C3,3")"},
    {"EON_AFB4", "4", R"(:STEREO:DIRECT "EON-AFB=D3C3,4")"},
    {"EON_AFB5", "5", R"(:STEREO:DIRECT "EON-AFB=D3C3,5")"},
    {"UHR", "1", R"(:STEREO:DIRECT "CT=12:34:56,07.03.24")"},
    {"UHR", "off", R"(:STEREO:DIRECT "CT=off")"}, {"UHR", "OFF", R"(:STEREO:DIRECT "CT=off")"},
    {"UHR", "oFf", R"(:STEREO:DIRECT "CT=off")"}, {"UHR", "AUS", R"(:STEREO:DIRECT "CT=off")"},
    {"UHR", "aus", R"(:STEREO:DIRECT "CT=12:34:56,07.03.24")"},
    {"UHR", "Aus", R"(:STEREO:DIRECT "CT=12:34:56,07.03.24")"},
    {"UHR", " OFF", R"(:STEREO:DIRECT "CT=12:34:56,07.03.24")"},
    {"ZEIT", "off", R"(:STEREO:DIRECT "CT=21:05:09,07.03.24")"},
};

// Keys match exactly, with case; EON texts carry the current EON PI exactly as
// it stands.
TEST(CommandTable, KeysMatchWithCaseAndEonTextsCarryTheCurrentPiUnchanged) {
    const TranslatorInputs in{QStringLiteral("d3 "), QStringLiteral("12:34:56"), {}};
    for (const char* key :
         {"ps", "Pi", "uhr", "PS ", "EON_AFB", "EON_AFB6", "AF6", "HF-FREQUENZ", ""})
        EXPECT_FALSE(commandLine(QString::fromUtf8(key), QStringLiteral("D3"), in)) << key;
    EXPECT_EQ(commandLine(QStringLiteral("EON_TP"), QStringLiteral("1"), in),
              QStringLiteral(R"(:STEREO:DIRECT "EON-TP=d3 ,1")"));
}

// The clock every row assumes.
class RowClock final : public Clock {
public:
    std::chrono::milliseconds elapsed() const override { return {}; }
    QDateTime localTime() const override { return now; }

    const QDateTime start{QDate(2024, 3, 7), QTime(21, 5, 9)};
    QDateTime now = start;
};

// The program's link to the simulated instrument, with the current values
// every row assumes.
struct RowLink : SimLink {
    explicit RowLink(Interface interface) : SimLink(interface, {}, clock) {
        current().eonPi = QStringLiteral("D3C3");
        current().clock = QStringLiteral("12:34:56");
    }
    static inline RowClock clock;
};

// Every row of the command table goes out exactly, in the ANSI code page:
// the line, then the line feed (serial) or the END mark the instrument
// records as a line feed (bus).
TEST(TranslatorOnTheWire, EveryRowGoesOutExactlyOverTheSerialLineAndTheBus) {
    for (const Interface interface : {Interface::Serial, Interface::Bus}) {
        RowLink link(interface);
        ASSERT_TRUE(link.ready()) << link.why().toStdString();
        QByteArray expected;
        for (const KeyRow& row : kRows) {
            link.instrument().send(QString::fromUtf8(row.key), QString::fromUtf8(row.value));
            expected += toAnsi(QString::fromUtf8(row.line)) + '\n';
        }
        EXPECT_TRUE(link.waitForSent(expected.size()));
        EXPECT_EQ(link.sentSinceOpening().toStdString(), expected.toStdString());
        EXPECT_TRUE(link.messages().messages.empty());
    }
}

// One log record per command, named by its key; nothing leaves in demo mode
// or for a key the table does not hold (keys match with case), and neither
// is logged.
TEST(TranslatorOnTheWire, OneRecordPerCommandAndNothingForDemoOrUnknownKeys) {
    SimLink link(Interface::Serial);
    ASSERT_TRUE(link.ready()) << link.why().toStdString();
    Instrument& instrument = link.instrument();
    for (const auto& [key, text] : {std::pair{"MPX_HUB", "07500"},
                                    {"MPX_IMPEDANZ", "0"},
                                    {"PS", "RADIO 1"},
                                    {"DEL_RT", "x"}})
        instrument.send(QString::fromUtf8(key), QString::fromUtf8(text));
    instrument.enterDemo();
    EXPECT_FALSE(instrument.send(QStringLiteral("PI"), QStringLiteral("D3")));
    ASSERT_TRUE(instrument.connect());
    EXPECT_FALSE(instrument.send(QStringLiteral("ps"), QStringLiteral("1")));
    EXPECT_FALSE(instrument.send(QStringLiteral("EON_AFB6"), QStringLiteral("1")));
    EXPECT_TRUE(instrument.send(QStringLiteral("PI"), QStringLiteral("D3")));

    // The carriage return is the new connection's.
    const QByteArray wire = ":stereo:deviation 75000HZ\n"
                            "\n"
                            ":STEREO:DIRECT \"PS=RADIO 1 \"\n"
                            ":STEREO:DIRECT \"RT=0,0,\"\n"
                            "\r:STEREO:DIRECT \"PI=D3  \"\n";
    EXPECT_TRUE(link.waitForSent(wire.size()));
    EXPECT_EQ(link.sentSinceOpening().toStdString(), wire.toStdString());
    EXPECT_EQ(link.logRecords(),
              QStringList({QStringLiteral("        MPX_HUB= \":stereo:deviation 75000HZ\""),
                           QStringLiteral("   MPX_IMPEDANZ= "),
                           QStringLiteral("             PS= \":STEREO:DIRECT \"PS=RADIO 1 \"\""),
                           QStringLiteral("         DEL_RT= \":STEREO:DIRECT \"RT=0,0,\"\""),
                           QStringLiteral("             PI= \":STEREO:DIRECT \"PI=D3  \"\"")}));
}

// The current EON PI and the clock are read anew for every command.
TEST(TranslatorOnTheWire, CurrentValuesAndClockAreReadForEveryCommand) {
    RowLink link(Interface::Serial);
    ASSERT_TRUE(link.ready()) << link.why().toStdString();
    link.instrument().send(QStringLiteral("EON_TA"), QStringLiteral("1"));
    link.current().eonPi = QStringLiteral("D4C4");
    RowLink::clock.now = RowLink::clock.start.addSecs(3600);
    link.instrument().send(QStringLiteral("EON_TA"), QStringLiteral("1"));
    link.instrument().send(QStringLiteral("ZEIT"), QStringLiteral("1"));
    RowLink::clock.now = RowLink::clock.start;

    const QByteArray wire = ":STEREO:DIRECT \"EON-TA=D3C3,1\"\n"
                            ":STEREO:DIRECT \"EON-TA=D4C4,1\"\n"
                            ":STEREO:DIRECT \"CT=22:05:09,07.03.24\"\n";
    EXPECT_TRUE(link.waitForSent(wire.size()));
    EXPECT_EQ(link.sentSinceOpening().toStdString(), wire.toStdString());
}

} // namespace
} // namespace zor::test
