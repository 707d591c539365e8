#pragma once
// The orders the Sort button and its menu give the list: by title in the
// user's locale, clipped windows first, windows updated automatically first,
// or windows of one program together (by its file name, then by title). Items that compare equal keep their order, whatever the list
// control's own sort would do.

#include <cstddef>
#include <string>
#include <vector>

#include "catalogue/CarryOver.h"

namespace vistrel {

enum class SortKey { Title = 0, Clipping = 1, AutoUpdate = 2, Program = 3 };

// The sender's Tag; anything unknown sorts by title.
SortKey SortKeyOfTag(int tag);

struct ListOrderItem {
    std::u16string title;
    bool clipped = false;
    bool autoUpdate = true;
    std::u16string program;  // the file name of its program; empty when unknown
};

// Item i of the sorted list is items[order[i]].
std::vector<size_t> SortOrderOf(const std::vector<ListOrderItem>& items, SortKey key,
                                const CaptionCompare& compareTitles);

}  // namespace vistrel
