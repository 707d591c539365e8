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

void TintPixels(uint8_t* pixels, int width, int height, int stride, uint32_t colour, int weight) {
    if (!pixels || width <= 0 || height <= 0) return;
    // Pixels are stored blue, green, red, unused; the colour is 0x00BBGGRR.
    const int tint[3] = {static_cast<int>((colour >> 16) & 0xFF), static_cast<int>((colour >> 8) & 0xFF),
                         static_cast<int>(colour & 0xFF)};
    const int keep = weight + 1;
    for (int y = 0; y < height; ++y) {
        uint8_t* pixel = pixels + static_cast<ptrdiff_t>(y) * stride;
        for (int x = 0; x < width; ++x, pixel += 4)
            for (int c = 0; c < 3; ++c) {
                // An arithmetic shift of the signed difference, as the blend is defined.
                const int difference = (pixel[c] - tint[c]) * keep;
                pixel[c] = static_cast<uint8_t>(std::clamp(tint[c] + (difference >> 8), 0, 255));
            }
    }
}

}  // namespace vistrel
