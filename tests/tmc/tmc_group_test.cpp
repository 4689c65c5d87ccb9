// The TMC message (group 8A) as the page composes it, field by field.
#include "tmc/TmcCatalogue.h"
#include "tmc/TmcMessage.h"
#include "tmc/TmcStartUp.h"

#include <gtest/gtest.h>

namespace zor {
namespace {

QString eventEntry(const QString& code) {
    return tmcCatalogueEntry(u"Ereignis", code, kTmcEventNameWidth);
}

QString locationEntry(const QString& code) {
    return tmcCatalogueEntry(u"Ort", code, kTmcLocationNameWidth);
}

struct Composition {
    bool t, f;
    bool dp1, dp2, dp3;
    int direction;
    const char* extent;
    const char* event;
    const char* location;
    const char* display;
};

// Block 2 holds T, F and the duration (DP 3 weighs 4), block 3 direction,
// extent and the event's lowest eleven bits, block 4 the location's sixteen.
constexpr Composition kCompositions[] = {
    {false, true, false, false, false, 0, "2", "1", "12345", "0810013039"},
    {true, true, true, true, true, 0, "0", "1", "1", "1F00010001"},
    {false, false, false, true, false, 0, "0", "1", "1", "0200010001"},
    {false, true, false, false, false, 0, "0", "2047", "65535", "0807FFFFFF"},
    {false, true, false, false, false, 0, "0", "2048", "0", "0800000000"},
    {false, true, false, false, false, 0, "0", "2049", "123456", "0800015BA0"},
    {false, true, false, false, false, 1, "7", "0", "1", "0878000001"},
    {false, true, false, false, false, 0, "7", "0", "1", "0838000001"},
};

// Each field of the message sits at its bits in the display of the group.
TEST(TmcGroup, FieldsSitAtTheirBitsInTheThreeBlocks) {
    for (const Composition& c : kCompositions) {
        TmcMessage message;
        applyTmcStart(message, {eventEntry(u"1"_qs)}, {locationEntry(u"1"_qs)}, c.t);
        message.setF(c.f);
        message.setDurationBox(TmcDurationBox::Dp1, c.dp1);
        message.setDurationBox(TmcDurationBox::Dp2, c.dp2);
        message.setDurationBox(TmcDurationBox::Dp3, c.dp3);
        message.setDirection(c.direction);
        message.setExtent(QString::fromLatin1(c.extent));
        message.setEvent(eventEntry(QString::fromLatin1(c.event)));
        message.setLocation(locationEntry(QString::fromLatin1(c.location)));
        EXPECT_EQ(message.display(), QString::fromLatin1(c.display)) << c.display;
    }
}

// A duration box adds its weight once and takes it away when cleared; a
// direction beyond the two choices counts as the first.
TEST(TmcGroup, DurationBoxesAddTheirWeights) {
    TmcMessage message;
    message.setDurationBox(TmcDurationBox::Dp3, true);
    message.setDurationBox(TmcDurationBox::Dp1, true);
    EXPECT_EQ(message.fields().dp, "101");
    message.setDurationBox(TmcDurationBox::Dp3, false);
    message.setDurationBox(TmcDurationBox::Dp2, true);
    message.setDurationBox(TmcDurationBox::Dp2, true);
    EXPECT_EQ(message.fields().dp, "011");
    message.setDirection(2);
    EXPECT_EQ(message.fields().u, "0");
}

// Before the start-up the message shows "-"; the start-up takes the first
// entries with F set, and empty catalogues leave their fields at "-".
TEST(TmcGroup, StartUpShowsTheFirstEntriesWithFSetAndEverythingElseZero) {
    TmcMessage unset;
    EXPECT_EQ(unset.display(), "-000000000");

    TmcMessage message;
    applyTmcStart(message, {eventEntry(u"101"_qs), eventEntry(u"201"_qs)},
                  {locationEntry(u"12345"_qs), locationEntry(u"1"_qs)}, false);
    EXPECT_EQ(message.display(), "0800653039");
    EXPECT_EQ(message.fields().d, "0");
    EXPECT_EQ(tmcExtentEntries(), (QStringList{"0", "1", "2", "3", "4", "5", "6", "7"}));

    TmcMessage empty;
    applyTmcStart(empty, {}, {}, true);
    EXPECT_EQ(empty.fields().event, "-");
    EXPECT_EQ(empty.fields().local, "-");
    EXPECT_EQ(empty.display().size(), 10);
}

} // namespace
} // namespace zor
