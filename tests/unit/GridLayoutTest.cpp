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

// A rebuild keeps the user's place by window: two rows of two cells 100
// high, the view scrolled 130 down (the second row shown first, 20 cut off).
TEST(ListPlace, ARebuildFindsTheSelectionTheFocusAndTheFirstShownItemByWindow) {
    const auto w = [](uintptr_t n) { return reinterpret_cast<WindowHandle>(n); };
    const std::vector<PlaceItem> before = {
        {w(1), 0, 100, false}, {w(2), 0, 100, true}, {w(3), 110, 210, false}, {w(4), 110, 210, true}};
    const ListPlace place = NotePlace(before, w(4), 130);
    EXPECT_EQ(place.first, w(3));
    EXPECT_EQ(place.firstOffset, -20);

    const struct {
        const char* what;
        std::vector<PlaceItem> now;
        PlaceAfter after;
    } cases[] = {
        {"a window before them closed", {{w(2), 0, 100}, {w(3), 0, 100}, {w(4), 110, 210}}, {{0, 2}, 2, 20}},
        {"a new window first", {{w(9), 0, 100}, {w(1), 0, 100}, {w(2), 110, 210}, {w(3), 110, 210},
                                 {w(4), 220, 320}}, {{2, 4}, 4, 130}},
        {"the first shown one gone", {{w(1), 0, 100}, {w(2), 0, 100}, {w(4), 110, 210}}, {{1, 2}, 2, 130}},
        {"everything gone", {{w(7), 0, 100}, {nullptr, 0, 100}}, {{}, -1, 130}},
        {"the first shown one now alone", {{w(3), 0, 100}}, {{}, -1, 20}},
    };
    for (const auto& c : cases) EXPECT_EQ(FindPlace(place, c.now), c.after) << c.what;
}

}  // namespace
}  // namespace vistrel
