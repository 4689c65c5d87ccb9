#include "link/BusStatusText.h"

#include "link/BusAdapter.h"
#include "link/GpibCodes.h"

#include <gtest/gtest.h>

namespace zor {
namespace {

// The status lines of a bus message: the status word's bits by name in the
// driver's order (0x200 and 0x400 have none), the error by name only with
// the ERR bit and a known number, the count in upper-case hex. The words
// are the driver's sixteen bits, in two's complement.
TEST(BusStatusText, StatusErrorAndCountLines) {
    EXPECT_EQ(statusWordText(toInt16(0x8100)), "\r\nibsta = &H8100 < ERR CMPL>");
    EXPECT_EQ(statusWordText(0), "\r\nibsta = &H0 <>");
    EXPECT_EQ(statusWordText(-1), "\r\nibsta = &HFFFF < ERR TIMO END SRQI RQS CMPL LOK REM CIC "
                                  "ATN TACS LACS DTAS DCAS>");
    const std::int16_t err = toInt16(gpib::ERR);
    EXPECT_EQ(errorText(err, 2), "\r\niberr = ENOL <No Listener>");
    EXPECT_EQ(errorText(err, 0), "\r\niberr = EDVR <DOS Error>");
    EXPECT_EQ(errorText(err, 20), "\r\niberr = ETAB <Table overflow>");
    EXPECT_EQ(errorText(err, 8), "");
    EXPECT_EQ(errorText(err, 21), "");
    EXPECT_EQ(errorText(0, 0), "\r\niberr =  0");
    EXPECT_EQ(errorText(toInt16(0x2100), 6), "\r\niberr =  6");
    EXPECT_EQ(errorText(0, -3), "\r\niberr = -3");
    EXPECT_EQ(countText(0), "\r\nibcnt = 0x0");
    EXPECT_EQ(countText(255), "\r\nibcnt = 0xFF");
    EXPECT_EQ(countText(-1), "\r\nibcnt = 0xFFFF");
    EXPECT_EQ(toInt16(32768), -32768);
    EXPECT_EQ(toInt16(65535), -1);
    EXPECT_EQ(toInt16(0x12345), 0x2345);
    EXPECT_TRUE(hasError(toInt16(0x8000)));
    EXPECT_FALSE(hasError(toInt16(0x4100)));
}

// The bytes a read delivers replace the first blanks of the buffer, read as
// Latin-1, and never make it longer.
TEST(BusReadBuffer, BytesReadReplaceTheFirstBlanks) {
    EXPECT_EQ(overlayRead(QString(20, ' '), "98.5\n"), "98.5\n" + QString(15, ' '));
    EXPECT_EQ(overlayRead(QString(4, ' '), "123456"), "1234");
    EXPECT_EQ(overlayRead(QString(3, ' '), ""), "   ");
    EXPECT_EQ(overlayRead(QString(3, ' '), "\xE4"), "ä  ");
}

} // namespace
} // namespace zor
