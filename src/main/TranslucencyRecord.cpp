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

LayeredRestore RestoreOf(const LayeredBefore& before) {
    if (!before.wasLayered) return LayeredRestore::RemoveStyle;
    return before.attributes ? LayeredRestore::RestoreAttributes : LayeredRestore::LeaveAlone;
}

}  // namespace vistrel
