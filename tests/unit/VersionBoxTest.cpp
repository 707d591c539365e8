// The version box's decisions: its panel colour, the picture's jitter, wobble
// and mouse reactions, and the sprite they move.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <cstdint>
#include <limits>
#include <random>
#include <set>
#include <vector>

#include "controls/VersionBoxModel.h"
#include "controls/VersionSprite.h"

namespace vistrel {
namespace {

constexpr uint32_t kTint = 0xBFFFF1;

TEST(VersionBox, PaletteDisplaysGetAWhitePanel) {
    const struct {
        int bits;
        uint32_t panel;
    } cases[] = {
        {0, kVersionPanelWhite},  // depth unknown: as a palette display
        {1, kVersionPanelWhite},  {4, kVersionPanelWhite},  {8, kVersionPanelWhite},
        {10, kVersionPanelWhite}, {11, kTint},              {15, kTint},
        {16, kTint},              {24, kTint},              {32, kTint},
    };
    for (const auto& c : cases) EXPECT_EQ(VersionPanelColour(c.bits, kTint), c.panel) << c.bits;
}

TEST(VersionBox, JitterStaysWithinHalfTheRangeAroundHome) {
    const struct {
        int jumpXY;
        std::set<int> offsets;  // every offset some random number gives
    } cases[] = {
        {-3, {0}},
        {0, {0}},
        {1, {0}},
        {2, {0, 1}},
        {3, {-1, 0, 1}},
        {4, {-1, 0, 1, 2}},
        {5, {-2, -1, 0, 1, 2}},
    };
    for (const auto& c : cases) {
        std::set<int> seen;
        for (int random = 0; random < 100; ++random) seen.insert(JitterOffset(random, c.jumpXY));
        seen.insert(JitterOffset(std::numeric_limits<int>::max(), c.jumpXY));
        EXPECT_EQ(seen, c.offsets) << "JumpXY " << c.jumpXY;
    }
}

TEST(VersionBox, WobbleStepsOnePixelAndOnlyTowardsTheLimits) {
    const struct {
        int random, offset, limit, expected;
    } cases[] = {
        {6, 0, 5, 1},     {19, 4, 5, 5},    {9, 5, 5, 5},      // grows on 6..9 up to the limit
        {4, 0, 5, -1},    {10, -4, 5, -5},  {0, -5, 5, -5},    // shrinks on 0..4 down to it
        {5, 0, 5, 0},     {25, 3, 5, 3},                        // 5 leaves it
        {7, -10, 5, -9},  {3, -10, 5, -10},                     // squeezed: only grows back
        {2, 10, 5, 9},    {8, 10, 5, 10},                       // swollen: only shrinks back
        {9, 0, 0, 0},     {0, 0, 0, 0},                         // no wobble at limit 0
    };
    for (const auto& c : cases) {
        EXPECT_EQ(WobbleOffset(c.random, c.offset, c.limit), c.expected)
            << "random " << c.random << ", offset " << c.offset << ", limit " << c.limit;
    }
}

// Hands out the numbers given, in turn, over and over.
VersionAnimation::Random Numbers(std::vector<int> numbers) {
    return [numbers = std::move(numbers), next = size_t{0}]() mutable {
        return numbers[next++ % numbers.size()];
    };
}

VersionAnimation::Random Seeded(unsigned seed) {
    return [engine = std::minstd_rand(seed)]() mutable { return static_cast<int>(engine() & 0x7FFFFFFF); };
}

TEST(VersionBox, FramesAlternateWithJitterAndWobbleTakingTurns) {
    VersionAnimation animation(Numbers({9}));  // jitter 9 % 4 = 1; wobble grows
    animation.JumpXY = 4;
    const struct {
        int frame;
        bool moved;
        int size;
    } expected[] = {{0, true, 64}, {1, false, 65}, {0, true, 65}, {1, false, 66}, {0, true, 66}};
    for (const auto& e : expected) {
        const VersionAnimation::Tick tick = animation.Next();
        EXPECT_EQ(tick.frame, e.frame);
        EXPECT_EQ(tick.moved, e.moved);
        if (tick.moved) {
            EXPECT_EQ(tick.dx, 1);
            EXPECT_EQ(tick.dy, 1);
        }
        EXPECT_EQ(tick.size, e.size);
    }
}

TEST(VersionBox, WithoutJitterRangeThePictureStaysHome) {
    VersionAnimation animation(Seeded(7));
    animation.JumpXY = 0;
    for (int i = 0; i < 50; ++i) {
        const VersionAnimation::Tick tick = animation.Next();
        EXPECT_EQ(tick.dx, 0);
        EXPECT_EQ(tick.dy, 0);
    }
}

// A press just before a jitter tick: the picture is 54 x 54 on that tick,
// then grows by at most one pixel on every other tick until it is within the
// wobble limit, and stays within from then on.
TEST(VersionBox, APressSqueezesThePictureWhichGrowsBackSlowly) {
    for (unsigned seed = 1; seed <= 20; ++seed) {
        SCOPED_TRACE(seed);
        VersionAnimation animation(Seeded(seed));
        const int limit = animation.StretchMax;
        for (unsigned i = 0; i < 2 * (seed % 4); ++i) animation.Next();
        animation.MouseDownOnPicture();
        animation.MouseMoveOnPicture();  // still pressed: no swelling
        VersionAnimation::Tick tick = animation.Next();
        ASSERT_TRUE(tick.moved);
        EXPECT_EQ(tick.size, 54);
        int size = tick.size;
        bool within = false;
        for (int i = 0; i < 400; ++i) {
            tick = animation.Next();
            const int change = tick.size - size;
            size = tick.size;
            if (tick.moved) {
                EXPECT_EQ(change, 0);
            }
            if (within) {
                EXPECT_LE(std::abs(change), 1);
                EXPECT_TRUE(size >= 64 - limit && size <= 64 + limit) << "left the limit again at " << size;
            } else {
                EXPECT_TRUE(change == 0 || change == 1) << change;
                within = size >= 64 - limit;
            }
        }
        EXPECT_TRUE(within) << "still " << size;
    }
}

TEST(VersionBox, TheMouseSwellsThePictureUntilPressedAndThePanelForgetsThePress) {
    VersionAnimation animation(Numbers({5}));
    animation.MouseMoveOnPicture();
    EXPECT_EQ(animation.SizeOffset(), 10);
    animation.MouseDownOnPicture();
    EXPECT_EQ(animation.SizeOffset(), -10);
    animation.MouseMoveOnPicture();
    EXPECT_EQ(animation.SizeOffset(), -10);
    animation.MouseMoveOnPanel();
    animation.MouseMoveOnPicture();
    EXPECT_EQ(animation.SizeOffset(), 10);
    EXPECT_EQ(animation.Next().size, 74);
}

TEST(VersionBox, AWobbleLimitBeyondTheSpriteNeverTurnsThePictureInsideOut) {
    VersionAnimation animation(Numbers({0}));
    animation.StretchMax = 200;
    int smallest = kSpriteFrameSize;
    for (int i = 0; i < 300; ++i) smallest = std::min(smallest, animation.Next().size);
    EXPECT_EQ(smallest, 1);
}

// ---------------------------------------------------------------- sprite

uint32_t At(const std::vector<uint32_t>& strip, int frame, int x, int y) {
    return strip[static_cast<size_t>(y) * kSpriteStripWidth + frame * kSpriteFrameSize + x];
}

TEST(VersionSprite, TwoDifferentFramesOfAChickOnTheTransparentBlue) {
    const std::vector<uint32_t> strip = VersionSpriteStrip();
    ASSERT_EQ(strip.size(), static_cast<size_t>(kSpriteStripWidth) * kSpriteStripHeight);
    EXPECT_EQ(kSpriteTransparent, 0xFF0000u);  // blue as COLORREF
    int opaque[2] = {0, 0};
    int differing = 0;
    for (int frame = 0; frame < 2; ++frame) {
        for (int y = 0; y < kSpriteFrameSize; ++y) {
            for (int x = 0; x < kSpriteFrameSize; ++x) {
                const uint32_t pixel = At(strip, frame, x, y);
                const bool edge = x == 0 || y == 0 || x == kSpriteFrameSize - 1 || y == kSpriteFrameSize - 1;
                // The edges blend into the panel however the picture is stretched.
                if (edge) {
                    EXPECT_EQ(pixel, kSpriteTransparent) << frame << ": " << x << ", " << y;
                }
                if (pixel != kSpriteTransparent) ++opaque[frame];
                if (frame == 1 && pixel != At(strip, 0, x, y)) ++differing;
            }
        }
    }
    const int quarter = kSpriteFrameSize * kSpriteFrameSize / 4;
    EXPECT_GT(opaque[0], quarter);
    EXPECT_GT(opaque[1], quarter);
    EXPECT_GT(differing, kSpriteFrameSize * 4);  // more than a blink
}

}  // namespace
}  // namespace vistrel
