#include "catalogue/WindowMemo.h"

namespace vistrel {

void WindowMemo::EndPass() {
    for (auto at = known_.begin(); at != known_.end();)
        at = at->second.pass == pass_ ? std::next(at) : known_.erase(at);
}

}  // namespace vistrel
