#include "catalogue/GridLayout.h"

#include <algorithm>

namespace vistrel {

std::vector<Point> GridPositions(int count, int columnCount, int cellWidth, int cellHeight, int gap) {
    const int columns = std::max(1, columnCount);
    std::vector<Point> positions;
    positions.reserve(static_cast<size_t>(std::max(0, count)));
    Point next;
    for (int i = 0; i < count; ++i) {
        if (i > 0 && i % columns == 0) {
            next.x = 0;
            next.y += cellHeight + gap;
        }
        positions.push_back(next);
        next.x += cellWidth + gap;
    }
    return positions;
}

}  // namespace vistrel
