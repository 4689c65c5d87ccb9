#include "settings/IniFile.h"
#include "tmc/TmcCatalogue.h"
#include "tmc/TmcMessage.h"
#include "tmc/TmcSend.h"
#include "tmc/TmcStartUp.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <utility>
#include <vector>

namespace zor {
namespace {

QString eventEntry(int code)
{
    return tmcCatalogueEntry(u"Ereignis", QString::number(code), kTmcEventNameWidth);
}

QString locationEntry(int code)
{
    return tmcCatalogueEntry(u"Ort", QString::number(code), kTmcLocationNameWidth);
}

// A message with every field set: T and F as given, no duration, forward,
// extent 0, event 1, location 1.
TmcMessage startedMessage(bool t = false, bool f = true)
{
    TmcMessage message;
    applyTmcStart(message, {eventEntry(1)}, {locationEntry(1)}, t);
    message.setF(f);
    return message;
}

QString block2(const TmcMessage& message)
{
    return message.display().left(2);
}

QString block3(const TmcMessage& message)
{
    return message.display().mid(2, 4);
}

QString block4(const TmcMessage& message)
{
    return message.display().right(4);
}

TEST(TmcGroup, WorkedExampleComposesAllThreeBlocks)
{
    TmcMessage message = startedMessage();
    message.setExtent(u"2");
    message.setEvent(eventEntry(1));
    message.setLocation(locationEntry(12345));

    EXPECT_EQ(message.display(), "0810013039");
}

TEST(TmcGroup, DurationBoxesAddTheirWeightsWithDp3MostSignificant)
{
    TmcMessage message = startedMessage();

    message.setDurationBox(TmcDurationBox::Dp3, true);
    message.setDurationBox(TmcDurationBox::Dp1, true);
    EXPECT_EQ(message.fields().dp, "101");
    message.setDurationBox(TmcDurationBox::Dp3, false);
    EXPECT_EQ(message.fields().dp, "001");
    message.setDurationBox(TmcDurationBox::Dp2, true);
    message.setDurationBox(TmcDurationBox::Dp2, true);
    EXPECT_EQ(message.fields().dp, "011");
}

TEST(TmcGroup, TAndFAndDurationFillTheFirstTwoCharacters)
{
    TmcMessage all = startedMessage(true, true);
    for (const auto box : {TmcDurationBox::Dp1, TmcDurationBox::Dp2, TmcDurationBox::Dp3})
        all.setDurationBox(box, true);
    const TmcMessage none = startedMessage(false, false);
    TmcMessage onlyDp2 = startedMessage(false, false);
    onlyDp2.setDurationBox(TmcDurationBox::Dp2, true);

    EXPECT_EQ(block2(all), "1F");
    EXPECT_EQ(block2(none), "00");
    EXPECT_EQ(block2(onlyDp2), "02");
}

TEST(TmcGroup, EventKeepsOnlyItsLowestElevenBits)
{
    TmcMessage message = startedMessage();

    message.setEvent(eventEntry(2047));
    EXPECT_EQ(message.fields().event, "11111111111");
    EXPECT_EQ(block3(message), "07FF");
    message.setEvent(eventEntry(2048));
    EXPECT_EQ(message.fields().event, "00000000000");
    EXPECT_EQ(block3(message), "0000");
    message.setEvent(eventEntry(2049));
    EXPECT_EQ(block3(message), "0001");
}

TEST(TmcGroup, DirectionAndExtentSitAboveTheEventInBlock3)
{
    TmcMessage message = startedMessage();
    message.setEvent(eventEntry(0));
    message.setExtent(u"7");

    message.setDirection(1);
    EXPECT_EQ(block3(message), "7800");
    message.setDirection(0);
    EXPECT_EQ(block3(message), "3800");
    message.setDirection(2);
    EXPECT_EQ(message.fields().u, "0");
}

TEST(TmcGroup, LocationFillsBlock4)
{
    TmcMessage message = startedMessage();

    message.setLocation(locationEntry(65535));
    EXPECT_EQ(block4(message), "FFFF");
    message.setLocation(locationEntry(0));
    EXPECT_EQ(block4(message), "0000");
    message.setLocation(tmcCatalogueEntry(u"Ort", u"123456", kTmcLocationNameWidth));
    EXPECT_EQ(block4(message), "5BA0"); // 23456
}

TEST(TmcGroup, UnsetFieldsCountAsZeroAndTheDisplayStaysTenCharacters)
{
    TmcMessage message;
    EXPECT_EQ(message.display(), "-000000000");

    message.setLocation(locationEntry(65535));
    EXPECT_EQ(message.display().size(), 10);
}

TEST(TmcGroup, StartUpShowsTheFirstEntriesWithFSetAndEverythingElseZero)
{
    TmcMessage message;
    applyTmcStart(message, {eventEntry(101), eventEntry(201)},
                  {locationEntry(12345), locationEntry(1)}, false);

    EXPECT_EQ(message.display(), "0800653039");
    EXPECT_EQ(message.fields().d, "0");
    EXPECT_EQ(message.fields().extent, "000");
    EXPECT_EQ(message.fields().dp, "000");
    EXPECT_EQ(tmcExtentEntries(), (QStringList{"0", "1", "2", "3", "4", "5", "6", "7"}));

    TmcMessage ticked;
    applyTmcStart(ticked, {eventEntry(101)}, {locationEntry(12345)}, true);
    EXPECT_EQ(ticked.display(), "1800653039");
}

TEST(TmcGroup, StartUpWithEmptyCataloguesLeavesTheirFieldsUnset)
{
    TmcMessage message;
    applyTmcStart(message, {}, {}, false);

    EXPECT_EQ(message.fields().event, "-");
    EXPECT_EQ(message.fields().local, "-");
    EXPECT_EQ(message.fields().f, "1");
    EXPECT_EQ(message.display().size(), 10);
}

TEST(TmcSend, OneClickSendsOdaTmcOdaAndLeavesTheLastOdaStored)
{
    QTemporaryDir dir;
    const QString dataSet = dir.filePath("Datenset1.INI");
    {
        QFile file(dataSet);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("[RDS]\r\nPI=D3C3\r\nTMC=\r\n");
    }
    std::vector<std::pair<QString, QString>> sent;
    QStringList stored;

    for (const TmcSendStep& step : tmcSendSteps("0810013039")) {
        sent.emplace_back(step.key, step.value);
        ASSERT_TRUE(Ini_Schreiben(kTmcStoreSection, kTmcStoreKey, step.value, dataSet));
        stored.append(Ini_Lesen("RDS", "TMC", dataSet));
    }

    EXPECT_EQ(sent, (std::vector<std::pair<QString, QString>>{{"ODA", "03,100066CD46"},
                                                              {"TMC", "08,0810013039"},
                                                              {"ODA", "03,106100CD46"}}));
    EXPECT_EQ(stored, (QStringList{"03,100066CD46", "08,0810013039", "03,106100CD46"}));
    QFile file(dataSet);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), "[RDS]\r\nPI=D3C3\r\nTMC=03,106100CD46\r\n");
}

} // namespace
} // namespace zor
