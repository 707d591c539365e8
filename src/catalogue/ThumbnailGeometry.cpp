#include "catalogue/ThumbnailGeometry.h"

#include <algorithm>
#include <cmath>

namespace vistrel {

namespace {

constexpr int kMinClipSide = 16;

// A float times an int of screen size fits a double's 53 bits exactly, so
// the floor sees the true product.
int ScaledFloor(int base, float scale) {
    return static_cast<int>(std::floor(static_cast<double>(base) * static_cast<double>(scale)));
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

int ColumnCount(int listViewWidth, int thumbWidth) {
    const int columns = (listViewWidth - 36) / (thumbWidth + 20);
    return columns <= 0 ? 1 : columns;
}

ClipRect ClampClipRect(const ClipRect& slot, int winWidth, int winHeight) {
    ClipRect r = slot;
    if (r.x < 0) r.x = 0;
    if (r.y < 0) r.y = 0;
    if (r.x + r.width > winWidth) r.width = winWidth - r.x;
    if (r.y + r.height > winHeight) r.height = winHeight - r.y;
    if (r.width < kMinClipSide) {
        r.width = kMinClipSide;
        if (r.x + kMinClipSide > winWidth) r.x = winWidth - kMinClipSide;
    }
    if (r.height < kMinClipSide) {
        r.height = kMinClipSide;
        if (r.y + kMinClipSide > winHeight) r.y = winHeight - kMinClipSide;
    }
    return r;
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

}  // namespace vistrel
