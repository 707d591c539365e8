// The gauge's rules: the unsigned range with its refusals, the whole-percent
// repaint decision, steps at the ends of 64 bits, block and gap limits, and
// the bars, pie, needle and text placed for a given size.
#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <stdexcept>
#include <string>
#include <vector>

#include "controls/NewProgressBarModel.h"

namespace vistrel {
namespace {

constexpr uint64_t kTop = std::numeric_limits<uint64_t>::max();

// A gauge set to min..max and then to position, in an order that never refuses.
NewProgressModel Ranged(uint64_t min, uint64_t max, uint64_t position, NewProgressModel gauge = {}) {
    gauge.SetMaxValue(max);
    gauge.SetMinValue(min);
    gauge.SetProgress(position);
    return gauge;
}

TEST(GaugeRange, RefusalsLeaveTheRangeAndCarryTheirMessage) {
    const struct {
        const char* name;
        uint64_t min, max, position;  // the gauge before
        bool setMin;                  // else Max is set
        uint64_t value;
        bool repaint;
        const char* error;  // null: no exception
        uint64_t wantMin, wantMax, wantPosition;
    } cases[] = {
        {"min above max", 0, 100, 30, true, 101, false, "-2147483647 から 99 の間の値でなければなりません", 0, 100, 30},
        {"max below min", 10, 100, 30, false, 9, false, "11 から 2147483647 の間の値でなければなりません", 10, 100, 30},
        {"max below the topmost min", kTop, kTop, kTop, false, 5, false,
         "18446744073709551615 から 2147483647 の間の値でなければなりません", kTop, kTop, kTop},
        {"max 0 is ignored", 0, 100, 30, false, 0, false, nullptr, 0, 100, 30},
        {"the same min does nothing", 10, 100, 30, true, 10, false, nullptr, 10, 100, 30},
        {"min up to max", 0, 100, 30, true, 100, true, nullptr, 100, 100, 100},
        {"a raised min pulls the position", 0, 100, 30, true, 40, true, nullptr, 40, 100, 40},
        {"a lowered max pulls the position", 0, 100, 80, false, 25, true, nullptr, 0, 25, 25},
        {"the same max still repaints", 0, 100, 80, false, 100, true, nullptr, 0, 100, 80},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        NewProgressModel gauge = Ranged(c.min, c.max, c.position);
        bool repaint = false;
        std::string error;
        try {
            repaint = c.setMin ? gauge.SetMinValue(c.value) : gauge.SetMaxValue(c.value);
        } catch (const std::out_of_range& e) {
            error = e.what();
        }
        EXPECT_EQ(error, c.error ? c.error : "");
        EXPECT_EQ(repaint, c.repaint);
        EXPECT_EQ(gauge.Min(), c.wantMin);
        EXPECT_EQ(gauge.Max(), c.wantMax);
        EXPECT_EQ(gauge.Position(), c.wantPosition);
    }
}

TEST(GaugePosition, ClampsToTheRangeAndRepaintsOnlyWhenThePercentChanges) {
    const struct {
        uint64_t min, max, set;
        bool repaint;
        uint64_t position;
        const char* text;
    } steps[] = {
        {0, 100, 30, true, 30, "30%"},    {0, 100, 30, false, 30, "30%"},   {0, 100, 31, true, 31, "31%"},
        {0, 100, 150, true, 100, "100%"}, {0, 1000, 305, true, 305, "30%"}, {0, 1000, 309, false, 309, "30%"},
        {0, 1000, 310, true, 310, "31%"}, {200, 1000, 5, true, 200, "0%"},  {200, 1000, 600, true, 600, "50%"},
    };
    NewProgressModel gauge;
    for (const auto& s : steps) {
        SCOPED_TRACE(s.set);
        gauge.SetMaxValue(s.max);
        gauge.SetMinValue(s.min);
        EXPECT_EQ(gauge.SetProgress(s.set), s.repaint);
        EXPECT_EQ(gauge.Position(), s.position);
        EXPECT_EQ(gauge.PercentText(), s.text);
    }
}

TEST(GaugePosition, PercentHoldsAcrossTheWhole64BitsAndAnEmptyRangeIsZero) {
    const struct {
        uint64_t min, max, position, percent;
    } cases[] = {
        {0, kTop, kTop, 100}, {0, kTop, kTop - 1, 99}, {0, kTop, kTop / 2, 49},
        {kTop - 100, kTop, kTop - 50, 50}, {kTop, kTop, kTop, 0}, {7, 7, 7, 0}, {10, 20, 15, 50},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Ranged(c.min, c.max, c.position).GetPercentDone(), c.percent) << c.min << ".." << c.max;
}

TEST(GaugePosition, StepsStopAtTheEndsInsteadOfWrapping) {
    const struct {
        uint64_t min, max, start;
        int64_t delta;
        uint64_t want;
    } cases[] = {
        {0, kTop, kTop - 1, std::numeric_limits<int64_t>::max(), kTop},
        {0, 100, 5, std::numeric_limits<int64_t>::min(), 0},
        {10, 100, 50, -45, 10},
        {0, 100, 50, 60, 100},
        {0, 100, 50, 1, 51},
    };
    for (const auto& c : cases) {
        NewProgressModel gauge = Ranged(c.min, c.max, c.start);
        gauge.StepBy(c.delta);
        EXPECT_EQ(gauge.Position(), c.want) << c.start << " + " << c.delta;
    }
}

TEST(GaugeBlocks, CountNeedsAPixelPerBlockAndGapsStayBelowHalfABlock) {
    const struct {
        int value, width, count;
    } counts[] = {{10, 150, 10}, {150, 150, 150}, {151, 150, 1}, {0, 150, 1}, {-3, 150, 1}, {5, 0, 1}};
    for (const auto& c : counts) {
        NewProgressModel gauge;
        gauge.SetBlockCount(c.value, c.width);
        EXPECT_EQ(gauge.BlockCount(), c.count) << c.value << " in " << c.width;
    }

    const struct {
        TProgressKind kind;
        int value, space;
    } spaces[] = {
        // 150 x 32, ten blocks: 149 / 10 = 14 across, 31 / 10 = 3 for every other kind.
        {iuHorizontalBar, 6, 6}, {iuHorizontalBar, 7, 1}, {iuVerticalBar, 0, 0},
        {iuVerticalBar, 2, 1},   {iuPie, 1, 1},           {iuPie, 0, 0},
    };
    for (const auto& c : spaces) {
        NewProgressModel gauge;
        gauge.kind = c.kind;
        gauge.SetBlockSpace(c.value, 150, 32);
        EXPECT_EQ(gauge.BlockSpace(), c.space) << c.kind << ": " << c.value;
    }
}

TEST(GaugeDrawing, BarsAndBlocksAreMeasuredAgainstMax) {
    const struct {
        const char* name;
        TProgressKind kind;
        bool smooth;
        int blocks, width, height;
        uint64_t min, max, position;
        std::vector<BarSpan> spans;
    } cases[] = {
        // 140 / 7 = 20 a block; block i needs (100 div 7) x i = 14 i percent.
        {"7 blocks at 98%", iuHorizontalBar, true, 7, 141, 32, 0, 100, 98,
         {{2, 21}, {22, 41}, {42, 61}, {62, 81}, {82, 101}, {102, 121}, {122, 141}}},
        {"7 blocks at 97%", iuHorizontalBar, true, 7, 141, 32, 0, 100, 97,
         {{2, 21}, {22, 41}, {42, 61}, {62, 81}, {82, 101}, {102, 121}}},
        {"7 blocks at 13%", iuHorizontalBar, true, 7, 141, 32, 0, 100, 13, {}},
        {"half", iuHorizontalBar, false, 10, 141, 32, 0, 100, 50, {{2, 69}}},
        {"full", iuHorizontalBar, false, 10, 141, 32, 0, 100, 100, {{2, 139}}},
        {"shorter than a pixel", iuHorizontalBar, false, 10, 141, 32, 0, 100, 1, {}},
        {"position 0", iuHorizontalBar, false, 10, 141, 32, 0, 100, 0, {}},
        {"against Max, not the range", iuHorizontalBar, false, 10, 141, 32, 50, 100, 50, {{2, 69}}},
        {"whole 64 bits", iuHorizontalBar, false, 10, 141, 32, 0, kTop, kTop / 2, {{2, 69}}},
        // Vertical: rows, top first, growing up from H - 3.
        {"vertical half", iuVerticalBar, false, 10, 20, 101, 0, 100, 50, {{51, 98}}},
        {"vertical blocks", iuVerticalBar, true, 4, 20, 101, 0, 100, 50, {{74, 98}, {49, 73}}},
        {"not a bar", iuPie, false, 10, 141, 32, 0, 100, 50, {}},
        {"no room", iuHorizontalBar, true, 10, 1, 1, 0, 100, 100, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        NewProgressModel shape;
        shape.kind = c.kind;
        shape.smooth = c.smooth;
        shape.SetBlockCount(c.blocks, c.width);
        EXPECT_EQ(Ranged(c.min, c.max, c.position, shape).BarSpans(c.width, c.height), c.spans);
    }

    NewProgressModel gauge;
    EXPECT_EQ(gauge.SolidRect({2, 69}, 141, 32), (BarRect{2, 2, 69, 29}));
    gauge.kind = iuVerticalBar;
    EXPECT_EQ(gauge.SolidRect({51, 98}, 20, 101), (BarRect{2, 51, 17, 98}));
}

TEST(GaugeDrawing, ThePieFillsClockwiseFromTwelve) {
    const struct {
        TBorderStyle border;
        int width, height;
        uint64_t position;
        PieShape pie;
    } cases[] = {
        // 41 x 41 less the border: the box ends at the size, 40; halves of 20.
        {bsSingle, 41, 41, 0, {{1, 1, 40, 40}, false, {}, {}}},
        {bsSingle, 41, 41, 25, {{1, 1, 40, 40}, true, {40, 20}, {20, 0}}},
        {bsSingle, 41, 41, 50, {{1, 1, 40, 40}, true, {20, 40}, {20, 0}}},
        {bsSingle, 41, 41, 75, {{1, 1, 40, 40}, true, {0, 20}, {20, 0}}},
        {bsSingle, 41, 41, 100, {{1, 1, 40, 40}, true, {20, 0}, {20, 0}}},  // the whole ellipse
        {bsNone, 40, 30, 50, {{0, 0, 40, 30}, true, {20, 30}, {20, 0}}},
    };
    for (const auto& c : cases) {
        NewProgressModel gauge;
        gauge.borderStyle = c.border;
        gauge.SetProgress(c.position);
        EXPECT_EQ(gauge.Pie(gauge.DrawingRect(c.width, c.height)), c.pie) << c.position;
    }
}

TEST(GaugeDrawing, TheNeedleSweepsFromLeftOverTheTopToRight) {
    // 41 x 41 with its border: the dial is the top half of a 40 x 79 ellipse
    // over the baseline at row 40; the pivot is (20, 39).
    const PieShape dial{{1, 1, 40, 79}, true, {41, 39}, {1, 39}};
    const BarLine baseline{1, 40, 41, 40};
    const struct {
        uint64_t position;
        NeedleShape needle;
    } cases[] = {
        {0, {dial, baseline, false, {}}},
        {25, {dial, baseline, true, {20, 39, 5, 11}}},
        {50, {dial, baseline, true, {20, 39, 20, 0}}},
        {100, {dial, baseline, true, {20, 39, 40, 39}}},
    };
    for (const auto& c : cases) {
        NewProgressModel gauge;
        gauge.SetProgress(c.position);
        EXPECT_EQ(gauge.Needle(gauge.DrawingRect(41, 41), 41), c.needle) << c.position;
    }
}

TEST(GaugeDrawing, TextIsCentredInTheRectanglesSizeNotOffsetByItsCorner) {
    const struct {
        BarRect rect;
        int textWidth, textHeight;
        BarPoint at;
    } cases[] = {
        {{1, 1, 149, 31}, 24, 12, {62, 9}},
        {{0, 0, 150, 32}, 24, 12, {63, 10}},
        {{1, 1, 10, 10}, 30, 12, {-10, -1}},  // larger than the gauge: truncated toward zero
    };
    for (const auto& c : cases) EXPECT_EQ(GaugeTextOrigin(c.rect, c.textWidth, c.textHeight), c.at);
}

}  // namespace
}  // namespace vistrel
