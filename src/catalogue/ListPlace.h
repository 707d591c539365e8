#pragma once
// The user's place in the main list: what is selected, where the keyboard
// is, and how far down the view is scrolled. Windows come and go all the
// time and every change rebuilds the list, so the place is noted by window
// before a rebuild and found again afterwards.

#include <vector>

#include "catalogue/WindowEntry.h"

namespace vistrel {

struct ListPlace {
    std::vector<WindowHandle> selected;
    WindowHandle focused = nullptr;
    // The item shown first (the first in list order whose cell reaches
    // below the view's top), and its top less the view's top.
    WindowHandle first = nullptr;
    int firstOffset = 0;
    int viewTop = 0;
};

// Notes the place from the items as they stand: each one's window, its
// cell's top and bottom, and whether it is selected.
struct PlaceItem {
    WindowHandle window = nullptr;
    int top = 0;
    int bottom = 0;
    bool selected = false;
};
ListPlace NotePlace(const std::vector<PlaceItem>& items, WindowHandle focused, int viewTop);

struct PlaceAfter {
    std::vector<int> select;  // items, in list order
    int focus = -1;
    // Where the view's top goes: the first item shown again at the same
    // height, or the view where it was when that window has gone.
    int viewTop = 0;
    friend bool operator==(const PlaceAfter&, const PlaceAfter&) = default;
};
PlaceAfter FindPlace(const ListPlace& place, const std::vector<PlaceItem>& itemsNow);

}  // namespace vistrel
