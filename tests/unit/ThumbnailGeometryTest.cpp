#include "catalogue/ThumbnailGeometry.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>

namespace vistrel {
namespace {

constexpr int32_t kMin = std::numeric_limits<int32_t>::min();
constexpr int32_t kMax = std::numeric_limits<int32_t>::max();

TEST(ThumbnailGeometry, SizeFromTrackBarPosition) {
    const struct {
        int screenW, screenH, position;
        Size expected;
    } cases[] = {
        {1280, 1024, 30, {240, 192}},   // three sixteenths of the screen
        {1280, 1024, 160, {1280, 1024}},
        {1280, 1024, 31, {247, 198}},   // 80 x 3.0999999: 247, where exact 3.1 would give 248
        {1920, 1080, 30, {360, 201}},   // base 120 x 67
        {1920, 1080, 33, {395, 221}},   // 120 x 3.2999999523: 395, not 396
        {1366, 768, 100, {850, 480}},   // base 85 x 48
    };
    for (const auto& c : cases) {
        const Size base = BaseCell(c.screenW, c.screenH);
        EXPECT_EQ(ThumbnailSize(base.width, base.height, c.position), c.expected)
            << c.screenW << 'x' << c.screenH << " at " << c.position;
    }
    EXPECT_LT(static_cast<double>(ThumbnailScale(31)), 3.1);
}

TEST(ThumbnailGeometry, ColumnCount) {
    const struct {
        int listViewWidth, thumbWidth, columns;
        int dpi = 96;
    } cases[] = {
        {600, 240, 2},
        {54 + 3 * 270, 240, 3, 144},  // margins of 54 and 30 at 150 %
        {54 + 3 * 270 - 1, 240, 2, 144},
        {36 + 3 * 260, 240, 3},
        {36 + 3 * 260 - 1, 240, 2},
        {300, 240, 1},   // narrower than one cell and its gaps
        {20, 240, 1},    // negative numerator
        {0, 1280, 1},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ColumnCount(c.listViewWidth, c.thumbWidth, c.dpi), c.columns) << c.listViewWidth;
    }
}

TEST(ThumbnailGeometry, ClampClipRect) {
    const struct {
        const char* what;
        ClipRect slot;
        int winW, winH;
        ClipRect expected;
    } cases[] = {
        {"inside", {10, 10, 50, 40}, 200, 100, {10, 10, 50, 40}},
        {"negative origin", {-5, -7, 50, 40}, 200, 100, {0, 0, 50, 40}},
        {"overhangs right and bottom", {150, 80, 100, 100}, 200, 100, {150, 80, 50, 20}},
        {"larger than the window", {-20, -20, 500, 500}, 200, 100, {0, 0, 200, 100}},
        {"thin at the right edge", {190, 10, 5, 40}, 200, 100, {184, 10, 16, 40}},
        {"thin at the bottom edge", {10, 95, 40, 3}, 200, 100, {10, 84, 40, 16}},
        {"outside the window", {300, 10, 50, 20}, 200, 100, {184, 10, 16, 20}},
        {"window narrower and lower than 16", {0, 0, 10, 8}, 10, 8, {-6, -8, 16, 16}},
        {"slot on a zero-size window", {0, 0, 30, 30}, 0, 0, {-16, -16, 16, 16}},
        // Clippings read from a file may hold anything; the sum of two 32-bit
        // values must not wrap around.
        {"all at the maximum", {kMax, kMax, kMax, kMax}, 200, 100, {184, 84, 16, 16}},
        {"all at the minimum", {kMin, kMin, kMin, kMin}, 200, 100, {0, 0, 16, 16}},
        {"inside, reaching to the maximum", {10, 20, kMax, kMax}, 200, 100, {10, 20, 190, 80}},
        {"far right and down, one pixel", {kMax, kMax, 1, 1}, 200, 100, {184, 84, 16, 16}},
        {"far right, reaching back in", {kMax, kMax, kMin, kMin}, 200, 100, {184, 84, 16, 16}},
        {"far left, reaching to the maximum", {kMin, kMin, kMax, kMax}, 200, 100, {0, 0, 200, 100}},
        {"inside, negative sizes", {10, 20, kMin, -1}, 200, 100, {10, 20, 16, 16}},
        {"just short of the maximum", {kMax - 15, kMax - 15, 15, 15}, 200, 100, {184, 84, 16, 16}},
        {"extremes on a window narrower than 16", {kMax, kMin, kMax, kMin}, 10, 8, {-6, -8, 16, 16}},
        {"extremes on a window without area", {kMin, kMax, kMin, kMax}, 0, 0, {-16, -16, 16, 16}},
        {"a window of the largest size", {kMax, 5, kMax, kMax}, kMax, kMax, {kMax - 16, 5, 16, kMax - 5}},
    };
    for (const auto& c : cases) {
        const ClipRect r = ClampClipRect(c.slot, c.winW, c.winH);
        EXPECT_EQ(r.x, c.expected.x) << c.what;
        EXPECT_EQ(r.y, c.expected.y) << c.what;
        EXPECT_EQ(r.width, c.expected.width) << c.what;
        EXPECT_EQ(r.height, c.expected.height) << c.what;
    }
}

// Every combination of awkward values gives a source of at least 16 x 16
// that lies inside the window (or ends at its far edge, when the window is
// smaller than 16).
TEST(ThumbnailGeometry, ClampClipRectIsAlwaysInsideTheWindow) {
    const int32_t values[] = {kMin, kMin + 1, -17, -1, 0, 1, 15, 16, 99, 100, 199, 200, kMax - 16, kMax};
    const Size windows[] = {{200, 100}, {16, 16}, {10, 8}, {0, 0}, {kMax, 1}};
    auto soundAxis = [](int64_t start, int64_t length, int64_t side) {
        if (length < 16) return false;
        if (side < 16) return length == 16 && start + length == side;
        return start >= 0 && start + length <= side;
    };
    int faults = 0;
    for (const Size& window : windows) {
        for (int32_t x : values) {
            for (int32_t y : values) {
                for (int32_t w : values) {
                    for (int32_t h : values) {
                        const ClipRect r = ClampClipRect({x, y, w, h}, window.width, window.height);
                        if (soundAxis(r.x, r.width, window.width) && soundAxis(r.y, r.height, window.height))
                            continue;
                        if (++faults <= 5) {
                            ADD_FAILURE() << "slot " << x << ',' << y << ' ' << w << 'x' << h << " in "
                                          << window.width << 'x' << window.height << " gave " << r.x << ','
                                          << r.y << ' ' << r.width << 'x' << r.height;
                        }
                    }
                }
            }
        }
    }
    EXPECT_EQ(faults, 0);
}

TEST(ThumbnailGeometry, FitToBox) {
    const struct {
        int boxW, boxH, sw, sh;
        FitResult expected;
    } cases[] = {
        {140, 120, 1000, 900, {134, 120, 3, 0}},   // by width, trimmed by height
        {140, 120, 400, 1000, {48, 120, 46, 0}},   // taller than wide: by height
        {140, 120, 500, 500, {120, 120, 10, 0}},   // square counts as wide
        {140, 120, 140, 120, {140, 120, 0, 0}},
        {140, 120, 70, 30, {140, 60, 0, 30}},      // enlarged
        {40, 120, 400, 1000, {40, 112, 0, 4}},     // by height, trimmed by width
        {141, 120, 1000, 900, {134, 120, 3, 0}},   // odd remainder: offset rounds down
        {140, 120, 0, 0, {120, 120, 10, 0}},       // no area: a 1 x 1 source
    };
    for (const auto& c : cases) {
        EXPECT_EQ(FitToBox(c.boxW, c.boxH, c.sw, c.sh), c.expected) << c.sw << 'x' << c.sh;
    }
}

// Which part of a 1000 x 900 window lands where in a 140 x 120 thumbnail.
TEST(ThumbnailGeometry, AWindowFarLargerThanTheScreenIsCapturedInPart) {
    const Size screen{1920, 1080};
    EXPECT_EQ(CapturedSize({800, 600}, screen), (Size{800, 600}));
    EXPECT_EQ(CapturedSize({3000, 2000}, screen), (Size{3000, 2000})) << "larger than the screen, still whole";
    EXPECT_EQ(CapturedSize({30000, 30000}, screen), (Size{7680, 4320})) << "not 3.6 GB";
    EXPECT_EQ(CapturedSize({30000, 300}, screen), (Size{7680, 300}));
    EXPECT_EQ(CapturedSize({0, 500}, screen), (Size{0, 500})) << "nothing to capture stays nothing";
    // Monitors side by side past the bound: the height gives way.
    const Size wall{4 * 7680, 4320};
    const Size part = CapturedSize({40000, 9000}, wall);
    EXPECT_EQ(part.width, wall.width);
    EXPECT_LE(static_cast<long long>(part.width) * part.height, kMostCapturedPixels);
    EXPECT_EQ(part.height, 1080);
}

TEST(ThumbnailGeometry, ThumbnailPlans) {
    ClipSet clips{};
    clips[1] = {100, 50, 200, 100};
    const ClipRect whole{0, 0, 1000, 900};
    const Rect fitted{5, 2, 135, 118};  // FitToBox: 134 x 120 at 3, less the margins
    const struct {
        const char* what;
        bool clipped, minimised, stretch, openOnly, autoChecked, clipMenu, regionList;
        PicturePlan plan;
    } cases[] = {
        {"whole, fitted", false, false, false, false, false, true, false, {whole, fitted}},
        {"stretched", false, false, true, false, false, true, false, {whole, {2, 2, 138, 118}}},
        {"marks strip", false, false, true, true, false, true, false, {whole, {2, 2, 138, 102}}},
        {"clip shown with Auto", true, false, true, false, true, true, false, {clips[1], {2, 2, 138, 118}}},
        {"clip shown always", true, false, true, false, false, false, false, {clips[1], {2, 2, 138, 118}}},
        {"clip waits for Auto", true, false, false, false, false, true, false, {whole, fitted}},
        {"minimised: caption bar", true, true, false, false, true, true, false, {whole, fitted}},
        {"for the region list", true, false, false, true, true, true, true, {whole, {2, 2, 138, 118}}},
    };
    for (const auto& c : cases) {
        ThumbnailFacts facts;
        facts.windowWidth = 1000;
        facts.windowHeight = 900;
        facts.clips = c.clipped ? &clips : nullptr;
        facts.clipIndex = 1;
        facts.minimised = c.minimised;
        facts.thumbWidth = 140;
        facts.thumbHeight = 120;
        facts.options = {c.stretch, false, c.openOnly, c.autoChecked, c.clipMenu};
        facts.regionList = c.regionList;
        EXPECT_EQ(PlanThumbnail(facts), c.plan) << c.what;
    }
    // A window without area is a uniform fill; a region keeps its aspect.
    ThumbnailFacts empty;
    empty.thumbWidth = 140;
    empty.thumbHeight = 120;
    EXPECT_EQ(PlanThumbnail(empty).source, (ClipRect{0, 0, 1, 1}));
    EXPECT_EQ(PlanRegion(clips[1], 1000, 900, 140, 120, false),
              (PicturePlan{clips[1], {2, 27, 138, 93}}));
}

// The Open Only strip holds the marks at the glyphs' size: 16 pixels at
// 96 DPI, 32 at 144; the picture ends where they begin.
TEST(ThumbnailGeometry, MarksStripFitsTheGlyphs) {
    const struct {
        int markSize;
        int pictureBottom;  // of a stretched 140 x 120 thumbnail
        MarkCells cells;
    } cases[] = {
        {16, 102, {{100, 102, 116, 118}, {120, 102, 136, 118}, {4, 102, 20, 118}}},
        {32, 86, {{68, 86, 100, 118}, {104, 86, 136, 118}, {4, 86, 36, 118}}},
    };
    for (const auto& c : cases) {
        ThumbnailFacts facts;
        facts.windowWidth = 1000;
        facts.windowHeight = 900;
        facts.thumbWidth = 140;
        facts.thumbHeight = 120;
        facts.options.stretch = true;
        facts.options.openOnly = true;
        facts.markSize = c.markSize;
        EXPECT_EQ(PlanThumbnail(facts).picture.bottom, c.pictureBottom) << c.markSize;
        EXPECT_EQ(PlaceMarks(140, 120, c.markSize), c.cells) << c.markSize;
    }
}

}  // namespace
}  // namespace vistrel
