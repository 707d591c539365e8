#include "catalogue/GridLayout.h"

#include "catalogue/ListPlace.h"

#include <gtest/gtest.h>

namespace vistrel {
namespace {

TEST(GridLayout, RowsOfColumnCountTenPixelsApart) {
    EXPECT_EQ(GridPositions(5, 2, 100, 80),
              (std::vector<Point>{{0, 0}, {110, 0}, {0, 90}, {110, 90}, {0, 180}}));
    EXPECT_EQ(GridPositions(3, 3, 244, 196), (std::vector<Point>{{0, 0}, {254, 0}, {508, 0}}));
}

TEST(GridLayout, DegenerateCounts) {
    EXPECT_TRUE(GridPositions(0, 4, 10, 10).empty());
    EXPECT_EQ(GridPositions(3, 0, 10, 20), (std::vector<Point>{{0, 0}, {0, 30}, {0, 60}}));
    EXPECT_EQ(GridPositions(2, -3, 10, 20), (std::vector<Point>{{0, 0}, {0, 30}}));
}

// A rebuild keeps the user's place by window: rows of two cells 100 high,
// 110 apart; the view scrolled 130 down shows the second row first, 20 cut off.
TEST(ListPlace, ARebuildFindsTheSelectionTheFocusAndTheFirstShownItemByWindow) {
    const ListGrid grid{2, 100, 110};
    EXPECT_EQ(grid.FirstShown(99), 0);
    EXPECT_EQ(grid.FirstShown(100), 2) << "a row whose bottom is the view's top is not shown";
    EXPECT_EQ(grid.FirstShown(215), 4);
    EXPECT_TRUE(grid.InView(2, 130, 100)) << "cut off at the top";
    EXPECT_TRUE(grid.InView(5, 130, 100)) << "cut off at the bottom";
    EXPECT_FALSE(grid.InView(5, 130, 90));
    EXPECT_FALSE(grid.InView(1, 100, 300));
    const auto w = [](uintptr_t n) { return reinterpret_cast<WindowHandle>(n); };
    ListPlace place;
    place.selected = {w(2), w(4)};
    place.focused = w(4);
    place.first = w(3);
    place.firstOffset = grid.TopOf(2) - 130;
    place.viewTop = 130;

    const struct {
        const char* what;
        std::vector<WindowHandle> now;
        PlaceAfter after;
    } cases[] = {
        {"a window before them closed", {w(2), w(3), w(4)}, {{0, 2}, 2, 20}},
        {"a new window first", {w(9), w(1), w(2), w(3), w(4)}, {{2, 4}, 4, 130}},
        {"the first shown one gone", {w(1), w(2), w(4)}, {{1, 2}, 2, 130}},
        {"everything gone", {w(7), nullptr}, {{}, -1, 130}},
    };
    for (const auto& c : cases) EXPECT_EQ(FindPlace(place, c.now, grid), c.after) << c.what;
}

}  // namespace
}  // namespace vistrel
