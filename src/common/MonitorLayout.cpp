#include "common/MonitorLayout.h"

#include <algorithm>
#include <cstdint>

namespace vistrel {

namespace {

// How far a coordinate lies outside [low, high): 0 inside.
int64_t Gap(int64_t low, int64_t high, int64_t lowOther, int64_t highOther) {
    if (highOther <= low) return low - highOther;
    if (high <= lowOther) return lowOther - high;
    return 0;
}

// The squared distance between two rectangles; 0 when they touch or overlap.
// In 64 bits: window rectangles of other programs may lie anywhere.
int64_t Distance(const Rect& a, const Rect& b) {
    const int64_t dx = Gap(a.left, a.right, b.left, b.right);
    const int64_t dy = Gap(a.top, a.bottom, b.top, b.bottom);
    return dx * dx + dy * dy;
}

int64_t Overlap(const Rect& a, const Rect& b) {
    const int64_t w = int64_t{std::min(a.right, b.right)} - std::max(a.left, b.left);
    const int64_t h = int64_t{std::min(a.bottom, b.bottom)} - std::max(a.top, b.top);
    return w > 0 && h > 0 ? w * h : 0;
}

int Nearest(const std::vector<Monitor>& monitors, const Rect& r) {
    int best = -1;
    int64_t bestDistance = 0;
    for (size_t i = 0; i < monitors.size(); ++i) {
        const int64_t d = Distance(monitors[i].area, r);
        if (best < 0 || d < bestDistance) {
            best = static_cast<int>(i);
            bestDistance = d;
        }
    }
    return best;
}

}  // namespace

int MonitorAtPoint(const std::vector<Monitor>& monitors, Point p) {
    for (size_t i = 0; i < monitors.size(); ++i) {
        const Rect& a = monitors[i].area;
        if (p.x >= a.left && p.x < a.right && p.y >= a.top && p.y < a.bottom) return static_cast<int>(i);
    }
    // A point is a one-pixel rectangle to measure from.
    return Nearest(monitors, {p.x, p.y, p.x + 1, p.y + 1});
}

int MonitorOfRect(const std::vector<Monitor>& monitors, const Rect& r) {
    int best = -1;
    int64_t bestOverlap = 0;
    for (size_t i = 0; i < monitors.size(); ++i) {
        const int64_t o = Overlap(monitors[i].area, r);
        if (o > bestOverlap) {
            best = static_cast<int>(i);
            bestOverlap = o;
        }
    }
    return best >= 0 ? best : Nearest(monitors, r);
}

Rect BoundsOf(const std::vector<Rect>& rects) {
    if (rects.empty()) return {};
    Rect bounds = rects.front();
    for (const Rect& r : rects) {
        bounds.left = std::min(bounds.left, r.left);
        bounds.top = std::min(bounds.top, r.top);
        bounds.right = std::max(bounds.right, r.right);
        bounds.bottom = std::max(bounds.bottom, r.bottom);
    }
    return bounds;
}

Rect CentredIn(const Rect& work, Size size) {
    const int width = std::clamp(size.width, 0, std::max(work.width(), 0));
    const int height = std::clamp(size.height, 0, std::max(work.height(), 0));
    const int left = work.left + (work.width() - width) / 2;
    const int top = work.top + (work.height() - height) / 2;
    return {left, top, left + width, top + height};
}

Rect FormBounds(const Rect& work, Size size96, const Rect& frame, int dpi) {
    const Size size{ScaleToDpi(size96.width, dpi) + frame.width(), ScaleToDpi(size96.height, dpi) + frame.height()};
    return CentredIn(work, size);
}

Point TipPlace(const Rect& item, Size tip, const Rect& work) {
    constexpr int kGap = 2;
    const int x = std::max(work.left, std::min(item.left, work.right - tip.width));
    const int below = item.bottom + kGap;
    const int above = item.top - kGap - tip.height;
    if (below + tip.height <= work.bottom) return {x, below};
    if (above >= work.top) return {x, above};
    const bool roomBelow = work.bottom - item.bottom >= item.top - work.top;
    return {x, roomBelow ? std::max(work.top, work.bottom - tip.height) : work.top};
}

}  // namespace vistrel
