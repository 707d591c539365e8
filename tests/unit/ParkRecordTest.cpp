#include "catalogue/ParkRecord.h"

#include "catalogue/GiveBack.h"

#include <gtest/gtest.h>

namespace vistrel {
namespace {

TEST(ParkRecord, LinesGoOutAndComeBackAndAParkAgainReplaces) {
    ParkRecord record;
    record.Parked({0x1A2B, 100, -20});
    record.Parked({0xFFFFFFFFFFFFFFFFull, -32000, 2147483647});
    record.Parked({0x1A2B, 7, 8});
    EXPECT_EQ(record.Format(), "ffffffffffffffff -32000 2147483647\r\n1a2b 7 8\r\n");
    const ParkRecord back = ParkRecord::Parse(record.Format());
    ASSERT_EQ(back.Windows().size(), 2u);
    EXPECT_EQ(back.Windows()[1].handle, 0x1A2Bu);
    EXPECT_EQ(back.Windows()[0].top, 2147483647);
    record.Unparked(0x1A2B);
    record.Unparked(0x9999);
    EXPECT_EQ(record.Windows().size(), 1u);
}

TEST(ParkRecord, ADamagedFileNamesNoWindowItDoesNotClearlyName) {
    const char* text =
        "12 3 4\n"           // fine, without the carriage return
        "zz 1 2\r\n"         // not hex
        "13 1\r\n"           // a field short
        "14 1 2 3\r\n"       // a field too many
        "15 99999999999 2\r\n"  // beyond 32 bits
        "0 1 2\r\n"          // no window has handle 0
        "\r\n  \r\n"
        "16  -5   6\n"      // spaces between fields
        "12 30 40";          // named again, without a line end: the last line holds
    const ParkRecord record = ParkRecord::Parse(text);
    ASSERT_EQ(record.Windows().size(), 2u);
    EXPECT_EQ(record.Windows()[0].handle, 0x16u);
    EXPECT_EQ(record.Windows()[0].left, -5);
    EXPECT_EQ(record.Windows()[1].handle, 0x12u);
    EXPECT_EQ(record.Windows()[1].left, 30);
}

TEST(ParkRecord, OnlyAWindowStillWhereParkingPutItCountsAsParked) {
    const Rect screen{0, 0, 1280, 1024};
    const Rect wideScreen{0, 0, 25600, 21600};
    const ParkedWindow window{1, 300, 200};
    EXPECT_TRUE(StandsParked(window, {20300, 20200, 20700, 20500}, screen));
    EXPECT_TRUE(StandsParked(window, {25600, 20200, 26000, 20500}, wideScreen));  // moved further out
    EXPECT_TRUE(StandsParked(window, {20300, 20200, 20700, 20500}, wideScreen));  // by another run's screen
    EXPECT_FALSE(StandsParked(window, {25600, 20200, 26000, 20500}, screen));
    EXPECT_FALSE(StandsParked(window, {300, 200, 700, 500}, screen));  // already home
    EXPECT_FALSE(StandsParked(window, {20301, 20200, 20701, 20500}, screen));  // moved since
    EXPECT_FALSE(StandsParked({1, 2147483647, 0}, {-2147463649, 20000, 0, 0}, screen));  // no wrap-around
}

TEST(ParkRecord, TheStartBringsHomeOnlyParkedTopLevelWindowsAndOntoAMonitor) {
    // The primary screen, and a monitor far up and left, where a line naming
    // a window on the primary screen puts its home.
    const std::vector<Monitor> monitors{{{0, 0, 1280, 1024}, {0, 0, 1280, 984}},
                                        {{-19500, -19800, -18000, -18800}, {-19500, -19800, -18000, -18800}}};
    const struct {
        const char* name;
        ParkedWindow line;
        Rect now;
        bool topLevel;
        std::optional<Rect> place;
    } cases[] = {
        {"parked, home on a screen", {1, 300, 200}, {20300, 20200, 20700, 20500}, true, Rect{300, 200, 700, 500}},
        {"home partly on a screen", {1, -100, -50}, {19900, 19950, 20300, 20250}, true, Rect{-100, -50, 300, 250}},
        {"a window on the screen", {1, 760 - 20000, 300 - 20000}, {760, 300, 1060, 500}, true, std::nullopt},
        {"a child window", {1, 300, 200}, {20300, 20200, 20700, 20500}, false, std::nullopt},
        // Its monitor gone: onto the nearest one's work area, its size kept.
        {"home off every screen", {1, -5000, 200}, {15000, 20200, 15400, 20500}, true, Rect{0, 200, 400, 500}},
        {"moved since", {1, 300, 200}, {20301, 20200, 20701, 20500}, true, std::nullopt},
    };
    for (const auto& c : cases) {
        const WindowNow now{true, {9, 1}, c.topLevel, c.now};
        EXPECT_EQ(ParkLineGiveBack(c.line, now, monitors), c.place) << c.name;
    }
    EXPECT_EQ(ParkLineGiveBack({1, 300, 200}, WindowNow{}, monitors), std::nullopt) << "a window that has gone";
}

}  // namespace
}  // namespace vistrel
