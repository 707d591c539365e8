#include "toolkit/Component.h"

#include <unordered_map>

namespace vistrel::tk {

namespace {

// Commands live in the user-interface thread only, so a plain map will do.
std::unordered_map<int, CommandTarget*>& Registry() {
    static std::unordered_map<int, CommandTarget*> registry;
    return registry;
}

// Automatic ids stay clear of the fixed ones the forms assign (below 0x8000)
// and of the menu range Windows reserves (0xF000 and up).
int nextAutomaticId = 0x8000;

}  // namespace

CommandTarget::CommandTarget() : CommandTarget(nextAutomaticId++) {}

CommandTarget::CommandTarget(int fixedId) : id_(fixedId) { Registry()[id_] = this; }

CommandTarget::~CommandTarget() {
    auto it = Registry().find(id_);
    if (it != Registry().end() && it->second == this) Registry().erase(it);
}

CommandTarget* CommandTarget::FromId(int id) {
    auto it = Registry().find(id);
    return it == Registry().end() ? nullptr : it->second;
}

}  // namespace vistrel::tk
