#pragma once
// The class names of the windows the catalogue has met. A window's class is
// fixed for its life, and asking another program's window for it is a round
// trip under Wine on every tick; so each is asked once, and forgotten when
// an enumeration no longer meets the window.

#include <cstdint>
#include <string>
#include <unordered_map>

namespace vistrel {

class ClassCache {
public:
    // Starts an enumeration: what it does not meet is forgotten at its end.
    void BeginPass() { ++pass_; }
    // The window's class, read through `read` only the first time.
    template <class Read>
    const std::string& ClassOf(uint64_t window, Read&& read) {
        auto [at, added] = classes_.try_emplace(window);
        if (added) at->second.name = read();
        at->second.pass = pass_;
        return at->second.name;
    }
    void EndPass();
    size_t Size() const { return classes_.size(); }

private:
    struct Known {
        std::string name;
        uint32_t pass = 0;
    };
    std::unordered_map<uint64_t, Known> classes_;
    uint32_t pass_ = 0;
};

}  // namespace vistrel
