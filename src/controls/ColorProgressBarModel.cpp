#include "controls/ColorProgressBarModel.h"

#include <algorithm>
#include <limits>

namespace vistrel {

namespace {

// Products of 64-bit values (100 x Position, Max - Min) are taken in 128
// bits, where none of them can overflow.
using Wide = __int128;

constexpr int kBarDarken = 64;  // the bar's colour loses this before the ramp's own darkening

int64_t Saturate(Wide value) {
    constexpr Wide low = std::numeric_limits<int64_t>::min();
    constexpr Wide high = std::numeric_limits<int64_t>::max();
    return static_cast<int64_t>(std::clamp(value, low, high));
}

int Trunc(float value) { return static_cast<int>(value); }

}  // namespace

void ColorProgressModel::SetMin(int64_t value) {
    min_ = std::min(value, max_);
    position_ = std::clamp(position_, min_, max_);
}

void ColorProgressModel::SetMax(int64_t value) {
    max_ = std::max(value, min_);
    position_ = std::clamp(position_, min_, max_);
}

bool ColorProgressModel::SetPosition(int64_t value) {
    value = std::clamp(value, min_, max_);
    if (value == position_) return false;
    const int64_t before = GetPercentDone();
    position_ = value;
    return GetPercentDone() != before;
}

bool ColorProgressModel::StepBy(int64_t delta) {
    return SetPosition(Saturate(static_cast<Wide>(position_) + delta));
}

int64_t ColorProgressModel::GetPercentDone() const {
    const Wide range = static_cast<Wide>(max_) - min_;
    if (range == 0) return 0;
    // Position lies in Min..Max, so the quotient is 0..100 and truncation is floor.
    return static_cast<int64_t>(100 * (static_cast<Wide>(position_) - min_) / range);
}

int64_t ColorProgressModel::ParValue() const {
    if (max_ == 0) return 0;
    return Saturate(100 * static_cast<Wide>(position_) / max_);
}

void ColorProgressModel::SetStep(int value) {
    step_ = value > max_ ? static_cast<int>(std::max<int64_t>(max_, std::numeric_limits<int>::min()))
                         : value;
}

void ColorProgressModel::SetBlockCount(int value, int width) {
    blockCount_ = value > 0 && width / value > 0 ? value : 1;
}

void ColorProgressModel::SetBlockSpace(int value, int width, int height) {
    const int length = orientation == pbVertical ? height : width;
    const int limit = (length - 1) / blockCount_;
    if (value < limit / 2) blockSpace_ = value;
}

void ColorProgressModel::SetLinePar(int value) { linePar_ = std::min(value, 100); }

std::vector<BarSpan> ColorProgressModel::BarSpans(int width, int height) const {
    std::vector<BarSpan> spans;
    // Below 0 no bar has a length either; leaving it out keeps the lengths
    // below within the control.
    if (max_ <= 0 || position_ <= 0) return spans;
    const bool vertical = orientation == pbVertical;
    const int length = (vertical ? height : width) - (smooth ? 4 : 3);
    const float block = static_cast<float>(length) / static_cast<float>(blockCount_);
    const float space = static_cast<float>(blockSpace_);
    // Position <= Max: the bar is at most the whole length, the percent at most 100.
    const float bar = static_cast<float>(static_cast<double>(length) * static_cast<double>(position_) /
                                         static_cast<double>(max_));
    const int64_t percent = static_cast<int64_t>(100 * static_cast<Wide>(position_) / max_);
    auto add = [&spans](int from, int to) {
        // A span without length draws nothing: a fill or a line drawn
        // backwards would paint outside the bar.
        if (to > from) spans.push_back({from, to});
    };
    if (smooth) {
        float s = vertical ? static_cast<float>(height - 3) : 2.0F;
        for (int i = 1; i <= blockCount_; ++i) {
            if (static_cast<int64_t>(i) * 100 / blockCount_ <= percent) {
                if (vertical)
                    add(Trunc(s - block + space), Trunc(s));
                else
                    add(Trunc(s), Trunc(s + block - space));
            }
            s += vertical ? -block : block;
        }
    } else if (vertical) {
        add(Trunc(static_cast<float>(height) - bar), height - 3);
    } else {
        add(2, Trunc(bar + (flat ? 1.0F : 0.0F)));
    }
    return spans;
}

BarRect ColorProgressModel::SolidRect(const BarSpan& span, int width, int height) const {
    if (orientation == pbVertical) return {2, span.from, width - 2, span.to};
    return {span.from, 2, span.to, height - 3};
}

std::vector<BarLine> ColorProgressModel::RampLines(const BarSpan& span, RampColour barColour, int width,
                                                   int height) const {
    const bool vertical = orientation == pbVertical;
    const int across = vertical ? width : height;
    const int count = std::max(1, across - 4);
    const std::vector<RampColour> colours = RampColours(DarkenChannels(barColour, kBarDarken), across, count);
    std::vector<BarLine> lines;
    lines.reserve(colours.size());
    for (int i = 0; i < count; ++i) {
        const int at = across - 3 - i;
        const RampColour colour = colours[static_cast<size_t>(i)];
        if (vertical)
            lines.push_back({at, span.from, at, span.to, colour});
        else
            lines.push_back({span.from, at, span.to, at, colour});
    }
    return lines;
}

std::vector<BarLine> ColorProgressModel::TickLines(int width, int height) const {
    if (orientation == pbVertical) {
        const int y = (height - 1) * linePar_ / 100;
        return {{1, y, 5, y}, {width - 6, y, width - 2, y}};
    }
    const int x = (width - 1) * linePar_ / 100;
    return {{x, 1, x, 5}, {x, height - 6, x, height - 2}};
}

bool ColorProgressModel::ShowsText() const { return max_ > 0 && textSwitch && position_ >= 0; }

std::string ColorProgressModel::PercentText() const { return std::to_string(ParValue()) + "%"; }

BarPoint PercentTextOrigin(int width, int height, int textWidth, int letterHeight) {
    return {width / 2 - textWidth / 2, height / 2 - letterHeight / 2};
}

}  // namespace vistrel
