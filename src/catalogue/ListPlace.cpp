#include "catalogue/ListPlace.h"

#include <algorithm>

namespace vistrel {

ListPlace NotePlace(const std::vector<PlaceItem>& items, WindowHandle focused, int viewTop) {
    ListPlace place;
    place.focused = focused;
    place.viewTop = viewTop;
    for (const PlaceItem& item : items) {
        if (item.selected) place.selected.push_back(item.window);
        if (!place.first && item.bottom > viewTop) {
            place.first = item.window;
            place.firstOffset = item.top - viewTop;
        }
    }
    return place;
}

PlaceAfter FindPlace(const ListPlace& place, const std::vector<PlaceItem>& itemsNow) {
    PlaceAfter after;
    after.viewTop = place.viewTop;
    for (size_t i = 0; i < itemsNow.size(); ++i) {
        const WindowHandle window = itemsNow[i].window;
        if (!window) continue;
        const int item = static_cast<int>(i);
        if (std::find(place.selected.begin(), place.selected.end(), window) != place.selected.end())
            after.select.push_back(item);
        if (window == place.focused) after.focus = item;
        if (window == place.first) after.viewTop = itemsNow[i].top - place.firstOffset;
    }
    // Never above the top of the list.
    after.viewTop = std::max(0, after.viewTop);
    return after;
}

}  // namespace vistrel
