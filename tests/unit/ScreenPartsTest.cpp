// Copying a window from the screen: only what the screen shows of it, and
// never a pixel of a window above it; and whether a print drew anything.

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "catalogue/PrintCheck.h"
#include "catalogue/ScreenParts.h"

namespace vistrel {
namespace {

constexpr Rect kScreen{0, 0, 1280, 1024};

int64_t Area(const std::vector<Rect>& parts) {
    int64_t area = 0;
    for (const Rect& r : parts) area += int64_t{r.width()} * r.height();
    return area;
}

// Counts, pixel by pixel, what the parts must cover: small worlds only.
int64_t ExpectedArea(const Rect& window, const std::vector<Rect>& above, const Rect& screen) {
    int64_t area = 0;
    for (int y = window.top; y < window.bottom; ++y)
        for (int x = window.left; x < window.right; ++x) {
            auto inside = [&](const Rect& r) { return x >= r.left && x < r.right && y >= r.top && y < r.bottom; };
            if (!inside(screen)) continue;
            bool covered = false;
            for (const Rect& r : above) covered = covered || inside(r);
            if (!covered) ++area;
        }
    return area;
}

bool Overlap(const Rect& a, const Rect& b) {
    return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

TEST(ScreenParts, WhatTheScreenShowsOfAWindow) {
    struct Case {
        const char* name;
        Rect window;
        std::vector<Rect> above;
        std::vector<Rect> expected;
    };
    const Case cases[] = {
        {"nothing above", {100, 100, 400, 300}, {}, {{100, 100, 400, 300}}},
        {"partly off the screen", {1200, 1000, 1400, 1100}, {}, {{1200, 1000, 1280, 1024}}},
        {"parked far away", {20100, 20100, 20400, 20300}, {}, {}},
        {"wholly covered", {100, 100, 400, 300}, {{0, 0, 500, 500}}, {}},
        {"covered on the left", {100, 100, 400, 300}, {{0, 0, 200, 1024}}, {{200, 100, 400, 300}}},
        {"an empty window above covers nothing", {100, 100, 400, 300}, {{150, 150, 150, 250}},
         {{100, 100, 400, 300}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(UncoveredParts(c.window, c.above, kScreen), c.expected);
    }
}

// Whatever lies above: the parts stay inside the window and the screen, never
// touch a cover nor each other, and leave out nothing the screen shows.
TEST(ScreenParts, PartsAreExactlyTheUncoveredPixels) {
    const Rect screen{0, 0, 40, 30};
    const Rect window{5, 4, 33, 27};
    const std::vector<std::vector<Rect>> layouts = {
        {{10, 10, 20, 20}},
        {{0, 0, 12, 40}, {25, 0, 40, 8}},
        {{8, 6, 30, 9}, {8, 6, 11, 25}, {20, 15, 35, 35}, {0, 20, 9, 30}},
        {{6, 5, 7, 6}, {31, 25, 50, 50}, {14, 0, 15, 30}},
        {{-10, -10, 6, 50}, {32, -5, 45, 60}, {0, 26, 40, 40}},
    };
    for (size_t i = 0; i < layouts.size(); ++i) {
        SCOPED_TRACE(i);
        const std::vector<Rect> parts = UncoveredParts(window, layouts[i], screen);
        EXPECT_EQ(Area(parts), ExpectedArea(window, layouts[i], screen));
        for (size_t a = 0; a < parts.size(); ++a) {
            EXPECT_GE(parts[a].left, window.left);
            EXPECT_LE(parts[a].right, window.right);
            EXPECT_GE(parts[a].top, window.top);
            EXPECT_LE(parts[a].bottom, window.bottom);
            for (const Rect& cover : layouts[i]) EXPECT_FALSE(Overlap(parts[a], cover));
            for (size_t b = a + 1; b < parts.size(); ++b) EXPECT_FALSE(Overlap(parts[a], parts[b]));
        }
    }
}

TEST(ScreenParts, PartsLandWhereTheirPixelsGoInTheThumbnail) {
    const Rect from{0, 0, 300, 200};
    const Rect to{2, 2, 238, 190};
    EXPECT_EQ(MapPart(from, from, to), to);
    // Neighbours meet without a gap or an overlap, wherever the cut falls.
    for (int cut : {1, 7, 100, 149, 299}) {
        const Rect left = MapPart({0, 0, cut, 200}, from, to);
        const Rect right = MapPart({cut, 0, 300, 200}, from, to);
        EXPECT_EQ(left.right, right.left) << cut;
        EXPECT_EQ(left.left, to.left);
        EXPECT_EQ(right.right, to.right);
    }
    // A clipped source: only the part inside it is drawn, relative to it.
    EXPECT_EQ(MapPart({0, 0, 100, 100}, {50, 50, 150, 150}, {0, 0, 200, 200}), (Rect{0, 0, 100, 100}));
    EXPECT_EQ(MapPart({0, 0, 40, 40}, {50, 50, 150, 150}, {0, 0, 200, 200}), Rect{});
    // Huge windows do not overflow.
    EXPECT_EQ(MapPart({0, 0, 30000, 30000}, {0, 0, 60000, 60000}, {0, 0, 1280, 1024}), (Rect{0, 0, 640, 512}));
}

TEST(ScreenParts, CoveringIsWhollyOrNot) {
    EXPECT_TRUE(Covers({{0, 0, 10, 10}}, {0, 0, 10, 10}));
    EXPECT_TRUE(Covers({{0, 0, 5, 10}, {5, 0, 10, 10}}, {2, 2, 8, 8}));
    EXPECT_FALSE(Covers({{0, 0, 5, 10}, {6, 0, 10, 10}}, {0, 0, 10, 10}));
    EXPECT_TRUE(Covers({}, {3, 3, 3, 9}));
}

TEST(PrintCheck, SamplesSpreadOverAnyPicture) {
    for (const auto& [w, h] : std::vector<std::pair<int, int>>{{1, 1}, {3, 5}, {300, 200}, {1280, 1024}}) {
        const std::vector<Point> samples = PrintSamplePoints(w, h);
        EXPECT_EQ(samples.size(), static_cast<size_t>(std::min(w, kPrintSamples) * std::min(h, kPrintSamples)));
        for (const Point& p : samples) {
            EXPECT_TRUE(p.x >= 0 && p.x < w && p.y >= 0 && p.y < h) << w << "x" << h;
        }
    }
    EXPECT_TRUE(PrintSamplePoints(0, 10).empty());
}

TEST(PrintCheck, AnyDrawnSampleMeansThePrintDrew) {
    const int w = 40, h = 30;
    std::vector<uint32_t> pixels(w * h, 0);
    const std::vector<Point> samples = PrintSamplePoints(w, h);
    PlacePrintMarkers(pixels.data(), w, samples);
    EXPECT_TRUE(PrintLeftUntouched(pixels.data(), w, samples));

    // Printing may set the alpha byte of every pixel without drawing.
    for (uint32_t& p : pixels) p |= 0xFF000000;
    EXPECT_TRUE(PrintLeftUntouched(pixels.data(), w, samples));

    for (size_t i = 0; i < samples.size(); ++i) {
        std::vector<uint32_t> drawn = pixels;
        drawn[samples[i].y * w + samples[i].x] = 0x00FFFFFF;
        EXPECT_FALSE(PrintLeftUntouched(drawn.data(), w, samples)) << "sample " << i;
    }
    // A window in one of the marker colours still changes every other sample.
    std::vector<uint32_t> uniform(w * h, PrintMarker(0));
    EXPECT_FALSE(PrintLeftUntouched(uniform.data(), w, samples));
}

}  // namespace
}  // namespace vistrel
