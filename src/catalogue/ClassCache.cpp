#include "catalogue/ClassCache.h"

namespace vistrel {

void ClassCache::EndPass() {
    for (auto at = classes_.begin(); at != classes_.end();)
        at = at->second.pass == pass_ ? std::next(at) : classes_.erase(at);
}

}  // namespace vistrel
