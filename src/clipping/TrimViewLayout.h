#pragma once
// The clipping list window's grid: how many columns and rows the pictures
// take, the size of a cell at a zoom, which row a cell shows, where a drag
// may drop, and the tint of a selected cell.

#include <cstdint>

#include "common/PixelTint.h"

namespace vistrel {

struct GridShape {
    int columns = 0;
    int rows = 0;
    // The count fills every row: the extra last row is only a sliver.
    bool lastRowEmpty = false;
};

constexpr int kEmptyLastRowHeight = 4;

// `count` pictures in at most `columns` columns (fewer when there are fewer
// pictures); nothing for no pictures. Rows are always count / columns + 1.
GridShape LayOutRegions(int count, int columns);

struct CellSize {
    int width = 0;
    int height = 0;
};
// A picture of the image list's size at `zoom` percent.
CellSize ZoomedCell(int imageWidth, int imageHeight, int zoom);

// The row a cell shows, or -1 when the cell holds none of `count`.
int RegionAt(int column, int row, int columns, int count);

// A drag from the cell of `from` may end on the cell of `over` (both from RegionAt).
bool DropAllowed(int from, int over);

// The selected cell's tint: navy, keeping 151/256 of the picture.
constexpr uint32_t kSelectedTint = kNavyTint;
constexpr int kSelectedTintWeight = 150;

}  // namespace vistrel
