#pragma once
// What the program's two progress bars (TColorProgressBar, TNewProgressBar)
// share: the shapes their drawing is described in, percent and length
// arithmetic on 64-bit ranges that cannot overflow, the block count and gap
// limits, the shaded bar's ramp lines and the sunken frame.

#include <algorithm>
#include <cstdint>
#include <limits>
#include <vector>

#include "controls/ColourRamp.h"

namespace vistrel {

enum PAINTTYPE { btSolid = 0, btGradetion = 1 };

// A stretch of the bar along its growth axis, from included to `to` excluded:
// columns of a horizontal bar, rows (top first) of a vertical one.
struct BarSpan {
    int from = 0;
    int to = 0;
    bool operator==(const BarSpan&) const = default;
};

// A rectangle as FillRect fills it: right and bottom excluded.
struct BarRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    bool operator==(const BarRect&) const = default;
};

// A line from (x1, y1) to (x2, y2), the end excluded as LineTo draws it.
struct BarLine {
    int x1 = 0;
    int y1 = 0;
    int x2 = 0;
    int y2 = 0;
    RampColour colour = 0;
    bool operator==(const BarLine&) const = default;
};

struct BarPoint {
    int x = 0;
    int y = 0;
    bool operator==(const BarPoint&) const = default;
};

// Products of 64-bit values (100 x Position, a length x Position, Max - Min)
// are taken in 128 bits, where none of them can overflow.
using WideInt = __int128;

template <class T>
T Saturated(WideInt value) {
    constexpr WideInt low = std::numeric_limits<T>::min();
    constexpr WideInt high = std::numeric_limits<T>::max();
    return static_cast<T>(std::clamp(value, low, high));
}

// 100 x part / whole, truncated toward zero; 0 for a whole of 0.
int64_t PercentOf(WideInt part, WideInt whole);
// length x part / whole in single precision, as the bars measure their length.
float ScaledLength(int length, WideInt part, WideInt whole);

// A bar's range and position in 64-bit integers, signed or not. Whoever moves
// an end keeps the position within min..max.
template <class T>
struct ProgressRange {
    T min = 0;
    T max = 100;
    T position = 0;

    // floor(100 x (position - min) / (max - min)), 0 for an empty range.
    int64_t Percent() const {
        // The position lies in min..max: the quotient is 0..100 and truncation is floor.
        return PercentOf(static_cast<WideInt>(position) - min, static_cast<WideInt>(max) - min);
    }
    // To `value` held within min..max. True when the whole percent changed,
    // which is when a bar repaints at once; a move within one percent waits
    // for the next paint.
    bool MoveTo(T value) {
        value = std::clamp(value, min, max);
        if (value == position) return false;
        const int64_t before = Percent();
        position = value;
        return Percent() != before;
    }
    // Stops at the ends of T rather than wrapping, and then at min or max.
    bool MoveBy(int64_t delta) { return MoveTo(Saturated<T>(static_cast<WideInt>(position) + delta)); }
};

// The continuous bar of `bar` pixels: columns 2 to trunc(bar + endAdjust)
// growing right, or rows trunc(height - bar) to height - 3 growing up. None
// when it has no length: a fill or a line drawn backwards would paint outside
// the bar.
std::vector<BarSpan> ContinuousSpans(bool vertical, float bar, float endAdjust, int height);

// The lit ones of `count` blocks of length / count pixels less the gap, from
// x = 2 rightward or from y = height - 3 upward; block i (from 1) is lit when
// lit(i). Blocks without length are left out, as above.
template <class Lit>
std::vector<BarSpan> BlockSpans(bool vertical, int length, int height, int count, int space, Lit lit) {
    std::vector<BarSpan> spans;
    const float block = static_cast<float>(length) / static_cast<float>(count);
    const float gap = static_cast<float>(space);
    auto trunc = [](float value) { return static_cast<int>(value); };
    float s = vertical ? static_cast<float>(height - 3) : 2.0F;
    for (int i = 1; i <= count; ++i) {
        if (lit(i)) {
            const BarSpan span = vertical ? BarSpan{trunc(s - block + gap), trunc(s)}
                                          : BarSpan{trunc(s), trunc(s + block - gap)};
            if (span.to > span.from) spans.push_back(span);
        }
        s += vertical ? -block : block;
    }
    return spans;
}

// `value` blocks when each gets at least one pixel of `length`, else 1.
int FittingBlockCount(int value, int length);
// A gap is taken only while below half a block of `length - 1` pixels.
bool GapFits(int value, int length, int blockCount);

// A bar's colour before its ramp: each channel above 64 loses 64.
RampColour BarRampBase(RampColour barColour);
// The ramp's lines over one span of a bar whose colour is already `base`
// (BarRampBase): width - 4 columns from x = width - 3 leftward for a vertical
// bar, height - 4 rows from y = height - 3 upward for a horizontal one (at
// least one line), the darkest first.
std::vector<BarLine> BarRampLines(const BarSpan& span, RampColour base, bool vertical, int width,
                                  int height);

// A sunken border round width x height: dark top and left, white bottom and
// right, and an inner line in `inner` down the right (`innerAtRight`) or
// along the top, in drawing order.
std::vector<BarLine> SunkenFrameLines(int width, int height, RampColour inner, bool innerAtRight);

}  // namespace vistrel
