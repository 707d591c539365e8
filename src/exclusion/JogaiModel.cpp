#include "exclusion/JogaiModel.h"

#include <algorithm>
#include <cstddef>

namespace vistrel {

std::vector<int> ExclusionDraft::DeleteSelected(const std::vector<bool>& selected) {
    std::vector<int> removed;
    for (size_t i = std::min(selected.size(), lines_.size()); i-- > 0;) {
        if (!selected[i]) continue;
        lines_.erase(lines_.begin() + static_cast<std::ptrdiff_t>(i));
        removed.push_back(static_cast<int>(i));
    }
    return removed;
}

EntryLook LookOfEntry(bool selected, bool highColour) {
    constexpr uint32_t kSilver = 0xC0C0C0;
    constexpr uint32_t kBlue = 0xFF0000;
    constexpr uint32_t kPaleBlue = 0xFFEBD7;
    constexpr uint32_t kLightGrey = 0xE0E0E0;
    if (!selected) return {kSilver, false, kBlue, kEntryFontColour};
    if (highColour) return {std::nullopt, true, kPaleBlue, kLightGrey};
    return {std::nullopt, true, std::nullopt, std::nullopt};
}

}  // namespace vistrel
