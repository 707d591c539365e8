#include "main/Glyphs.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace vistrel {
namespace {

constexpr uint32_t kWhite = 0xFFFFFFFF;

int CountOpaque(const std::array<uint32_t, kGlyphSize * kGlyphSize>& pixels) {
    return static_cast<int>(std::count_if(pixels.begin(), pixels.end(), [](uint32_t p) { return p != 0; }));
}

TEST(Glyphs, IndexOutsideTheListIsBlank) {
    for (int index : {-1, kGlyphCount, kGlyphCount + 1, 1000}) {
        const auto pixels = GlyphPixels(index);
        EXPECT_TRUE(std::all_of(pixels.begin(), pixels.end(), [](uint32_t p) { return p == 0; })) << index;
    }
}

// The image list may be built with a mask as well as with alpha: a pixel is
// either fully opaque or fully clear, and clear pixels carry no colour.
TEST(Glyphs, EveryGlyphHasInkAndAHardEdgedMask) {
    for (int i = 0; i < kGlyphCount; ++i) {
        const auto pixels = GlyphPixels(i);
        EXPECT_GT(CountOpaque(pixels), 30) << i;
        for (uint32_t p : pixels) {
            const uint32_t alpha = p >> 24;
            ASSERT_TRUE(alpha == 0xFF || p == 0) << "glyph " << i << " pixel " << std::hex << p;
        }
    }
}

// A glyph pasted twice would make two commands look alike (on/off, the two
// check states, the two move buttons).
TEST(Glyphs, NoTwoGlyphsAreTheSame) {
    for (int i = 0; i < kGlyphCount; ++i) {
        for (int j = i + 1; j < kGlyphCount; ++j) {
            EXPECT_NE(GlyphPixels(i), GlyphPixels(j)) << i << " and " << j;
        }
    }
}

// The toolbar is white and the thumbnail marks (6, 18) are drawn into white
// cells, so a glyph's silhouette must not be white anywhere or its shape
// would bleed into the background.
TEST(Glyphs, SilhouetteIsNeverWhite) {
    for (int i = 0; i < kGlyphCount; ++i) {
        const auto pixels = GlyphPixels(i);
        const auto clear = [&](int x, int y) {
            return x < 0 || y < 0 || x >= kGlyphSize || y >= kGlyphSize || pixels[y * kGlyphSize + x] == 0;
        };
        for (int y = 0; y < kGlyphSize; ++y) {
            for (int x = 0; x < kGlyphSize; ++x) {
                if (clear(x, y) || pixels[y * kGlyphSize + x] != kWhite) continue;
                EXPECT_FALSE(clear(x - 1, y) || clear(x + 1, y) || clear(x, y - 1) || clear(x, y + 1))
                    << "glyph " << i << " at " << x << "," << y;
            }
        }
    }
}

}  // namespace
}  // namespace vistrel
