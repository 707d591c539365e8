#include "exclusion/ExclusionList.h"

#include <algorithm>

namespace vistrel {

ExclusionList::ExclusionList(Equality equal) : equal_(std::move(equal)) {}

bool ExclusionList::Contains(const std::string& path) const {
    return std::any_of(lines_.begin(), lines_.end(),
                       [&](const std::string& line) { return !line.empty() && equal_(line, path); });
}

bool ExclusionList::AddUnique(const std::string& path) {
    if (path.empty() || Contains(path)) return false;
    lines_.push_back(path);
    return true;
}

void ExclusionList::Replace(std::vector<std::string> lines) {
    lines_ = std::move(lines);
}

}  // namespace vistrel
