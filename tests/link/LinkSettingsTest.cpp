// The link's settings as the window and zor-rds-cli both take them from the
// data folder: interface and bus addresses, and the serial line.
#include "link/BusAddresses.h"
#include "link/LineSettings.h"
#include "link/LinkState.h"
#include "link/SerialPort.h"
#include "settings/SerialSettings.h"
#include "support/TestDataFolder.h"

namespace zor {
namespace {

struct StoredAddresses {
    const char* zor1;
    const char* vex2;
    int generator;
    int second;
};

// The generator's address is held within the bus's 0 to 30 and is 28 when
// "ZOR1" holds no number; "VEX2" is not limited and without a number names
// no device at all.
constexpr StoredAddresses kAddressRows[] = {
    {"12", "7", 12, 7},       {" 7 ", "31", 7, 31},     {"12abc", ".5e1", 12, 5},
    {"2.5", "", 2, -1},       {"28.6", "x1", 29, -1},   {"-4", "-4", 0, -4},
    {"45", "45", 30, 45},     {"99999999999", "0", 30, 0},
    {"", "28", 28, 28},       {"abc", "-", 28, -1},     {"-", "abc", 28, -1},
};

// The addresses and the interface are read as the table says; "COM" must be
// written in capitals.
TEST(StoredLinkState, AddressesAndInterfaceFromTheGeneralSettingsFile) {
    test::TestDataFolder folder;
    for (const StoredAddresses& row : kAddressRows) {
        folder.write(kGeneralFile, "ADRESSEN", "ZOR1", QLatin1String(row.zor1));
        folder.write(kGeneralFile, "ADRESSEN", "VEX2", QLatin1String(row.vex2));
        const LinkState state = storedLinkState(folder.data());
        EXPECT_EQ(state.generatorAddress, row.generator) << row.zor1;
        EXPECT_EQ(state.secondAddress, row.second) << row.vex2;
        EXPECT_TRUE(state.demo);
    }
    for (const auto& [stored, serial] : {std::pair{"COM", true}, {"IEC", false},
                                         {"com", false}, {"", false}}) {
        folder.write(kGeneralFile, "BUS", "Interface", QLatin1String(stored));
        EXPECT_EQ(storedLinkState(folder.data()).serialInterface, serial) << stored;
    }
}

class SerialSettingsFile : public ::testing::Test, public test::TestDataFolder {
protected:
    QString read(const char* key) const { return TestDataFolder::read("Rs232.ini", "38xx", key); }

    const QString file = path("Rs232.ini");
};

// Reading takes the eight line keys, the address only when asked for; keys
// that are missing read as the usual values, and "PortN" names the device of
// port N.
TEST_F(SerialSettingsFile, ReadingTakesTheLineKeysAndTheDeviceOfTheirPort) {
    put("Rs232.ini", "[38xx]\r\nComPort=2\r\nBaud=4800\r\nDatenbits=7\r\nParitaet=E\r\n"
                     "Stoppbit=2\r\nHandshake=3\r\nEcho=0\r\nDemo=nodemo\r\nAdresse=Labor 3\r\n"
                     "Port2=/dev/ttyUSB0\r\n");
    SerialSettings settings(file);
    settings.readAll();
    EXPECT_EQ(settings.portNumber(), 2);
    EXPECT_EQ(settings.lineSettings(), "4800,E,7,2");
    EXPECT_EQ(settings.handshakeMode(), 3);
    EXPECT_EQ(settings.echo, "0");
    EXPECT_EQ(settings.demo, "nodemo");
    EXPECT_EQ(settings.address, "");
    settings.readAddress();
    EXPECT_EQ(settings.address, "Labor 3");
    SerialPort port(file);
    port.setPortNumber(2);
    EXPECT_EQ(port.deviceName(), "/dev/ttyUSB0");
    port.setPortNumber(3);
    EXPECT_EQ(port.deviceName(), usualSerialDevice(3));

    put("Rs232.ini", "[38xx]\r\nBaud=1200\r\n");
    settings.readAll();
    EXPECT_EQ(settings.comPort, "1");
    EXPECT_EQ(settings.lineSettings(), "1200,N,8,1");
    EXPECT_EQ(settings.handshake, "0");
    EXPECT_EQ(settings.demo, "demo");
    SerialSettings noFile(path("missing.ini"));
    noFile.readAll();
    EXPECT_EQ(noFile.lineSettings(), "9600,N,8,1");
}

// Writing all stores the line keys without demo and address; writing the
// demo choice stores those two; a file that cannot be written is refused.
TEST_F(SerialSettingsFile, WriteAllAndWriteDemoTouchOnlyTheirKeys) {
    SerialSettings settings(file);
    settings.comPort = "3";
    settings.baud = "19200";
    settings.demo = "nodemo";
    settings.address = "A7";
    ASSERT_TRUE(settings.writeAll());
    EXPECT_EQ(read("ComPort"), "3");
    EXPECT_EQ(read("Baud"), "19200");
    EXPECT_EQ(read("Stoppbit"), "1");
    EXPECT_EQ(read("Echo"), "0");
    EXPECT_EQ(read("Demo"), "");
    EXPECT_EQ(read("Adresse"), "");
    ASSERT_TRUE(settings.writeDemo());
    EXPECT_EQ(read("Demo"), "nodemo");
    EXPECT_EQ(read("Adresse"), "A7");

    SerialSettings unwritable(path("no/such/folder/Rs232.ini"));
    EXPECT_FALSE(unwritable.writeAll());
    EXPECT_FALSE(unwritable.writeDemo());
}

// A port or handshake number that cannot be used falls back to port 1 and
// no handshake; a line settings text that cannot be read to 9600,N,8,1.
TEST(SerialSettingsNumbers, UnusableNumbersFallBack) {
    SerialSettings settings;
    for (const char* text : {"0", "-2", "x", "300"}) {
        settings.comPort = text;
        EXPECT_EQ(settings.portNumber(), 1) << text;
    }
    settings.comPort = "4";
    EXPECT_EQ(settings.portNumber(), 4);
    settings.handshake = "5";
    EXPECT_EQ(settings.handshakeMode(), 0);
    settings.handshake = "2";
    EXPECT_EQ(settings.handshakeMode(), 2);

    const LineSettings odd = parseLineSettings("300,O,7,2");
    EXPECT_EQ(odd.baud, 300);
    EXPECT_EQ(odd.parity, Parity::Odd);
    EXPECT_EQ(odd.dataBits, 7);
    EXPECT_EQ(odd.stopBits, StopBits::Two);
    const LineSettings broken = parseLineSettings("fast,Q,9");
    EXPECT_EQ(broken.baud, 9600);
    EXPECT_EQ(broken.parity, Parity::None);
    EXPECT_EQ(broken.dataBits, 8);
    EXPECT_EQ(broken.stopBits, StopBits::One);
}

} // namespace
} // namespace zor
