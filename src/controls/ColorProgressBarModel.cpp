#include "controls/ColorProgressBarModel.h"

#include <algorithm>
#include <limits>

namespace vistrel {

void ColorProgressModel::SetMin(int64_t value) {
    range_.min = std::min(value, range_.max);
    range_.position = std::clamp(range_.position, range_.min, range_.max);
}

void ColorProgressModel::SetMax(int64_t value) {
    range_.max = std::max(value, range_.min);
    range_.position = std::clamp(range_.position, range_.min, range_.max);
}

int64_t ColorProgressModel::ParValue() const { return PercentOf(range_.position, range_.max); }

void ColorProgressModel::SetStep(int value) {
    step_ = value > range_.max
                ? static_cast<int>(std::max<int64_t>(range_.max, std::numeric_limits<int>::min()))
                : value;
}

void ColorProgressModel::SetBlockCount(int value, int width) {
    blockCount_ = FittingBlockCount(value, width);
}

void ColorProgressModel::SetBlockSpace(int value, int width, int height) {
    const int length = orientation == pbVertical ? height : width;
    if (GapFits(value, length, blockCount_)) blockSpace_ = value;
}

void ColorProgressModel::SetLinePar(int value) { linePar_ = std::min(value, 100); }

std::vector<BarSpan> ColorProgressModel::BarSpans(int width, int height) const {
    // Below 0 no bar has a length either; leaving it out keeps the lengths
    // below within the control.
    if (range_.max <= 0 || range_.position <= 0) return {};
    const bool vertical = orientation == pbVertical;
    const int length = (vertical ? height : width) - (smooth ? 4 : 3);
    if (smooth) {
        // Position <= Max: the percent is at most 100.
        const int64_t percent = PercentOf(range_.position, range_.max);
        const int count = blockCount_;
        return BlockSpans(vertical, length, height, count, blockSpace_,
                          [=](int i) { return static_cast<int64_t>(i) * 100 / count <= percent; });
    }
    const float bar = ScaledLength(length, range_.position, range_.max);
    return ContinuousSpans(vertical, bar, flat ? 1.0F : 0.0F, height);
}

BarRect ColorProgressModel::SolidRect(const BarSpan& span, int width, int height) const {
    if (orientation == pbVertical) return {2, span.from, width - 2, span.to};
    return {span.from, 2, span.to, height - 3};
}

std::vector<BarLine> ColorProgressModel::RampLines(const BarSpan& span, RampColour barColour, int width,
                                                   int height) const {
    return BarRampLines(span, BarRampBase(barColour), orientation == pbVertical, width, height);
}

std::vector<BarLine> ColorProgressModel::TickLines(int width, int height) const {
    if (orientation == pbVertical) {
        const int y = (height - 1) * linePar_ / 100;
        return {{1, y, 5, y}, {width - 6, y, width - 2, y}};
    }
    const int x = (width - 1) * linePar_ / 100;
    return {{x, 1, x, 5}, {x, height - 6, x, height - 2}};
}

bool ColorProgressModel::ShowsText() const { return range_.max > 0 && textSwitch && range_.position >= 0; }

std::string ColorProgressModel::PercentText() const { return std::to_string(ParValue()) + "%"; }

BarPoint PercentTextOrigin(int width, int height, int textWidth, int letterHeight) {
    return {width / 2 - textWidth / 2, height / 2 - letterHeight / 2};
}

}  // namespace vistrel
