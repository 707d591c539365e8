#include "common/MonitorLayout.h"

#include <gtest/gtest.h>

namespace vistrel {
namespace {

// The primary with a task bar at its bottom, a second monitor to its right,
// and one left of and above it (negative coordinates), each with its work area.
const std::vector<Monitor> kMonitors = {
    {{0, 0, 1280, 1024}, {0, 0, 1280, 984}},
    {{1280, 0, 2560, 1024}, {1280, 0, 2560, 1024}},
    {{-1920, -300, 0, 780}, {-1920, -300, 0, 740}},
};

TEST(MonitorLayout, PicksTheMonitorOfAPointOrRectOrTheNearest) {
    const struct {
        Rect r;  // a point where it is empty
        int monitor;
    } cases[] = {
        {{1280, 0, 1280, 0}, 1}, {{-1, -300, -1, -300}, 2}, {{3000, 500, 3000, 500}, 1},  // right of every monitor
        {{-5, 900, -5, 900}, 0},                                                       // below the left one
        {{1000, 100, 1700, 500}, 1},                                                   // more of it on the second
        {{-300, 100, 200, 500}, 2},                                                    // more of it left of the primary
        {{-2500, 900, -2000, 1200}, 2}, {{20100, 20100, 20700, 20500}, 1},             // on none
    };
    for (const auto& c : cases) {
        const int found =
            c.r.width() == 0 ? MonitorAtPoint(kMonitors, {c.r.left, c.r.top}) : MonitorOfRect(kMonitors, c.r);
        EXPECT_EQ(found, c.monitor) << c.r.left << ',' << c.r.top;
    }
    EXPECT_EQ(MonitorAtPoint({}, {0, 0}), -1);
}

TEST(MonitorLayout, CentresInTheWorkAreaAndNeverPassesIt) {
    const struct {
        Rect work;
        Size size;
        Rect bounds;
    } cases[] = {
        {{0, 0, 1280, 984}, {638, 478}, {321, 253, 959, 731}},
        {{1280, 0, 2560, 1024}, {212, 140}, {1814, 442, 2026, 582}},
        {{-1920, -300, 0, 740}, {400, 300}, {-1160, 70, -760, 370}},
        {{1280, 0, 2560, 1024}, {3000, 500}, {1280, 262, 2560, 762}},  // too wide: cut
        {{0, 0, 800, 600}, {900, 700}, {0, 0, 800, 600}},
    };
    for (const auto& c : cases) EXPECT_EQ(CentredIn(c.work, c.size), c.bounds) << c.size.width;
}

// A dialog of a 212 x 107 client area at 96 DPI, and the main window of
// 638 x 478 outer, on a 100 % primary and a 150 % or 200 % monitor right of
// it. The frame is the one of the monitor's DPI.
TEST(MonitorLayout, FormsAreSizedForTheMonitorTheyOpenOn) {
    const Rect primary{0, 0, 1280, 984};
    const Rect second{1280, 0, 3200, 1200};
    const Rect frame96{-3, -22, 3, 3};
    const Rect frame144{-4, -31, 4, 4};
    const struct {
        const char* what;
        Rect work;
        Size size96;
        Rect frame;
        int dpi;
        Rect bounds;
    } cases[] = {
        {"dialog at 100 %", primary, {212, 107}, frame96, 96, {531, 426, 749, 558}},
        {"dialog at 150 %", second, {212, 107}, frame144, 144, {2077, 502, 2403, 698}},
        {"dialog at 125 %", second, {212, 107}, frame96, 120, {2104, 520, 2375, 679}},
        {"main window at 150 %", second, {638, 478}, {}, 144, {1761, 241, 2718, 958}},
        {"main window at 200 %", second, {638, 478}, {}, 192, {1602, 122, 2878, 1078}},
        {"too large at 200 %: cut to the work area", primary, {800, 500}, frame96, 192, {0, 0, 1280, 984}},
    };
    for (const auto& c : cases) EXPECT_EQ(FormBounds(c.work, c.size96, c.frame, c.dpi), c.bounds) << c.what;
}

}  // namespace
}  // namespace vistrel

namespace vistrel {
namespace {

// A thumbnail's tip never covers the thumbnail while the work area has room
// below or above it, and never leaves the work area.
TEST(MonitorLayout, ATipGoesBelowOrAboveWhatItDescribes) {
    const Rect work{0, 0, 1000, 800};
    const struct {
        const char* what;
        Rect item;
        Size tip;
        Point at;
    } cases[] = {
        {"below", {100, 100, 300, 260}, {200, 60}, {100, 262}},
        {"above at the foot of the screen", {100, 700, 300, 790}, {200, 60}, {100, 638}},
        {"moved in from the right edge", {900, 100, 1000, 200}, {200, 60}, {800, 202}},
        {"no room either way: the larger side, inside", {0, 100, 300, 760}, {200, 300}, {0, 0}},
        {"no room either way, more below", {0, 10, 300, 500}, {200, 400}, {0, 400}},
    };
    for (const auto& c : cases) EXPECT_EQ(TipPlace(c.item, c.tip, work), c.at) << c.what;
}

}  // namespace
}  // namespace vistrel
