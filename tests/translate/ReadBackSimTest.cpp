#include "support/SimLink.h"
#include "translate/ReadBack.h"

#include <gtest/gtest.h>

namespace zor::test {
namespace {

using B = ReadBackButton;

// Sets values on the instrument the way the pages do, with `eonPi` as the
// current EON PI.
void send(SimLink& link, const QString& eonPi,
          std::initializer_list<std::pair<const char*, const char*>> settings) {
    link.current().eonPi = eonPi;
    for (const auto& [key, text] : settings)
        link.instrument().send(QString::fromUtf8(key), QString::fromUtf8(text));
}

QString run(SimLink& link, B button, QChar separator = QLatin1Char('.')) {
    return runReadBack(button, link.instrument(), link.captions(), separator);
}

// Over the serial line: the coder's answer, and its question and answer in
// the command log.
TEST(ReadBackOnTheWire, ProgrammeServiceOverTheSerialLine) {
    SimLink link(Interface::Serial);
    ASSERT_TRUE(link.ready()) << link.why().toStdString();
    send(link, {}, {{"PS", "RADIO 1"}});
    EXPECT_EQ(run(link, B::Command5), QStringLiteral("RADIO 1 "));
    EXPECT_EQ(link.logRecords().mid(1),
              QStringList({QStringLiteral("            PS?= :STEREO:DIRECT? \"PS\""),
                           QStringLiteral("        Antwort= RADIO 1 ")}));
}

// Over the bus: an EON PI without a value goes verbatim into every later
// EON query; generator values come back with the decimal separator asked
// for, pilot settings in their units, and EON with the other network's PI.
TEST(ReadBackOnTheWire, GeneratorPilotAndEonOverTheBus) {
    SimLink link(Interface::Bus);
    ASSERT_TRUE(link.ready()) << link.why().toStdString();
    const QString shown = run(link, B::Command19);
    EXPECT_TRUE(shown.startsWith(QStringLiteral("EON-PI:   EON-PI no Answer / EON-PS:  ")))
        << shown.toStdString();
    const QByteArray asked = link.sentSinceOpening();
    EXPECT_TRUE(asked.contains(":STEREO:DIRECT? \"EON-PS,EON-PI no Answer\"\n"));
    EXPECT_TRUE(asked.endsWith(":STEREO:DIRECT? \"EON-AFB,EON-PI no Answer,5\"\n"));

    send(link, QStringLiteral("D3C4"),
         {{"HF-Frequenz", "87.5"}, {"HF-Pegel", "96.5"}, {"PILOT", "1"}, {"PILOT_HUB", "0675"},
          {"PILOT_PHASE", "12.5"}, {"EON_PI", "D3C4"}, {"EON_PS", "OTHER"}, {"EON_TP", "1"},
          {"EON_TA", "0"}, {"EON_AFB1", "98.5,90.1"}});
    EXPECT_EQ(run(link, B::Command10), QStringLiteral("87.5 MHz"));
    EXPECT_EQ(run(link, B::Command10, QLatin1Char(',')), QStringLiteral("87,5 MHz"));
    EXPECT_EQ(run(link, B::Command22, QLatin1Char(',')), QStringLiteral("-10,5 dBm"));
    EXPECT_EQ(run(link, B::Command14), QStringLiteral("Pilot ein\nHub: 6750 Hz\nPhase: 12.5°"));
    EXPECT_EQ(run(link, B::Command19),
              QStringLiteral("EON-PI:   D3C4 / EON-PS:  OTHER    / EON-TP:  1 / EON-TA:  0\n"
                             "EON-AFB1:  98.5,90.1\n"
                             "EON-AFB2:  EON-AFB,D3C4,2 no Answer\n"
                             "EON-AFB3:  EON-AFB,D3C4,3 no Answer\n"
                             "EON-AFB4:  EON-AFB,D3C4,4 no Answer\n"
                             "EON-AFB5:  EON-AFB,D3C4,5 no Answer\n"));
}

} // namespace
} // namespace zor::test
