#include "catalogue/ChangeRecord.h"

#include <gtest/gtest.h>

#include "catalogue/GiveBack.h"

namespace vistrel {
namespace {

const std::vector<Monitor> kOneScreen{{{0, 0, 1280, 1024}, {0, 0, 1280, 984}}};
const ProcessIdentity kOwner{42, 0x1DC8A0B11F2A3B4ull};
// The same id given to a process started later (after a restart, say).
const ProcessIdentity kLaterOwner{42, 0x1DC8A0B11F2A3B5ull};
const ProcessIdentity kOther{43, 0x1DC8A0B11F2A3B4ull};

ChangeRecord Sample() {
    ChangeRecord record;
    record.NoteParking(0x1A2B, {77, 0xABC}, 0x1A00, {{300, 200, 700, 500}, {20300, 20200}, false});
    record.NoteParking(0xFFFFFFFFFFFFFFFFull, {4294967295u, ~0ull}, 1, {{1, 1, 1281, 1025}, {32767, 32767}, true});
    record.NoteLayering(0x1A2B, {77, 0xABC}, true, LayeredAttributes{0x00FF00FF, 200, 3}, 0);
    record.NoteLayering(0x55, {78, 0}, false, std::nullopt, 128);
    record.NoteReleased(0x66, {79, 1});
    return record;
}

TEST(ChangeRecord, WhatIsWrittenReadsBackAndTheParkFileStaysAsItWas) {
    const ChangeRecord record = Sample();
    const ChangeRecord back = ChangeRecord::Parse(record.Format());
    EXPECT_EQ(back.Changes(), record.Changes());
    EXPECT_EQ(back.Format(), record.Format());
    EXPECT_EQ(record.ParkedLines().Format(), "1a2b 300 200\r\nffffffffffffffff 1 1\r\n");
    EXPECT_EQ(record.ParkedFor(0x1A00), std::vector<uint64_t>{0x1A2B});

    ChangeRecord given = record;
    given.ForgetPark(0x1A2B);
    ASSERT_NE(given.Find(0x1A2B), nullptr) << "its translucency is still out";
    given.ForgetLayer(0x1A2B);
    EXPECT_EQ(given.Find(0x1A2B), nullptr);
    // The handle passed to a window of another program: the old change is
    // none of the new window's.
    given.NoteLayering(0x55, {99, 5}, false, std::nullopt, 10);
    EXPECT_EQ(given.Find(0x55)->process, (ProcessIdentity{99, 5}));
    EXPECT_EQ(given.Find(0x55)->layer->earlier, 10);
}

TEST(ChangeRecord, ADamagedOrPlantedFileNamesNothingItDoesNotClearlyName) {
    const char* const lines[] = {
        "park 0 5 1 1 0 0 10 10 20000 20000 0",             // handle 0
        "park 1a -5 1 1 0 0 10 10 20000 20000 0",           // a process below 0
        "park 1a 5 -1 1 0 0 10 10 20000 20000 0",           // a start below 0
        "park 1b 5 1 1 0 0 10 10 20000 20000 2",            // not a flag
        "park 1c 5 1 1 10 10 0 0 20010 20010 0",            // a home inside out
        "park 1c 5 1 1 -2147483648 0 2147483647 10 0 0 0",  // a home wider than any coordinate reaches
        "park 1d 5 1 1 0 0 10 10 20000 20000 0 extra",      // a field too many
        "park 1e 5 1 1 0 0 10 10 20000",                    // fields missing
        "layer 1f 5 1 0 300 255 0",                         // an opacity past 255
        "layer 20 5 1 1 0 255 0 ff 200",                    // its own opacity half written
        "parked 21 5 1 1 0 0 10 10 20000 20000 0",          // no such kind
        "\xff\xfe garbage",
    };
    for (const char* line : lines) EXPECT_TRUE(ChangeRecord::Parse(line).Empty()) << line;
    // A window named twice is as its last line says.
    const ChangeRecord twice = ChangeRecord::Parse(
        "park 22 5 1 1 0 0 10 10 20000 20000 0\r\nnonsense\npark 22 5 1 1 50 60 70 80 20050 20060 0\n");
    ASSERT_EQ(twice.Changes().size(), 1u);
    EXPECT_EQ(twice.Find(0x22)->park->home, (Rect{50, 60, 70, 80}));
    // A huge file names no more windows than the program could ever change.
    std::string huge;
    for (uint64_t window = 1; window <= 3 * ChangeRecord::kMostRecorded; ++window)
        huge += "layer " + std::to_string(window) + " 5 1 0 0 0 0\n";
    EXPECT_EQ(ChangeRecord::Parse(huge).Changes().size(), ChangeRecord::kMostRecorded);
}

TEST(GiveBack, AParkedWindowComesHomeOnlyAsParkingLeftItAndOntoAMonitor) {
    WindowChange parked{0x10, kOwner, 0x10, ParkChange{{300, 200, 700, 500}, {20300, 20200}, false}, std::nullopt};
    WindowChange noted{0x13, kOwner, 0x13, ParkChange{{300, 200, 700, 500}, {20300, 30000}, false}, std::nullopt};
    WindowChange maximised{0x11, kOwner, 0x11, ParkChange{{1, 1, 1281, 1025}, {20001, 20001}, true}, std::nullopt};
    WindowChange fromOffScreen{0x12, kOwner, 0x12, ParkChange{{1500, 100, 1800, 300}, {21500, 20100}, false},
                               std::nullopt};
    const struct {
        const char* name;
        const WindowChange& change;
        WindowNow now;
        std::optional<Rect> place;
    } cases[] = {
        {"as parked", parked, {true, kOwner, true, {20300, 20200, 20700, 20500}}, Rect{300, 200, 700, 500}},
        // Killed after the move, before it was seen there: where parking
        // from its home puts a window is where it was left.
        {"seen nowhere yet", noted, {true, kOwner, true, {20300, 20200, 20700, 20500}}, Rect{300, 200, 700, 500}},
        {"moved by its program", parked, {true, kOwner, true, {20400, 20200, 20800, 20500}}, std::nullopt},
        {"its handle in another process", parked, {true, kOther, true, {20300, 20200, 20700, 20500}}, std::nullopt},
        {"its process's start unreadable now", parked, {true, {42, 0}, true, {20300, 20200, 20700, 20500}},
         Rect{300, 200, 700, 500}},
        {"its process id reused", parked, {true, kLaterOwner, true, {20300, 20200, 20700, 20500}}, std::nullopt},
        {"gone", parked, {}, std::nullopt},
        {"a child window now", parked, {true, kOwner, false, {20300, 20200, 20700, 20500}}, std::nullopt},
        {"maximised: the screen's size at (1, 1)", maximised, {true, kOwner, true, {20001, 20001, 20100, 20100}},
         Rect{1, 1, 1281, 1025}},
        // Parked from a place no monitor shows (or its monitor gone since):
        // moved onto the nearest one's work area, its size kept.
        {"home on no monitor", fromOffScreen, {true, kOwner, true, {21500, 20100, 21800, 20300}}, Rect{980, 100, 1280, 300}},
    };
    for (const auto& c : cases) EXPECT_EQ(ParkGiveBack(c.change, c.now, kOneScreen), c.place) << c.name;
}

TEST(GiveBack, PlacesOnAMonitor) {
    const std::vector<Monitor> two{{{0, 0, 1280, 1024}, {0, 0, 1280, 984}},
                                   {{1280, 0, 2560, 1024}, {1280, 0, 2560, 984}}};
    const struct {
        const char* name;
        Point home;
        Size size;
        Rect place;
    } cases[] = {
        {"on a monitor", {100, 100}, {300, 200}, {100, 100, 400, 300}},
        {"partly on one", {-250, -150}, {300, 200}, {-250, -150, 50, 50}},
        {"right of both", {3000, 500}, {300, 200}, {2260, 500, 2560, 700}},
        {"below, under the task bar", {200, 5000}, {300, 200}, {200, 784, 500, 984}},
        {"larger than the work area", {-5000, -5000}, {4000, 3000}, {0, 0, 1280, 984}},
        {"far out, nothing overflows", {2147483000, 2147483000}, {2000, 2000}, {1280, 0, 2560, 984}},
    };
    for (const auto& c : cases) EXPECT_EQ(PlaceOnAMonitor(c.home, c.size, two), c.place) << c.name;
}

TEST(GiveBack, ThePositionAloneSaysParkedOnlyWhereAHomeCouldBe) {
    const std::vector<Rect> one{{0, 0, 1280, 1024}};
    // Three 4K monitors side by side, 11520 physical pixels wide.
    const std::vector<Rect> wide{{0, 0, 3840, 2160}, {3840, 0, 7680, 2160}, {7680, 0, 11520, 2160}};
    EXPECT_TRUE(ParkedByPosition({20100, 20050, 20500, 20400}, one));
    EXPECT_FALSE(ParkedByPosition({10500, 100, 10800, 300}, one)) << "its home would be (-9500, -19900)";
    EXPECT_FALSE(ParkedByPosition({10500, 100, 10800, 300}, wide)) << "a window on the right-hand monitor";
    EXPECT_FALSE(ParkedByPosition({20100, 20050, 20100, 20400}, one)) << "no area";
    EXPECT_TRUE(ParkedByPosition({27680, 20000, 28000, 20300}, wide));
}

TEST(GiveBack, ATranslucentWindowIsKnownAgainByTheOpacityGivenIt) {
    WindowChange plain{0x20, kOwner, 0, std::nullopt, LayerChange{false, std::nullopt, 0, 0, false}};
    WindowChange own{0x21, kOwner, 0, std::nullopt, LayerChange{true, LayeredAttributes{0, 200, 2}, 90, 0, false}};
    WindowChange unreadable{0x22, kOwner, 0, std::nullopt, LayerChange{true, std::nullopt, 0, 0, false}};
    const LayeredAttributes alpha0{0, 0, 2}, alpha90{0, 90, 2}, opaque{0, 255, 2}, other{0, 120, 2};
    const struct {
        const char* name;
        const WindowChange& change;
        LayerNow now;
        LayerGiveBack result;
    } cases[] = {
        {"transparent as left", plain, {true, kOwner, true, alpha0}, LayerGiveBack::RemoveStyle},
        {"opaque, as a give-back that could not wait left it", plain, {true, kOwner, true, opaque},
         LayerGiveBack::RemoveStyle},
        {"its own opacity back", own, {true, kOwner, true, alpha90}, LayerGiveBack::RestoreAttributes},
        {"killed before the last change", own, {true, kOwner, true, alpha0}, LayerGiveBack::RestoreAttributes},
        {"layered anew by its program", own, {true, kOwner, true, other}, LayerGiveBack::Forget},
        {"its style gone", plain, {true, kOwner, false, std::nullopt}, LayerGiveBack::Forget},
        {"another process", plain, {true, kOther, true, alpha0}, LayerGiveBack::Forget},
        {"gone", plain, {}, LayerGiveBack::Forget},
        {"unreadable own layering: never left invisible", unreadable, {true, kOwner, true, alpha0},
         LayerGiveBack::MakeOpaque},
        {"no alpha in use", plain, {true, kOwner, true, LayeredAttributes{0, 0, 1}}, LayerGiveBack::Forget},
    };
    for (const auto& c : cases) EXPECT_EQ(LayerGiveBackOf(c.change, c.now), c.result) << c.name;
}

}  // namespace
}  // namespace vistrel
