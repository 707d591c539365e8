#include "common/DpiScale.h"

#include <gtest/gtest.h>

namespace vistrel {
namespace {

TEST(DpiScale, LengthsRoundToTheNearestPixel) {
    struct Case {
        int length;
        int dpi;
        int expected;
    } const cases[] = {
        {638, 96, 638}, {638, 144, 957}, {478, 144, 717}, {17, 144, 26},  // 25.5 rounds up
        {-12, 144, -18}, {-15, 120, -19},                                  // font heights: -18.75
        {1, 120, 1},     {10, 168, 18},  {0, 192, 0},     {75, 192, 150},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ScaleToDpi(c.length, c.dpi), c.expected) << c.length << " at " << c.dpi;
}

TEST(DpiScale, RescaleBetweenMonitorsComesBack) {
    EXPECT_EQ(Rescale(957, 144, 96), 638);
    EXPECT_EQ(Rescale(638, 96, 144), 957);
    EXPECT_EQ(Rescale(5, 0, 96), 0);
    EXPECT_EQ(MulDivRound(-7, 1, -2), 4);  // 3.5, away from zero
}

TEST(DpiScale, PixelArtGrowsByWholeFactors) {
    struct Case {
        int dpi;
        int scale;
    } const cases[] = {{72, 1}, {96, 1}, {120, 1}, {143, 1}, {144, 2}, {168, 2}, {192, 2}, {240, 3}, {288, 3}};
    for (const Case& c : cases) EXPECT_EQ(PixelArtScale(c.dpi), c.scale) << c.dpi;
}

}  // namespace
}  // namespace vistrel
