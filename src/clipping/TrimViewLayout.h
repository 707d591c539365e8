#pragma once
// The clipping list window's grid: how many columns and rows the pictures
// take, the size of a cell at a zoom, which row a cell shows, where a drag
// may drop, and the tint of a selected cell.

#include <cstdint>

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

// Blends every pixel of a 32-bit top-down or bottom-up picture towards
// `colour` (0x00BBGGRR): each channel keeps (weight + 1) / 256 of its
// distance from the colour's. `stride` is the bytes of one row.
void TintPixels(uint8_t* pixels, int width, int height, int stride, uint32_t colour, int weight);

// The selected cell's tint: navy, keeping 151/256 of the picture.
constexpr uint32_t kSelectedTint = 0x800000;
constexpr int kSelectedTintWeight = 150;

}  // namespace vistrel
