#include "common/PixelRows.h"

#include <gtest/gtest.h>

#include <vector>

namespace vistrel {
namespace {

TEST(PixelRows, BgraGoesIntoACellOfABottomUpBitmapUpsideDownInMemory) {
    // 2 x 2 pixels, blue green red unused; the target is 3 pixels wide (9
    // bytes, padded to 12) and 3 rows high, the picture in its top-right cell.
    const std::vector<uint8_t> from = {1, 2, 3, 99, 4, 5, 6, 99,  //
                                       7, 8, 9, 99, 10, 11, 12, 99};
    std::vector<uint8_t> to(36, 0xEE);
    const ptrdiff_t stride = 12;
    // Bottom-up: the picture's top row is memory row 2.
    CopyBgraToBgr(from.data(), 8, to.data() + 2 * stride + 3, -stride, 2, 2);
    const std::vector<uint8_t> expected = {
        0xEE, 0xEE, 0xEE, 0xEE, 0xEE, 0xEE, 0xEE, 0xEE, 0xEE, 0xEE, 0xEE, 0xEE,  // untouched
        0xEE, 0xEE, 0xEE, 7, 8, 9, 10, 11, 12, 0xEE, 0xEE, 0xEE,                 // bottom row
        0xEE, 0xEE, 0xEE, 1, 2, 3, 4, 5, 6, 0xEE, 0xEE, 0xEE};                   // top row
    EXPECT_EQ(to, expected);
}

}  // namespace
}  // namespace vistrel
