#include "catalogue/ScreenParts.h"

#include <algorithm>
#include <cstdint>

namespace vistrel {

namespace {

bool Empty(const Rect& r) { return r.right <= r.left || r.bottom <= r.top; }


// `r` less `cut`: up to four pieces, the full-width bands above and below the
// cut and the pieces left and right of it.
void Subtract(const Rect& r, const Rect& cut, std::vector<Rect>& out) {
    const Rect c = Intersection(r, cut);
    if (Empty(c)) {
        out.push_back(r);
        return;
    }
    if (c.top > r.top) out.push_back({r.left, r.top, r.right, c.top});
    if (c.bottom < r.bottom) out.push_back({r.left, c.bottom, r.right, r.bottom});
    if (c.left > r.left) out.push_back({r.left, c.top, c.left, c.bottom});
    if (c.right < r.right) out.push_back({c.right, c.top, r.right, c.bottom});
}

// One edge of the scaled picture, rounded to the nearest pixel in 64 bits.
int Scale(int offset, int fromSize, int toSize, int toStart) {
    const int64_t scaled = (int64_t{offset} * toSize * 2 + fromSize) / (int64_t{fromSize} * 2);
    return toStart + static_cast<int>(scaled);
}

}  // namespace

Rect Intersection(const Rect& a, const Rect& b) {
    return {std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right),
            std::min(a.bottom, b.bottom)};
}

std::vector<Rect> UncoveredParts(const Rect& window, const std::vector<Rect>& above,
                                 const Rect& screen) {
    std::vector<Rect> parts;
    const Rect shown = Intersection(window, screen);
    if (Empty(shown)) return parts;
    parts.push_back(shown);
    std::vector<Rect> next;
    for (const Rect& cover : above) {
        if (Empty(cover)) continue;
        next.clear();
        for (const Rect& part : parts) Subtract(part, cover, next);
        parts.swap(next);
        if (parts.empty()) break;
    }
    return parts;
}

std::vector<Rect> ToWindowCoordinates(const std::vector<Rect>& parts, const Rect& window) {
    std::vector<Rect> out;
    out.reserve(parts.size());
    for (const Rect& p : parts)
        out.push_back({p.left - window.left, p.top - window.top, p.right - window.left,
                       p.bottom - window.top});
    return out;
}

Rect MapPart(const Rect& part, const Rect& from, const Rect& to) {
    const Rect p = Intersection(part, from);
    if (Empty(p) || Empty(from)) return {};
    return {Scale(p.left - from.left, from.width(), to.width(), to.left),
            Scale(p.top - from.top, from.height(), to.height(), to.top),
            Scale(p.right - from.left, from.width(), to.width(), to.left),
            Scale(p.bottom - from.top, from.height(), to.height(), to.top)};
}

bool Covers(const std::vector<Rect>& parts, const Rect& area) {
    if (Empty(area)) return true;
    return UncoveredParts(area, parts, area).empty();
}

}  // namespace vistrel
