#include "catalogue/ListPlace.h"

#include <algorithm>

namespace vistrel {

int ListGrid::TopOf(int item) const { return item / std::max(1, columns) * pitch; }

int ListGrid::FirstShown(int viewTop) const {
    if (viewTop < cellHeight || pitch <= 0) return 0;
    return ((viewTop - cellHeight) / pitch + 1) * std::max(1, columns);
}

bool ListGrid::InView(int item, int viewTop, int height) const {
    const int top = TopOf(item);
    return top + cellHeight > viewTop && top < viewTop + height;
}

PlaceAfter FindPlace(const ListPlace& place, const std::vector<WindowHandle>& windows, const ListGrid& grid) {
    PlaceAfter after;
    after.viewTop = place.viewTop;
    for (size_t i = 0; i < windows.size(); ++i) {
        const WindowHandle window = windows[i];
        if (!window) continue;
        const int item = static_cast<int>(i);
        if (std::find(place.selected.begin(), place.selected.end(), window) != place.selected.end())
            after.select.push_back(item);
        if (window == place.focused) after.focus = item;
        if (window == place.first) after.viewTop = grid.TopOf(item) - place.firstOffset;
    }
    // Never above the top of the list.
    after.viewTop = std::max(0, after.viewTop);
    return after;
}

}  // namespace vistrel
