#include "main/SortOrder.h"


namespace vistrel {

SortKey SortKeyOfTag(int tag) {
    switch (tag) {
    case 1: return SortKey::Clipping;
    case 2: return SortKey::AutoUpdate;
    case 3: return SortKey::Program;
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
        case SortKey::Program:
            if (const int byProgram = compareTitles(items[a].program, items[b].program)) return byProgram < 0;
            break;
        case SortKey::Title: break;
        }
        return compareTitles(items[a].title, items[b].title) < 0;
    });
}

}  // namespace vistrel
