#include "controls/BarShapes.h"

namespace vistrel {

namespace {

constexpr int kBarDarken = 64;  // the bar's colour loses this before the ramp's own darkening
constexpr RampColour kSunkenShade = 0x505050;
constexpr RampColour kSunkenLight = 0xFFFFFF;

}  // namespace

int64_t PercentOf(WideInt part, WideInt whole) {
    if (whole == 0) return 0;
    return Saturated<int64_t>(100 * part / whole);
}

float ScaledLength(int length, WideInt part, WideInt whole) {
    if (whole == 0) return 0.0F;
    return static_cast<float>(static_cast<double>(length) * static_cast<double>(part) /
                              static_cast<double>(whole));
}

std::vector<BarSpan> ContinuousSpans(bool vertical, float bar, float endAdjust, int height) {
    const BarSpan span = vertical ? BarSpan{static_cast<int>(static_cast<float>(height) - bar), height - 3}
                                  : BarSpan{2, static_cast<int>(bar + endAdjust)};
    if (span.to <= span.from) return {};
    return {span};
}

int FittingBlockCount(int value, int length) { return value > 0 && length / value > 0 ? value : 1; }

bool GapFits(int value, int length, int blockCount) {
    const int limit = (length - 1) / std::max(blockCount, 1);
    return value < limit / 2;
}

RampColour BarRampBase(RampColour barColour) { return DarkenChannels(barColour, kBarDarken); }

std::vector<BarLine> BarRampLines(const BarSpan& span, RampColour base, bool vertical, int width,
                                  int height) {
    const int across = vertical ? width : height;
    const int count = std::max(1, across - 4);
    const std::vector<RampColour> colours = RampColours(base, across, count);
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

std::vector<BarLine> SunkenFrameLines(int width, int height, RampColour inner, bool innerAtRight) {
    const int right = width - 1;
    const int bottom = height - 1;
    std::vector<BarLine> lines = {
        {0, bottom, 0, 0, kSunkenShade},
        {0, 0, right, 0, kSunkenShade},
        {right, 0, right, bottom, kSunkenLight},
        {right, bottom, 0, bottom, kSunkenLight},
    };
    if (innerAtRight)
        lines.push_back({width - 2, 1, width - 2, height - 2, inner});
    else
        lines.push_back({1, 1, width - 2, 1, inner});
    return lines;
}

}  // namespace vistrel
