#include "link/BusStatusText.h"

#include "link/BusAdapter.h"
#include "link/GpibCodes.h"

#include <gtest/gtest.h>

namespace zor {
namespace {

TEST(BusStatusText, StatusWordNamesItsBitsInDriverOrder) {
    EXPECT_EQ(statusWordText(toInt16(0x8100)), "\r\nibsta = &H8100 < ERR CMPL>");
    EXPECT_EQ(statusWordText(0), "\r\nibsta = &H0 <>");
    EXPECT_EQ(statusWordText(toInt16(0x2100)), "\r\nibsta = &H2100 < END CMPL>");
    // Every bit; 0x200 and 0x400 have no name here.
    EXPECT_EQ(statusWordText(-1), "\r\nibsta = &HFFFF < ERR TIMO END SRQI RQS CMPL LOK REM CIC "
                                  "ATN TACS LACS DTAS DCAS>");
    EXPECT_EQ(statusWordText(toInt16(0x4000 | 0x8000)), "\r\nibsta = &HC000 < ERR TIMO>");
}

TEST(BusStatusText, ErrorTextDependsOnTheErrBit) {
    const std::int16_t err = toInt16(gpib::ERR);
    EXPECT_EQ(errorText(err, 2), "\r\niberr = ENOL <No Listener>");
    EXPECT_EQ(errorText(err, 7), "\r\niberr = ENEB <No GPIB board>");
    EXPECT_EQ(errorText(err, 0), "\r\niberr = EDVR <DOS Error>");
    EXPECT_EQ(errorText(err, 20), "\r\niberr = ETAB <Table overflow>");
    EXPECT_EQ(errorText(err, 8), "");
    EXPECT_EQ(errorText(err, 21), "");
    EXPECT_EQ(errorText(0, 0), "\r\niberr =  0");
    EXPECT_EQ(errorText(toInt16(0x2100), 6), "\r\niberr =  6");
    EXPECT_EQ(errorText(0, -3), "\r\niberr = -3");
}

TEST(BusStatusText, CountInUpperCaseHex) {
    EXPECT_EQ(countText(0), "\r\nibcnt = 0x0");
    EXPECT_EQ(countText(70), "\r\nibcnt = 0x46");
    EXPECT_EQ(countText(255), "\r\nibcnt = 0xFF");
    EXPECT_EQ(countText(-1), "\r\nibcnt = 0xFFFF");
}

TEST(BusStatusText, SixteenBitTwosComplement) {
    EXPECT_EQ(toInt16(0), 0);
    EXPECT_EQ(toInt16(32767), 32767);
    EXPECT_EQ(toInt16(32768), -32768);
    EXPECT_EQ(toInt16(0x8100), -32512);
    EXPECT_EQ(toInt16(65535), -1);
    EXPECT_EQ(toInt16(-1), -1);
    EXPECT_EQ(toInt16(65536), 0);
    EXPECT_EQ(toInt16(0x12345), 0x2345);
    EXPECT_TRUE(hasError(toInt16(0x8000)));
    EXPECT_FALSE(hasError(toInt16(0x4100)));
}

TEST(DeviceStatusText, JoinsCaptionsDeviceMessageAndStatus) {
    EXPECT_EQ(deviceStatusText("Fehler am IEC-Bus", "Programm fortsetzen?", "INIT-Error", "ZOR",
                               toInt16(0x8000), 2, 0),
              "Fehler am IEC-Bus\rGerät: ZOR\rINIT-Error\r\rStatus:"
              "\r\nibsta = &H8000 < ERR>\r\niberr = ENOL <No Listener>\r\nibcnt = 0x0"
              "\r\rProgramm fortsetzen?");
}

TEST(BusReadBuffer, BytesReadReplaceTheFirstBlanks) {
    EXPECT_EQ(overlayRead(QString(20, ' '), "98.5\n"), "98.5\n" + QString(15, ' '));
    EXPECT_EQ(overlayRead(QString(4, ' '), "123456"), "1234");
    EXPECT_EQ(overlayRead(QString(3, ' '), ""), "   ");
    EXPECT_EQ(overlayRead(QString(3, ' '), "\xE4"), "ä  ");
}

} // namespace
} // namespace zor
