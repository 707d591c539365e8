#include "main/SortOrder.h"


namespace vistrel {

SortKey SortKeyOfTag(int tag) {
    switch (tag) {
    case 1: return SortKey::Clipping;
    case 2: return SortKey::AutoUpdate;
    default: return SortKey::Title;
    }
}

std::vector<size_t> SortOrderOf(const std::vector<ListOrderItem>& items, SortKey key,
                                const CaptionCompare& compareTitles) {
    // StableOrder keeps the previous order of equal items.
    return StableOrder(items.size(), [&](size_t a, size_t b) {
        switch (key) {
        case SortKey::Clipping: return items[a].clipped && !items[b].clipped;
        case SortKey::AutoUpdate: return items[a].autoUpdate && !items[b].autoUpdate;
        case SortKey::Title: break;
        }
        return compareTitles(items[a].title, items[b].title) < 0;
    });
}

}  // namespace vistrel
