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

}  // namespace
}  // namespace vistrel
