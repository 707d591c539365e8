// The colour progress bar's rules: the whole-percent repaint decision, the
// range, step, block and gap limits at ordinary and extreme values, and the
// blocks, bar and ramp lines drawn for a given size.
#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>
#include <vector>

#include "controls/ColorProgressBarModel.h"

namespace vistrel {
namespace {

constexpr int64_t kLow = std::numeric_limits<int64_t>::min();
constexpr int64_t kHigh = std::numeric_limits<int64_t>::max();

constexpr RampColour Rgb(int r, int g, int b) {
    return static_cast<RampColour>(r) | static_cast<RampColour>(g) << 8 | static_cast<RampColour>(b) << 16;
}

// A bar set to min..max (in an order that never refuses) and then to position.
ColorProgressModel Ranged(int64_t min, int64_t max, int64_t position, ColorProgressModel bar = {}) {
    bar.SetMax(max);
    bar.SetMin(min);
    bar.SetMax(max);
    bar.SetPosition(position);
    return bar;
}

TEST(ColorProgressPosition, RepaintsOnlyWhenTheWholePercentChanges) {
    const struct {
        int64_t max;
        int64_t set;
        bool repaint;
        int64_t position;
        const char* text;
    } steps[] = {
        {100, 30, true, 30, "30%"},   {100, 30, false, 30, "30%"},  {100, 31, true, 31, "31%"},
        {100, 150, true, 100, "100%"}, {100, -5, true, 0, "0%"},     {1000, 300, true, 300, "30%"},
        {1000, 305, false, 305, "30%"}, {1000, 310, true, 310, "31%"},
    };
    ColorProgressModel bar;
    for (const auto& s : steps) {
        SCOPED_TRACE(s.set);
        bar.SetMax(s.max);
        EXPECT_EQ(bar.SetPosition(s.set), s.repaint);
        EXPECT_EQ(bar.Position(), s.position);
        EXPECT_EQ(bar.PercentText(), s.text);
    }
}

TEST(ColorProgressPosition, RangeEndsNeverCrossAndThePositionStaysBetweenThem) {
    const struct {
        const char* name;
        int64_t min, max;  // set in this order
        int64_t position;  // set before the range
        int64_t wantMin, wantMax, wantPosition;
    } cases[] = {
        {"ordinary", 10, 200, 50, 10, 200, 50},
        {"min above max stops at max", 500, 50, 60, 100, 100, 100},
        {"max below min stops at min", 20, 10, 30, 20, 20, 20},
        {"position below a raised min", 40, 100, 30, 40, 100, 40},
        {"position above a lowered max", 0, 25, 80, 0, 25, 25},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ColorProgressModel bar;
        bar.SetPosition(c.position);
        bar.SetMin(c.min);
        bar.SetMax(c.max);
        EXPECT_EQ(bar.Min(), c.wantMin);
        EXPECT_EQ(bar.Max(), c.wantMax);
        EXPECT_EQ(bar.Position(), c.wantPosition);
    }
}

TEST(ColorProgressPosition, PercentAndParValueHoldAtTheEndsOf64Bits) {
    const struct {
        const char* name;
        int64_t min, max, position;
        int64_t percent, parValue;
    } cases[] = {
        {"whole range, top", kLow, kHigh, kHigh, 100, 100},
        {"whole range, middle", kLow, kHigh, 0, 50, 0},
        {"whole range, bottom", kLow, kHigh, kLow, 0, -100},
        {"huge max, near its end", 0, kHigh, kHigh - 1, 99, 99},
        {"ParValue saturates", kLow, 1, kLow, 0, kLow},
        {"Max 0 gives ParValue 0", -100, 0, -50, 50, 0},
        {"empty range", 7, 7, 7, 0, 100},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const ColorProgressModel bar = Ranged(c.min, c.max, c.position);
        EXPECT_EQ(bar.Position(), c.position);
        EXPECT_EQ(bar.GetPercentDone(), c.percent);
        EXPECT_EQ(bar.ParValue(), c.parValue);
    }
}

TEST(ColorProgressPosition, StepsStopAtTheEndsWithoutWrapping) {
    ColorProgressModel bar;
    bar.SetMax(kHigh);
    bar.SetPosition(kHigh - 1);
    bar.StepBy(kHigh);
    EXPECT_EQ(bar.Position(), kHigh);
    bar.SetMin(kLow);
    bar.StepBy(kLow);
    bar.StepBy(kLow);
    EXPECT_EQ(bar.Position(), kLow);

    ColorProgressModel small;  // 0..100, step 10
    EXPECT_TRUE(small.StepIt());
    EXPECT_EQ(small.Position(), 10);
    small.SetStep(250);
    EXPECT_EQ(small.Step(), 100) << "a step beyond Max is Max";
    small.StepIt();
    EXPECT_EQ(small.Position(), 100);
}

TEST(ColorProgressBlocks, CountNeedsAPixelPerBlockAndGapsStayBelowHalfABlock) {
    const struct {
        int value, width, count;
    } counts[] = {{10, 150, 10}, {150, 150, 150}, {151, 150, 1}, {0, 150, 1}, {-3, 150, 1}, {5, 0, 1}};
    for (const auto& c : counts) {
        ColorProgressModel bar;
        bar.SetBlockCount(c.value, c.width);
        EXPECT_EQ(bar.BlockCount(), c.count) << c.value << " in " << c.width;
    }

    const struct {
        TProgressBarOrientation orientation;
        int count, width, height, value, space;
    } spaces[] = {
        // 149 / 10 = 14 a block: gaps up to 6 fit, 7 is refused and 1 stays.
        {pbHorizontal, 10, 150, 16, 6, 6},
        {pbHorizontal, 10, 150, 16, 7, 1},
        // Vertical bars divide their height: 99 / 4 = 24, so 11 but not 12.
        {pbVertical, 4, 20, 100, 11, 11},
        {pbVertical, 4, 20, 100, 12, 1},
        // A block of one pixel leaves no room for any gap.
        {pbHorizontal, 1, 2, 16, 0, 1},
    };
    for (const auto& c : spaces) {
        ColorProgressModel bar;
        bar.orientation = c.orientation;
        bar.SetBlockCount(c.count, c.orientation == pbVertical ? c.height : c.width);
        bar.SetBlockSpace(c.value, c.width, c.height);
        EXPECT_EQ(bar.BlockSpace(), c.space) << c.value;
    }
}

TEST(ColorProgressDrawing, SpansOfBlocksAndBars) {
    const struct {
        const char* name;
        TProgressBarOrientation orientation;
        bool smooth, flat;
        int blocks, width, height;
        int64_t min, max, position;
        std::vector<BarSpan> spans;
    } cases[] = {
        // 146 / 10 = 14.6 a block, thresholds 10, 20, 30 ...
        {"blocks at 25%", pbHorizontal, true, false, 10, 150, 16, 0, 100, 25, {{2, 15}, {16, 30}}},
        {"blocks at 9%", pbHorizontal, true, false, 10, 150, 16, 0, 100, 9, {}},
        // Seven blocks: block i needs (100 i) div 7, so 85 % lights six, 84 % five.
        {"7 blocks at 85%", pbHorizontal, true, false, 7, 150, 16, 0, 100, 85,
         {{2, 21}, {22, 42}, {43, 63}, {64, 84}, {85, 105}, {106, 126}}},
        {"7 blocks at 84%", pbHorizontal, true, false, 7, 150, 16, 0, 100, 84,
         {{2, 21}, {22, 42}, {43, 63}, {64, 84}, {85, 105}}},
        // The meter of the clipping list: 63 x 33, flat, continuous.
        {"flat half", pbHorizontal, false, true, 10, 63, 33, 0, 100, 50, {{2, 31}}},
        {"sunken half", pbHorizontal, false, false, 10, 63, 33, 0, 100, 50, {{2, 30}}},
        {"sunken full", pbHorizontal, false, false, 10, 63, 33, 0, 100, 100, {{2, 60}}},
        {"position 0", pbHorizontal, false, true, 10, 63, 33, 0, 100, 0, {}},
        {"shorter than a pixel", pbHorizontal, false, false, 10, 63, 33, 0, 100, 1, {}},
        {"below 0", pbHorizontal, false, false, 10, 63, 33, -50, 100, -10, {}},
        {"Max 0", pbHorizontal, false, false, 10, 63, 33, -100, 0, -50, {}},
        {"huge range", pbHorizontal, false, false, 10, 63, 33, 0, kHigh, kHigh, {{2, 60}}},
        // Vertical: rows, top first, growing up from H - 3.
        {"vertical half", pbVertical, false, false, 10, 20, 100, 0, 100, 50, {{51, 97}}},
        {"vertical blocks", pbVertical, true, false, 4, 20, 100, 0, 100, 50, {{74, 97}, {50, 73}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ColorProgressModel shape;
        shape.orientation = c.orientation;
        shape.smooth = c.smooth;
        shape.flat = c.flat;
        shape.SetBlockCount(c.blocks, c.orientation == pbVertical ? c.height : c.width);
        const ColorProgressModel bar = Ranged(c.min, c.max, c.position, shape);
        EXPECT_EQ(bar.BarSpans(c.width, c.height), c.spans);
    }
}

TEST(ColorProgressDrawing, SolidFillsBetweenTheFramesInsetsAndTheRampShadesLineByLine) {
    ColorProgressModel bar;
    EXPECT_EQ(bar.SolidRect({2, 30}, 150, 16), (BarRect{2, 2, 30, 13}));
    // (200, 100, 50) loses 64 where it can, then the ramp's 84: (52, 36, 50);
    // 18.75 lighter a row at 16 high; twelve rows from y 13 up to y 2.
    std::vector<BarLine> rows = bar.RampLines({2, 30}, Rgb(200, 100, 50), 150, 16);
    ASSERT_EQ(rows.size(), 12u);
    EXPECT_EQ(rows[0], (BarLine{2, 13, 30, 13, Rgb(52, 36, 50)}));
    EXPECT_EQ(rows[1], (BarLine{2, 12, 30, 12, Rgb(70, 54, 68)}));
    EXPECT_EQ(rows.back().y1, 2);
    EXPECT_EQ(bar.RampLines({2, 30}, 0, 150, 3).size(), 1u) << "at least one line";

    bar.orientation = pbVertical;
    EXPECT_EQ(bar.SolidRect({51, 97}, 20, 100), (BarRect{2, 51, 18, 97}));
    // Columns from x 17 leftward, shaded across the width: 15 a column at 20 wide.
    std::vector<BarLine> columns = bar.RampLines({51, 97}, Rgb(200, 100, 50), 20, 100);
    ASSERT_EQ(columns.size(), 16u);
    EXPECT_EQ(columns[0], (BarLine{17, 51, 17, 97, Rgb(52, 36, 50)}));
    EXPECT_EQ(columns[1], (BarLine{16, 51, 16, 97, Rgb(67, 51, 65)}));
    EXPECT_EQ(columns.back().x1, 2);
}

TEST(ColorProgressDrawing, TicksSitAtLineParOfTheLengthCappedAtTheFarEnd) {
    const struct {
        TProgressBarOrientation orientation;
        int set, stored;
        std::vector<BarLine> lines;
    } cases[] = {
        {pbHorizontal, 50, 50, {{31, 1, 31, 5}, {31, 27, 31, 31}}},
        {pbHorizontal, 150, 100, {{62, 1, 62, 5}, {62, 27, 62, 31}}},
        {pbVertical, 25, 25, {{1, 8, 5, 8}, {57, 8, 61, 8}}},
    };
    for (const auto& c : cases) {
        ColorProgressModel bar;
        bar.orientation = c.orientation;
        bar.SetLinePar(c.set);
        EXPECT_EQ(bar.LinePar(), c.stored);
        EXPECT_EQ(bar.TickLines(63, 33), c.lines) << c.set;
    }
}

TEST(ColorProgressDrawing, TextShowsFromPositionZeroWhenSwitchedOnAndSitsCentred) {
    const struct {
        bool textSwitch;
        int64_t min, max, position;
        bool shows;
    } cases[] = {
        {true, 0, 100, 0, true}, {false, 0, 100, 50, false}, {true, -10, 100, -5, false}, {true, -10, 0, 0, false},
    };
    for (const auto& c : cases) {
        ColorProgressModel text;
        text.textSwitch = c.textSwitch;
        EXPECT_EQ(Ranged(c.min, c.max, c.position, text).ShowsText(), c.shows) << c.position;
    }
    EXPECT_EQ(PercentTextOrigin(63, 33, 24, 12), (BarPoint{19, 10}));
    EXPECT_EQ(PercentTextOrigin(63, 33, 25, 13), (BarPoint{19, 10}));
}

}  // namespace
}  // namespace vistrel
