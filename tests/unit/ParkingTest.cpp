#include "catalogue/Parking.h"

#include "catalogue/ItemChange.h"

#include <gtest/gtest.h>

namespace vistrel {
namespace {

TEST(Parking, Decision) {
    // Whether a window is parked is the parked test's answer, not its place:
    // a window standing past the threshold is parked only when so told.
    const struct {
        Rect r;
        bool zoomed, parked;
        ParkAction action;
    } cases[] = {
        {{100, 50, 100, 400}, false, false, ParkAction::None},  // no width
        {{100, 50, 500, 50}, true, false, ParkAction::None},    // no height
        {{100, 50, 500, 400}, false, false, ParkAction::MoveOut},
        {{100, 50, 500, 400}, true, false, ParkAction::RestoreMaximisedAndMoveOut},
        {{-8, -8, 1288, 1032}, true, false, ParkAction::RestoreMaximisedAndMoveOut},
        {{9999, 0, 10100, 100}, false, false, ParkAction::MoveOut},
        {{10500, 100, 10800, 300}, false, false, ParkAction::MoveOut},  // on a wide desktop
        {{10000, 0, 10100, 100}, false, true, ParkAction::Unpark},
        {{20100, 20050, 20500, 20400}, true, true, ParkAction::Unpark},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ParkDecision(c.r, c.zoomed, c.parked), c.action) << c.r.left << ',' << c.r.top;
    }
}

TEST(Parking, AMaximisedWindowParksWithItsMonitorsSizeAndComesHomeOnIt) {
    const std::vector<Monitor> monitors{{{0, 0, 1280, 1024}, {0, 0, 1280, 984}},
                                        {{1280, 0, 3200, 1080}, {1280, 0, 3200, 1040}}};
    const ParkChange primary = PlanPark({-8, -8, 1288, 1032}, true, monitors);
    EXPECT_EQ(primary.home, (Rect{1, 1, 1281, 1025}));
    EXPECT_EQ(primary.at, (Point{20001, 20001}));
    EXPECT_TRUE(primary.maximised);
    const ParkChange second = PlanPark({1272, -8, 3208, 1088}, true, monitors);
    EXPECT_EQ(second.home, (Rect{1281, 1, 3201, 1081}));
    EXPECT_EQ(second.at, (Point{21281, 20001}));
    const ParkChange plain = PlanPark({100, 50, 500, 400}, false, monitors);
    EXPECT_EQ(plain.home, (Rect{100, 50, 500, 400}));
    EXPECT_EQ(plain.at, (Point{20100, 20050}));
}

TEST(Parking, ParkedPlacesLeaveEveryMonitor) {
    const Rect primary{0, 0, 1280, 1024};
    const struct {
        const char* name;
        Rect home;
        Rect screen;
        Point parked;
    } cases[] = {
        {"on the primary", {100, 50, 500, 400}, primary, {20100, 20050}},
        {"on a second monitor", {1500, 40, 1900, 400}, {0, 0, 2560, 1024}, {21500, 20040}},
        {"left of the primary", {-1500, 100, -1100, 400}, {-1920, 0, 1280, 1024}, {18500, 20100}},
        {"above the primary", {100, -900, 500, -600}, {0, -1080, 1920, 1024}, {20100, 19100}},
        // The offset would leave it short of the threshold: right of the screen.
        {"far left", {-15000, 10, -14600, 300}, {-16000, 0, 1280, 1024}, {10000, 20010}},
        // Wider than the offset, the window still leaves the screen downwards.
        {"on a wide screen", {100, 50, 500, 400}, {0, 0, 25600, 1440}, {20100, 20050}},
        {"on a wide, tall screen", {100, 50, 500, 400}, {0, 0, 25600, 21600}, {25600, 20050}},
        // The offset would pass the system's limit, and right of the screen too.
        {"far down", {100, 14000, 500, 14300}, {0, 0, 1920, 16000}, {10000, 32767}},
        {"far down, wide", {100, 14000, 500, 14300}, {0, 0, 40000, 16000}, {20100, 16000}},
        // A maximised window parks from its home at (1, 1) with the screen's size.
        {"maximised", {1, 1, 2561, 1025}, {0, 0, 2560, 1024}, {20001, 20001}},
    };
    for (const auto& c : cases) {
        const Point p = ParkedPosition(c.home, c.screen);
        EXPECT_EQ(p, c.parked) << c.name;
        const Rect out{p.x, p.y, p.x + c.home.width(), p.y + c.home.height()};
        EXPECT_TRUE(IsParkedLeft(out.left)) << c.name;
        EXPECT_TRUE(out.left >= c.screen.right || out.top >= c.screen.bottom) << c.name;
        EXPECT_TRUE(StandsParkedFrom({c.home.left, c.home.top}, out, c.screen)) << c.name;
    }
    // Past the system's limit both ways: as far out as windows go.
    EXPECT_EQ(ParkedPosition({100, 50, 500, 400}, {0, 0, 40000, 40000}), (Point{32767, 32767}));
}

TEST(Parking, WithoutARecordAWindowComesHomeByTheOffset) {
    EXPECT_EQ(UnparkedPosition({20100, 20050, 20500, 20400}), (Point{100, 50}));
    // A parked maximised window comes back as a screen-sized one at (1, 1).
    EXPECT_EQ(UnparkedPosition({kParkedMaximisedPos, kParkedMaximisedPos, 21281, 21025}), (Point{1, 1}));
}

TEST(Parking, ListedAsParkedNeedsAreaAndThreshold) {
    EXPECT_TRUE(ListedAsParked({10000, 0, 10001, 1}));
    EXPECT_FALSE(ListedAsParked({9999, 0, 10300, 300}));
    EXPECT_FALSE(ListedAsParked({20000, 20000, 20000, 20300}));
    EXPECT_FALSE(IsParkedLeft(9999));
    EXPECT_TRUE(IsParkedLeft(10000));
}

// What the change tick does to an item whose window changed.
TEST(Parking, ItemChangePlans) {
    constexpr auto N = ParkStep::None;
    constexpr auto P = ParkStep::Park;
    constexpr auto U = ParkStep::Unpark;
    const struct {
        ItemFacts facts;  // openOnly, minimised now, marked, parked
        ItemPlan plan;    // restore first, park, remark, minimised mark, redraw
    } cases[] = {
        // Open Only: minimised by the user, restored and parked.
        {{true, true, false, false}, {true, P, false, false, true}},
        // Minimised while parked: restored and brought back.
        {{true, true, true, true}, {true, U, false, false, true}},
        // Still marked from a refresh that restored it: parked now.
        {{true, false, true, false}, {false, P, false, false, true}},
        {{true, false, false, false}, {false, N, false, false, true}},
        // Outside Open Only the marks follow the window.
        {{false, true, false, false}, {false, N, true, true, false}},
        {{false, false, true, false}, {false, N, true, false, true}},
        {{false, true, true, false}, {false, N, false, true, false}},
    };
    for (const auto& c : cases) {
        const ItemFacts& f = c.facts;
        EXPECT_EQ(PlanItemChange(f), c.plan) << f.openOnly << f.minimisedNow << f.marked << f.parked;
    }
}

}  // namespace
}  // namespace vistrel
