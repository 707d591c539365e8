#include "catalogue/ThumbnailGeometry.h"

#include "common/DpiScale.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace vistrel {

namespace {

constexpr int kMinClipSide = 16;

// A float times an int of screen size fits a double's 53 bits exactly, so
// the floor sees the true product.
int ScaledFloor(int base, float scale) {
    return static_cast<int>(std::floor(static_cast<double>(base) * static_cast<double>(scale)));
}

struct Span {
    int32_t start = 0;
    int32_t length = 0;
};

// One axis of ClampClipRect. A clipping comes from trm.ini, which may hold
// any 32-bit values, and start + length of two of them needs 33 bits: the
// arithmetic is 64-bit. Every result lies between -16 and the window's side,
// so it fits back into 32 bits.
Span ClampSpan(int32_t start, int32_t length, int windowSide) {
    // A window has no negative side; one without area keeps the 16-pixel
    // source just before its origin, as a window narrower than 16 does.
    const int64_t side = std::max(windowSide, 0);
    int64_t s = std::max<int64_t>(start, 0);
    int64_t l = length;
    if (s + l > side) l = side - s;
    if (l < kMinClipSide) {
        l = kMinClipSide;
        if (s + kMinClipSide > side) s = side - kMinClipSide;
    }
    return {static_cast<int32_t>(s), static_cast<int32_t>(l)};
}

}  // namespace

Size BaseCell(int screenWidth, int screenHeight) {
    return {screenWidth / 16, screenHeight / 16};
}

float ThumbnailScale(int position) {
    return static_cast<float>(position * 0.1);
}

Size ThumbnailSize(int baseWidth, int baseHeight, int position) {
    const float scale = ThumbnailScale(position);
    return {ScaledFloor(baseWidth, scale), ScaledFloor(baseHeight, scale)};
}

int ColumnCount(int listViewWidth, int thumbWidth, int dpi) {
    const int columns = (listViewWidth - ScaleToDpi(36, dpi)) / (thumbWidth + ScaleToDpi(20, dpi));
    return columns <= 0 ? 1 : columns;
}

ClipRect ClampClipRect(const ClipRect& slot, int winWidth, int winHeight) {
    const Span across = ClampSpan(slot.x, slot.width, winWidth);
    const Span down = ClampSpan(slot.y, slot.height, winHeight);
    return {across.start, down.start, across.length, down.length};
}

FitResult FitToBox(int boxWidth, int boxHeight, int sourceWidth, int sourceHeight) {
    // Deliberate guard: a source without area (a vanished window) would divide
    // by zero; as a 1-pixel side it just fills the box.
    const int sw = sourceWidth == 0 ? 1 : sourceWidth;
    const int sh = sourceHeight == 0 ? 1 : sourceHeight;

    const int ratioW = (boxWidth * 100) / sw;
    const int ratioH = (boxHeight * 100) / sh;
    // Taller than wide is fitted by height, anything else by width; the
    // rounding of the percentage can still overshoot, which the excess trims.
    const int ratio = sw < sh ? ratioH : ratioW;
    int w = (sw * ratio) / 100;
    int h = (sh * ratio) / 100;
    int excess = 0;
    if (w > boxWidth) {
        excess = w - boxWidth;
    } else if (h > boxHeight) {
        excess = h - boxHeight;
    }
    w -= excess;
    h -= excess;
    return {w, h, (boxWidth - w) >> 1, (boxHeight - h) >> 1};
}

namespace {

constexpr int kInset = 2;
constexpr int kMargin = 4;
// Below the marks, and between them and right of them.
constexpr int kMarksBelow = 2;
constexpr int kMarksApart = 4;

// The source drawn into the whole thumbnail, or fitted keeping its aspect.
PicturePlan PlaceInThumbnail(const ClipRect& source, int thumbWidth, int thumbHeight, bool stretch,
                             int bottomMargin) {
    FitResult box{thumbWidth, thumbHeight, 0, 0};
    if (!stretch) box = FitToBox(thumbWidth, thumbHeight, source.width, source.height);
    const Rect picture{box.x + kInset, box.y + kInset, box.x + kInset + box.width - kMargin,
                       box.y + kInset + box.height - bottomMargin};
    return {source, picture};
}

}  // namespace

Size CapturedSize(Size window, Size screen) {
    Size part{std::min(window.width, std::max(screen.width, kLargestCapture.width)),
              std::min(window.height, std::max(screen.height, kLargestCapture.height))};
    if (part.width <= 0 || part.height <= 0) return {std::max(part.width, 0), std::max(part.height, 0)};
    if (static_cast<long long>(part.width) * part.height > kMostCapturedPixels)
        part.height = static_cast<int>(kMostCapturedPixels / part.width);
    return part;
}

PicturePlan PlanThumbnail(const ThumbnailFacts& facts) {
    // A window without area (and nothing owned to stand for it) is a
    // uniform fill.
    const bool empty = facts.windowWidth == 0 || facts.windowHeight == 0;
    ClipRect source = empty ? ClipRect{0, 0, 1, 1} : ClipRect{0, 0, facts.windowWidth, facts.windowHeight};
    if (facts.regionList) return PlaceInThumbnail(source, facts.thumbWidth, facts.thumbHeight, true, kMargin);
    const RenderOptions& options = facts.options;
    // A minimised window is pictured as its caption bar, which a clipping
    // rectangle made on the open window would miss.
    if (facts.clips && !facts.minimised && (options.autoChecked || !options.clipMenu)) {
        const int slot = std::clamp<int>(facts.clipIndex, 0, kClipSlots - 1);
        source = ClampClipRect((*facts.clips)[slot], facts.windowWidth, facts.windowHeight);
    }
    return PlaceInThumbnail(source, facts.thumbWidth, facts.thumbHeight, options.stretch,
                            options.openOnly ? facts.markSize + kMarksApart : kMargin);
}

MarkCells PlaceMarks(int thumbWidth, int thumbHeight, int markSize) {
    const int top = thumbHeight - kMarksBelow - markSize;
    const int parkedLeft = thumbWidth - kMarksApart - markSize;
    const int autoLeft = parkedLeft - kMarksApart - markSize;
    return {{autoLeft, top, autoLeft + markSize, top + markSize},
            {parkedLeft, top, parkedLeft + markSize, top + markSize},
            {kMarksApart, top, kMarksApart + markSize, top + markSize}};
}

PicturePlan PlanRegion(const ClipRect& slot, int windowWidth, int windowHeight, int thumbWidth,
                       int thumbHeight, bool stretch) {
    return PlaceInThumbnail(ClampClipRect(slot, windowWidth, windowHeight), thumbWidth, thumbHeight,
                            stretch, kMargin);
}

}  // namespace vistrel
