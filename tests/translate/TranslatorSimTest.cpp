#include "KeyTableRows.h"
#include "SimChannel.h"
#include "settings/AnsiText.h"
#include "translate/Translator.h"

#include <gtest/gtest.h>

namespace zor::test {
namespace {

// Sends every row of the command table and returns the bytes each interface
// must carry for them: the line, then the line feed (serial) or the END mark
// the instrument records as a line feed (bus).
QByteArray sendEveryRow(SimChannel& link) {
    Translator translator(link.channel(), rowInputs);
    QByteArray expected;
    forEachKeyRow([&](const KeyRow& row) {
        QString value = QString::fromUtf8(row.value);
        translator.Parameter_Senden(QString::fromUtf8(row.key), value,
                                    link.state().generatorDescriptor);
        expected += toAnsi(QString::fromUtf8(row.line)) + '\n';
    });
    return expected;
}

TEST(TranslatorOnTheWire, EveryRowGoesOutExactlyOverTheSerialLine) {
    SimChannel link(Interface::Serial);
    ASSERT_TRUE(link.ready()) << link.why().toStdString();
    const QByteArray expected = sendEveryRow(link);
    EXPECT_TRUE(link.waitForSent(expected.size()));
    EXPECT_EQ(link.sentSinceOpening().toStdString(), expected.toStdString());
    EXPECT_TRUE(link.messages().notes.isEmpty());
}

TEST(TranslatorOnTheWire, EveryRowGoesOutExactlyOverTheBus) {
    SimChannel link(Interface::Bus);
    ASSERT_TRUE(link.ready()) << link.why().toStdString();
    const QByteArray expected = sendEveryRow(link);
    EXPECT_TRUE(link.waitForSent(expected.size()));
    EXPECT_EQ(link.sentSinceOpening().toStdString(), expected.toStdString());
}

TEST(TranslatorLog, OneRecordPerCommandNamedByItsKey) {
    SimChannel link(Interface::Serial);
    ASSERT_TRUE(link.ready()) << link.why().toStdString();
    Translator translator(link.channel(), rowInputs);
    const std::int16_t generator = link.state().generatorDescriptor;
    for (const auto& [key, text] : {std::pair{"MPX_HUB", "07500"},
                                    {"MPX_IMPEDANZ", "0"},
                                    {"PS", "RADIO 1"},
                                    {"DEL_RT", "x"}}) {
        QString value = QString::fromUtf8(text);
        translator.Parameter_Senden(QString::fromUtf8(key), value, generator);
    }

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

TEST(TranslatorGuards, DemoUnknownKeysAndOtherDevicesSendNothing) {
    SimChannel link(Interface::Serial);
    ASSERT_TRUE(link.ready()) << link.why().toStdString();
    Translator translator(link.channel(), rowInputs);
    const std::int16_t generator = link.state().generatorDescriptor;

    link.state().demoFlag = QStringLiteral("demo");
    QString pi = QStringLiteral("D3");
    translator.Parameter_Senden(QStringLiteral("PI"), pi, generator);
    EXPECT_EQ(pi, QStringLiteral("D3"));

    link.state().demoFlag = QStringLiteral("nodemo");
    QString value = QStringLiteral("1");
    translator.Parameter_Senden(QStringLiteral("ps"), value, generator);
    translator.Parameter_Senden(QStringLiteral("EON_AFB6"), value, generator);
    // Another device: the record is written, the command stays in the program.
    translator.Parameter_Senden(QStringLiteral("TA"), value, generator + 1);
    // Only this last command may reach the instrument.
    translator.Parameter_Senden(QStringLiteral("PI"), pi, generator);
    EXPECT_EQ(pi, QStringLiteral("D3  "));

    const QByteArray wire = ":STEREO:DIRECT \"PI=D3  \"\n";
    EXPECT_TRUE(link.waitForSent(wire.size()));
    EXPECT_EQ(link.sentSinceOpening().toStdString(), wire.toStdString());
    EXPECT_EQ(link.logRecords(),
              QStringList({QStringLiteral("             TA= \":STEREO:DIRECT \"TA=1\"\""),
                           QStringLiteral("             PI= \":STEREO:DIRECT \"PI=D3  \"\"")}));
}

TEST(TranslatorInputs, AskedAgainForEveryCommand) {
    SimChannel link(Interface::Serial);
    ASSERT_TRUE(link.ready()) << link.why().toStdString();
    TranslatorInputs inputs = rowInputs();
    Translator translator(link.channel(), [&inputs] { return inputs; });
    QString value = QStringLiteral("1");
    translator.Parameter_Senden(QStringLiteral("EON_TA"), value, 0);
    inputs.eonPi = QStringLiteral("D4C4");
    inputs.now = inputs.now.addSecs(3600);
    translator.Parameter_Senden(QStringLiteral("EON_TA"), value, 0);
    translator.Parameter_Senden(QStringLiteral("ZEIT"), value, 0);

    const QByteArray wire = ":STEREO:DIRECT \"EON-TA=D3C3,1\"\n"
                            ":STEREO:DIRECT \"EON-TA=D4C4,1\"\n"
                            ":STEREO:DIRECT \"CT=22:05:09,07.03.24\"\n";
    EXPECT_TRUE(link.waitForSent(wire.size()));
    EXPECT_EQ(link.sentSinceOpening().toStdString(), wire.toStdString());
}

} // namespace
} // namespace zor::test
