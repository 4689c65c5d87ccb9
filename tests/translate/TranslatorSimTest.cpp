#include "KeyTableRows.h"
#include "settings/AnsiText.h"
#include "support/SimLink.h"

#include <gtest/gtest.h>

namespace zor::test {
namespace {

// The clock every row assumes.
class RowClock final : public Clock {
public:
    std::chrono::milliseconds elapsed() const override { return {}; }
    QDateTime localTime() const override { return now; }

    QDateTime now = rowInputs().now;
};

// The program's link to the simulated instrument, with the current values
// every row assumes.
struct RowLink : SimLink {
    explicit RowLink(Interface interface) : SimLink(interface, {}, clock) {
        current().eonPi = rowInputs().eonPi;
        current().clock = rowInputs().clockDisplay;
    }
    static inline RowClock clock;
};

// Sends every row of the command table and returns the bytes each interface
// must carry for them: the line, then the line feed (serial) or the END mark
// the instrument records as a line feed (bus).
QByteArray sendEveryRow(SimLink& link) {
    QByteArray expected;
    forEachKeyRow([&](const KeyRow& row) {
        link.instrument().send(QString::fromUtf8(row.key), QString::fromUtf8(row.value));
        expected += toAnsi(QString::fromUtf8(row.line)) + '\n';
    });
    return expected;
}

TEST(TranslatorOnTheWire, EveryRowGoesOutExactlyOverTheSerialLine) {
    RowLink link(Interface::Serial);
    ASSERT_TRUE(link.ready()) << link.why().toStdString();
    const QByteArray expected = sendEveryRow(link);
    EXPECT_TRUE(link.waitForSent(expected.size()));
    EXPECT_EQ(link.sentSinceOpening().toStdString(), expected.toStdString());
    EXPECT_TRUE(link.messages().messages.empty());
}

TEST(TranslatorOnTheWire, EveryRowGoesOutExactlyOverTheBus) {
    RowLink link(Interface::Bus);
    ASSERT_TRUE(link.ready()) << link.why().toStdString();
    const QByteArray expected = sendEveryRow(link);
    EXPECT_TRUE(link.waitForSent(expected.size()));
    EXPECT_EQ(link.sentSinceOpening().toStdString(), expected.toStdString());
}

TEST(TranslatorLog, OneRecordPerCommandNamedByItsKey) {
    SimLink link(Interface::Serial);
    ASSERT_TRUE(link.ready()) << link.why().toStdString();
    for (const auto& [key, text] : {std::pair{"MPX_HUB", "07500"},
                                    {"MPX_IMPEDANZ", "0"},
                                    {"PS", "RADIO 1"},
                                    {"DEL_RT", "x"}})
        link.instrument().send(QString::fromUtf8(key), QString::fromUtf8(text));

    const QByteArray wire = ":stereo:deviation 75000HZ\n"
                            "\n"
                            ":STEREO:DIRECT \"PS=RADIO 1 \"\n"
                            ":STEREO:DIRECT \"RT=0,0,\"\n";
    EXPECT_TRUE(link.waitForSent(wire.size()));
    EXPECT_EQ(link.sentSinceOpening().toStdString(), wire.toStdString());
    EXPECT_EQ(link.logRecords(),
              QStringList({QStringLiteral("        MPX_HUB= \":stereo:deviation 75000HZ\""),
                           QStringLiteral("   MPX_IMPEDANZ= "),
                           QStringLiteral("             PS= \":STEREO:DIRECT \"PS=RADIO 1 \"\""),
                           QStringLiteral("         DEL_RT= \":STEREO:DIRECT \"RT=0,0,\"\"")}));
}

TEST(TranslatorGuards, DemoAndUnknownKeysSendNothing) {
    SimLink link(Interface::Serial);
    ASSERT_TRUE(link.ready()) << link.why().toStdString();
    Instrument& instrument = link.instrument();

    instrument.enterDemo();
    EXPECT_FALSE(instrument.send(QStringLiteral("PI"), QStringLiteral("D3")));
    ASSERT_TRUE(instrument.connect());
    // The carriage return of the new connection.
    ASSERT_TRUE(link.waitForSent(1));
    const qsizetype reopened = 1;
    EXPECT_FALSE(instrument.send(QStringLiteral("ps"), QStringLiteral("1")));
    EXPECT_FALSE(instrument.send(QStringLiteral("EON_AFB6"), QStringLiteral("1")));
    // Only this last command may reach the instrument.
    EXPECT_TRUE(instrument.send(QStringLiteral("PI"), QStringLiteral("D3")));

    const QByteArray wire = ":STEREO:DIRECT \"PI=D3  \"\n";
    EXPECT_TRUE(link.waitForSent(reopened + wire.size()));
    EXPECT_EQ(link.sentSinceOpening().mid(reopened).toStdString(), wire.toStdString());
    EXPECT_EQ(link.logRecords(),
              QStringList({QStringLiteral("             PI= \":STEREO:DIRECT \"PI=D3  \"\"")}));
}

TEST(TranslatorInputs, CurrentValuesAndClockAreReadForEveryCommand) {
    RowLink link(Interface::Serial);
    ASSERT_TRUE(link.ready()) << link.why().toStdString();
    link.instrument().send(QStringLiteral("EON_TA"), QStringLiteral("1"));
    link.current().eonPi = QStringLiteral("D4C4");
    RowLink::clock.now = rowInputs().now.addSecs(3600);
    link.instrument().send(QStringLiteral("EON_TA"), QStringLiteral("1"));
    link.instrument().send(QStringLiteral("ZEIT"), QStringLiteral("1"));
    RowLink::clock.now = rowInputs().now;

    const QByteArray wire = ":STEREO:DIRECT \"EON-TA=D3C3,1\"\n"
                            ":STEREO:DIRECT \"EON-TA=D4C4,1\"\n"
                            ":STEREO:DIRECT \"CT=22:05:09,07.03.24\"\n";
    EXPECT_TRUE(link.waitForSent(wire.size()));
    EXPECT_EQ(link.sentSinceOpening().toStdString(), wire.toStdString());
}

} // namespace
} // namespace zor::test
