#pragma once
// Drawing the progress bars' shapes (BarShapes) on a canvas.

#include <span>

#include "controls/BarShapes.h"
#include "toolkit/Canvas.h"

namespace vistrel {

// Each line in its own colour with a 1-pixel pen, the end excluded.
void DrawBarLines(tk::Canvas& canvas, std::span<const BarLine> lines);

inline RECT ToRect(const BarRect& r) { return {r.left, r.top, r.right, r.bottom}; }
inline BarRect ToBarRect(const RECT& r) { return {r.left, r.top, r.right, r.bottom}; }
inline POINT ToPoint(const BarPoint& p) { return {p.x, p.y}; }

}  // namespace vistrel
