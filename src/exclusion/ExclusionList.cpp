#include "exclusion/ExclusionList.h"

#include <algorithm>

namespace vistrel {

ExclusionList::ExclusionList(Equality equal) : equal_(std::move(equal)) {}

bool ExclusionList::Contains(const std::u16string& path) const {
    return std::any_of(lines_.begin(), lines_.end(),
                       [&](const std::u16string& line) { return !line.empty() && equal_(line, path); });
}

bool ExclusionList::AddUnique(const std::u16string& path) {
    if (path.empty() || Contains(path)) return false;
    lines_.push_back(path);
    return true;
}

void ExclusionList::Replace(std::vector<std::u16string> lines) {
    lines_ = std::move(lines);
}

}  // namespace vistrel
