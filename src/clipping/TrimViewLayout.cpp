#include "clipping/TrimViewLayout.h"

#include <algorithm>
#include <cstddef>

namespace vistrel {

GridShape LayOutRegions(int count, int columns) {
    if (count <= 0 || columns <= 0) return {};
    GridShape shape;
    shape.columns = std::min(columns, count);
    shape.rows = count / shape.columns + 1;
    shape.lastRowEmpty = count % shape.columns == 0;
    return shape;
}

CellSize ZoomedCell(int imageWidth, int imageHeight, int zoom) {
    // 64 bits: the product of a picture side and a percentage.
    auto scaled = [zoom](int side) {
        return static_cast<int>(std::clamp<int64_t>(int64_t{side} * zoom / 100, 0, INT32_MAX));
    };
    return {scaled(imageWidth), scaled(imageHeight)};
}

int RegionAt(int column, int row, int columns, int count) {
    if (column < 0 || row < 0 || columns <= 0 || column >= columns) return -1;
    const int64_t index = int64_t{row} * columns + column;
    return index < count ? static_cast<int>(index) : -1;
}

bool DropAllowed(int from, int over) { return from >= 0 && over >= 0; }

}  // namespace vistrel
