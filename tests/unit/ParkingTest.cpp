#include "catalogue/Parking.h"

#include <gtest/gtest.h>

namespace vistrel {
namespace {

TEST(Parking, Decision) {
    const struct {
        Rect r;
        bool zoomed;
        ParkAction action;
    } cases[] = {
        {{100, 50, 100, 400}, false, ParkAction::None},          // no width
        {{100, 50, 500, 50}, true, ParkAction::None},            // no height
        {{100, 50, 500, 400}, false, ParkAction::MoveOut},
        {{100, 50, 500, 400}, true, ParkAction::RestoreMaximisedAndMoveOut},
        {{-8, -8, 1288, 1032}, true, ParkAction::RestoreMaximisedAndMoveOut},
        {{9999, 0, 10100, 100}, false, ParkAction::MoveOut},
        {{10000, 0, 10100, 100}, false, ParkAction::Unpark},
        {{20100, 20050, 20500, 20400}, true, ParkAction::Unpark},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ParkDecision(c.r, c.zoomed), c.action) << c.r.left << ',' << c.r.top;
    }
}

TEST(Parking, PositionsRoundTrip) {
    const Rect home{100, 50, 500, 400};
    const Point out = ParkedPosition(home);
    EXPECT_EQ(out, (Point{20100, 20050}));
    const Rect parked{out.x, out.y, out.x + home.width(), out.y + home.height()};
    EXPECT_TRUE(IsParkedLeft(parked.left));
    EXPECT_EQ(UnparkedPosition(parked), (Point{100, 50}));
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

}  // namespace
}  // namespace vistrel
