#include "main/TranslucencyRecord.h"

#include <algorithm>

namespace vistrel {

void TranslucencyRecord::NoteBefore(const LayeredBefore& before) {
    if (!before.window) return;
    const auto known = std::find_if(changed_.begin(), changed_.end(),
                                    [&](const LayeredBefore& b) { return b.window == before.window; });
    if (known == changed_.end()) changed_.push_back(before);
}

void TranslucencyRecord::Forget(WindowHandle window) {
    changed_.erase(std::remove_if(changed_.begin(), changed_.end(),
                                  [&](const LayeredBefore& b) { return b.window == window; }),
                   changed_.end());
}

void TranslucencyRecord::NoteReleased(WindowHandle window) {
    if (!window) return;
    for (LayeredBefore& before : changed_) {
        if (before.window != window) continue;
        before.released = true;
        return;
    }
    changed_.push_back({window, true, std::nullopt, true});
}

bool TranslucencyRecord::AnyReleased() const {
    return std::any_of(changed_.begin(), changed_.end(), [](const LayeredBefore& b) { return b.released; });
}

LayeredRestore RestoreOf(const LayeredBefore& before) {
    if (!before.wasLayered || before.released) return LayeredRestore::RemoveStyle;
    return before.attributes ? LayeredRestore::RestoreAttributes : LayeredRestore::MakeOpaque;
}

}  // namespace vistrel
