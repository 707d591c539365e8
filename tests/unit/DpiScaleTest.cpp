#include "common/DpiScale.h"

#include <gtest/gtest.h>

namespace vistrel {
namespace {

// Lengths at a DPI and back, rounded to the nearest pixel as MulDiv rounds.
TEST(DpiScale, LengthsRoundToTheNearestPixel) {
    const struct {
        int length, dpi, expected;
    } cases[] = {
        {638, 96, 638}, {638, 144, 957}, {17, 144, 26}, {-12, 144, -18}, {-15, 120, -19}, {10, 168, 18}, {0, 192, 0},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ScaleToDpi(c.length, c.dpi), c.expected) << c.length << " at " << c.dpi;
        EXPECT_EQ(Rescale(c.expected, c.dpi, kBaseDpi), c.length) << c.length << " at " << c.dpi;
    }
    EXPECT_EQ(Rescale(5, 0, 96), 0);
}

TEST(DpiScale, PixelArtGrowsByWholeFactors) {
    const struct {
        int dpi, scale;
    } cases[] = {{72, 1}, {120, 1}, {143, 1}, {144, 2}, {192, 2}, {240, 3}};
    for (const auto& c : cases) EXPECT_EQ(PixelArtScale(c.dpi), c.scale) << c.dpi;
}

}  // namespace
}  // namespace vistrel
