#include "catalogue/GridLayout.h"

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

}  // namespace
}  // namespace vistrel
