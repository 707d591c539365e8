#include "dialogs/LevelDialogModel.h"

#include <algorithm>

namespace vistrel {

LevelRange RangeOf(LevelMode mode) {
    if (mode == LevelMode::Interval) return {100, 1500, 80, kDefaultInterval};
    // The opacity starts fully opaque: the window looks as it did.
    return {30, 255, 20, 255};
}

int ClampLevel(LevelMode mode, long long value) {
    const LevelRange range = RangeOf(mode);
    return static_cast<int>(std::clamp<long long>(value, range.min, range.max));
}

std::string LevelCaption(LevelMode mode, int position) {
    if (mode == LevelMode::Interval) return "早い ←  " + std::to_string(position) + "ms  → 遅い";
    return "透明 ←  " + std::to_string(position) + "  → 不透明";
}

}  // namespace vistrel
