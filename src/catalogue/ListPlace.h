#pragma once
// The user's place in the main list: what is selected, where the keyboard
// is, and how far down the view is scrolled. Windows come and go all the
// time and every change rebuilds the list, so the place is noted by window
// before a rebuild and found again afterwards.

#include <vector>

#include "catalogue/WindowEntry.h"

namespace vistrel {

// The grid the items are laid out in, row by row from the top (heights
// measured from the first row's top).
struct ListGrid {
    int columns = 1;
    int cellHeight = 0;
    int pitch = 0;  // from one row's top to the next
    int TopOf(int item) const;
    // The first item whose cell reaches below `viewTop`.
    int FirstShown(int viewTop) const;
    // Whether any of the item's cell is in a view `height` high from `viewTop`.
    bool InView(int item, int viewTop, int height) const;
};

struct ListPlace {
    std::vector<WindowHandle> selected;
    WindowHandle focused = nullptr;
    // The item shown first, and its top less the view's top.
    WindowHandle first = nullptr;
    int firstOffset = 0;
    int viewTop = 0;
    bool Empty() const { return selected.empty() && !focused && viewTop == 0; }
};

struct PlaceAfter {
    std::vector<int> select;  // items, in list order
    int focus = -1;
    // Where the view's top goes: the first item shown again at the same
    // height, or the view where it was when that window has gone.
    int viewTop = 0;
    friend bool operator==(const PlaceAfter&, const PlaceAfter&) = default;
};
// `windows` are the items' windows now, in list order.
PlaceAfter FindPlace(const ListPlace& place, const std::vector<WindowHandle>& windows, const ListGrid& grid);

}  // namespace vistrel
