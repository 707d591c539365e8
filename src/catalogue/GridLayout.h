#pragma once
// Where the items of the main list go: the list view's own arrangement would
// reflow them, so they are placed explicitly.

#include <vector>

#include "common/Geometry.h"

namespace vistrel {

// Gap between neighbouring cells, across and down, at 96 DPI.
constexpr int kGridGap = 10;

// Top-left corners of `count` cells, row by row, `columnCount` to a row
// (at least one), starting at (0, 0), `gap` apart.
std::vector<Point> GridPositions(int count, int columnCount, int cellWidth, int cellHeight, int gap = kGridGap);

}  // namespace vistrel
