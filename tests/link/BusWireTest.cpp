#include "WireFixture.h"
#include "link/GpibCodes.h"

#include <QElapsedTimer>

namespace zor::test {
namespace {

class BusWire : public WireFixture {
protected:
    void startBus(const QStringList& simArguments = {}) {
        startLink(QStringLiteral("IEC"), simArguments,
                  SimProcess::binDir() + QStringLiteral("/libzor-gpib-sim.so"));
        ASSERT_TRUE(library->loaded()) << library->loadError().toStdString();
    }
};

// Commands and queries travel as bus messages, each read ending with its
// answer's END; going to local puts the link in demo mode.
TEST_F(BusWire, CommandsAndQueriesTravelAsBusMessages) {
    startBus();
    ASSERT_TRUE(channel->openInterface());
    EXPECT_GT(state.generatorDescriptor, 0);
    // The bus path writes whatever the demo flag says; the translator checks it.
    channel->Befehl_Senden(":STEREO:DIRECT \"PS=RADIO 1 \"");
    channel->Befehl_Senden("FREQ 98.5MHZ");
    QElapsedTimer took;
    took.start();
    EXPECT_EQ(channel->Q7_Abfrage("PS?", "PS").text, "RADIO 1 ");
    EXPECT_EQ(channel->ZOR_Abfrage("Freq?", "FREQ").text, "98500000");
    EXPECT_LT(took.elapsed(), 100) << "not after 50 ms";

    EXPECT_EQ(sim->recorded(), ":STEREO:DIRECT \"PS=RADIO 1 \"\nFREQ 98.5MHZ\n"
                               ":STEREO:DIRECT? \"PS\"\nFREQ?\n");
    EXPECT_EQ(logged(), logLine("PS?", ":STEREO:DIRECT? ", "PS") +
                            logLine("Text 142", "RADIO 1 ", "") + logLine("Freq?", "", "FREQ") +
                            logLine("Text 142", "98500000", ""));
    EXPECT_TRUE(messages.messages.empty());

    state.demo = false;
    channel->goToLocal();
    EXPECT_TRUE(state.demo);
    EXPECT_TRUE(messages.messages.empty());
}

// An address where nobody listens fails the clear with "no listener"; one
// outside the bus gets no descriptor, and each "no" to going on quits.
TEST_F(BusWire, WrongAddressesFailTheClearOrTheDescriptor) {
    startBus();
    state.generatorAddress = 5;
    EXPECT_FALSE(channel->openInterface());
    EXPECT_GT(state.generatorDescriptor, 0);
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(messages.messages[0].kind, "ask");
    EXPECT_EQ(messages.messages[0].text,
              "Busfehler\rGerät: ZOR\rClear-Error\r\rStatus:\r\nibsta = &H8000 < ERR>"
              "\r\niberr = ENOL <No Listener>\r\nibcnt = 0x0\r\rWeiter?");
    EXPECT_EQ(messages.quitRequests, 0);

    messages.messages.clear();
    state.generatorAddress = 31;
    messages.answerYes = false;
    EXPECT_FALSE(channel->openInterface());
    EXPECT_LT(state.generatorDescriptor, 0);
    ASSERT_EQ(messages.messages.size(), 2u);
    EXPECT_TRUE(messages.messages[0].text.contains("INIT-Error"));
    EXPECT_TRUE(messages.messages[0].text.contains("EARG <Invalid argument>"));
    EXPECT_EQ(messages.quitRequests, 2);
}

// A read that times out gives no value and shows the device status. The
// answer that comes after it gave up is cleared from the device before the
// next query, which gets its own.
TEST_F(BusWire, ATimedOutReadShowsTheStatusAndItsLateAnswerIsCleared) {
    startBus({QStringLiteral("--late"), QStringLiteral("150")});
    ASSERT_TRUE(channel->openInterface());
    channel->Befehl_Senden(":STEREO:DIRECT \"PS=RADIO 1 \"");
    EXPECT_EQ(channel->ZOR_Abfrage("Freq?", "FREQ").text, "FREQ Text 143");
    EXPECT_EQ(bus->iberr(), gpib::EABO);
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_TRUE(messages.messages[0].text.contains("\rText 141\r\rStatus:"));
    EXPECT_TRUE(messages.messages[0].text.contains("< ERR TIMO>"));
    qputenv("ZOR_SIM_GPIB_TIMEOUT_MS", "1000");
    EXPECT_EQ(channel->Q7_Abfrage("PS?", "PS").text, "RADIO 1 ");
    EXPECT_EQ(messages.messages.size(), 1u);
}

} // namespace
} // namespace zor::test
