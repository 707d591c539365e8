#pragma once
// Which parts of a window the screen shows, and where a part of a window's
// picture lands in a thumbnail. When a window cannot print itself, its
// picture is copied from the screen, and only from the parts that no window
// above it covers: a thumbnail must never show another window's content.

#include <vector>

#include "common/Geometry.h"

namespace vistrel {

// The parts of `window` inside `screen` that none of `above` (the windows
// above it in Z order) covers, as disjoint rectangles in the same
// coordinates. Empty rectangles in `above` cover nothing.
std::vector<Rect> UncoveredParts(const Rect& window, const std::vector<Rect>& above,
                                 const Rect& screen);

Rect Intersection(const Rect& a, const Rect& b);  // may be empty

// The same parts relative to the window's top-left corner.
std::vector<Rect> ToWindowCoordinates(const std::vector<Rect>& parts, const Rect& window);

// Where `part` of the source rectangle `from` lands when `from` is stretched
// onto `to`; edges are rounded so that neighbouring parts meet without a gap.
// Empty when the part lies outside `from`.
Rect MapPart(const Rect& part, const Rect& from, const Rect& to);

// True when `parts` cover every pixel of `area`.
bool Covers(const std::vector<Rect>& parts, const Rect& area);

}  // namespace vistrel
