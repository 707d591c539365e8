#include "controls/NewProgressBarModel.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <stdexcept>

namespace vistrel {

namespace {

constexpr uint64_t kTop = std::numeric_limits<uint64_t>::max();

// cos and sin of whole quarters of a turn come out a hair off 0 and 1 in
// double precision; without the nudge floor would set the needle a pixel off
// straight up at 50 % and off the baseline at 100 %.
int FloorSnapped(double value) { return static_cast<int>(std::floor(value + 1e-9)); }

// The message names the limits the other end of the range leaves; the far
// ends are fixed (the figures of a signed 32-bit range).
[[noreturn]] void ThrowOutOfRange(const std::string& low, const std::string& high) {
    throw std::out_of_range(low + " から " + high + " の間の値でなければなりません");
}

}  // namespace

bool NewProgressModel::SetMinValue(uint64_t value) {
    if (value == range_.min) return false;
    if (value > range_.max) ThrowOutOfRange("-2147483647", std::to_string(range_.max - 1));
    range_.min = value;
    range_.position = std::max(range_.position, value);
    return true;
}

bool NewProgressModel::SetMaxValue(uint64_t value) {
    if (value == 0) return false;
    if (value < range_.min)
        ThrowOutOfRange(std::to_string(range_.min == kTop ? kTop : range_.min + 1), "2147483647");
    range_.max = value;
    range_.position = std::min(range_.position, value);
    return true;
}

void NewProgressModel::SetBlockCount(int value, int width) { blockCount_ = FittingBlockCount(value, width); }

void NewProgressModel::SetBlockSpace(int value, int width, int height) {
    if (GapFits(value, kind == iuHorizontalBar ? width : height, blockCount_)) blockSpace_ = value;
}

BarRect NewProgressModel::DrawingRect(int width, int height) const {
    if (Single()) return {1, 1, width - 1, height - 1};
    return {0, 0, width, height};
}

std::vector<BarSpan> NewProgressModel::BarSpans(int width, int height) const {
    // Max is never 0 (SetMaxValue refuses it): Position 0 is the one empty bar.
    const bool bar = kind == iuHorizontalBar || kind == iuVerticalBar;
    if (!bar || range_.position == 0 || range_.max == 0) return {};
    const bool vertical = kind == iuVerticalBar;
    const int length = (vertical ? height : width) - 1;
    if (smooth) {
        // The threshold divides first: with 7 blocks each needs 14 % more.
        const int64_t threshold = 100 / blockCount_;
        const int64_t percent = PercentOf(range_.position, range_.max);
        return BlockSpans(vertical, length, height, blockCount_, blockSpace_,
                          [=](int i) { return threshold * i <= percent; });
    }
    return ContinuousSpans(vertical, ScaledLength(length, range_.position, range_.max), -1.0F, height);
}

BarRect NewProgressModel::SolidRect(const BarSpan& span, int width, int height) const {
    if (kind == iuVerticalBar) return {2, span.from, width - 3, span.to};
    return {span.from, 2, span.to, height - 3};
}

std::vector<BarLine> NewProgressModel::FrameLines(int width, int height, RampColour backColour) const {
    return SunkenFrameLines(width, height, backColour, kind == iuHorizontalBar);
}

PieShape NewProgressModel::Pie(const BarRect& rect) const {
    // The box's far corner is the size itself: the near corner is 0 or 1,
    // and bsSingle's extra pixel makes up for the border.
    const int extra = Single() ? 1 : 0;
    const int w = rect.right - rect.left + extra;
    const int h = rect.bottom - rect.top + extra;
    PieShape pie;
    pie.box = {rect.left, rect.top, w, h};
    const uint64_t percent = GetPercentDone();
    if (percent == 0) return pie;
    const int mx = w / 2;
    const int my = h / 2;
    const double angle = std::numbers::pi * (static_cast<double>(percent) * 0.02 + 0.5);
    pie.wedge = true;
    pie.start = {FloorSnapped(mx * (1 - std::cos(angle))), FloorSnapped(my * (1 - std::sin(angle)))};
    pie.end = {mx, 0};
    return pie;
}

NeedleShape NewProgressModel::Needle(const BarRect& rect, int width) const {
    const int extra = Single() ? 1 : 0;
    const int l = rect.left;
    const int t = rect.top;
    const int w = rect.right - l + extra;
    const int h = rect.bottom - t + extra;
    NeedleShape needle;
    needle.dial = {{l, t, w, 2 * h - 1}, true, {l + w, rect.bottom - 1}, {l, rect.bottom - 1}};
    needle.baseline = {l, rect.bottom, l + w, rect.bottom};
    const uint64_t percent = GetPercentDone();
    if (percent == 0) return needle;
    const int half = width / 2;
    const int pivotY = rect.bottom - 1;
    const double angle = static_cast<double>(percent) * 0.01 * std::numbers::pi;
    needle.hasNeedle = true;
    needle.needle = {half, pivotY, FloorSnapped((1 - std::cos(angle)) * half),
                     FloorSnapped((1 - std::sin(angle)) * pivotY)};
    return needle;
}

std::string NewProgressModel::PercentText() const { return std::to_string(GetPercentDone()) + "%"; }

BarPoint GaugeTextOrigin(const BarRect& rect, int textWidth, int textHeight) {
    return {(rect.right - rect.left + 1 - textWidth) / 2, (rect.bottom - rect.top + 1 - textHeight) / 2};
}

}  // namespace vistrel
