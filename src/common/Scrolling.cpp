#include "common/Scrolling.h"

#include <algorithm>

namespace vistrel {

int ScrollLimit(int content, int view) { return std::max(0, content - std::max(0, view)); }

int ScrollTarget(ScrollRequest request, int current, int track, int line, int content, int view) {
    const int page = std::max(1, view);
    long long target = current;  // sums of int offsets stay exact
    switch (request) {
    case ScrollRequest::None: break;
    case ScrollRequest::LineBack: target -= line; break;
    case ScrollRequest::LineForward: target += line; break;
    case ScrollRequest::PageBack: target -= page; break;
    case ScrollRequest::PageForward: target += page; break;
    case ScrollRequest::ToStart: target = 0; break;
    case ScrollRequest::ToEnd: target = ScrollLimit(content, view); break;
    case ScrollRequest::Track: target = track; break;
    }
    return static_cast<int>(std::clamp<long long>(target, 0, ScrollLimit(content, view)));
}

}  // namespace vistrel
