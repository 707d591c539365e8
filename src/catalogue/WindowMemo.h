#pragma once
// What the catalogue remembers of each window it meets, from one enumeration
// to the next: the facts that cost a round trip to another program's window
// under Wine, or a locale-aware comparison, on every change tick, and that
// keep their answer for as long as the window stays shown.
// - The class is fixed for a window's life.
// - The name rules answer the same for as long as the title does.
// - Whether a window has an owner is decided when it is shown, as the task
//   bar decides on a button for it then: an owner set later leaves both the
//   task bar and the list as they were until the window is shown again.
// A window an enumeration does not meet (gone, or hidden) is forgotten at the
// end of it, so a window shown again is asked afresh.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>

#include "catalogue/Qualify.h"

namespace vistrel {

class WindowMemo {
public:
    // Starts an enumeration: what it does not meet is forgotten at its end.
    void BeginPass() { ++pass_; }
    void EndPass();

    // NamesQualify for the window with this title. The class is read through
    // `readClass` the first time the window is met; the rules are asked again
    // only when the title is not the one they were last asked about.
    template <class ReadClass>
    bool NamesQualify(uint64_t window, std::u16string_view title, QualifyMode mode, ReadClass&& readClass,
                      const TextEqualsIgnoreCase& equalIgnoreCase) {
        Known& known = Meet(window);
        if (!known.classRead) {
            known.className = readClass();
            known.classRead = true;
        }
        if (!known.judged || known.title != title) {
            known.title.assign(title);
            known.inList = vistrel::NamesQualify(known.title, known.className, QualifyMode::List, equalIgnoreCase);
            known.inVisible =
                vistrel::NamesQualify(known.title, known.className, QualifyMode::Visible, equalIgnoreCase);
            known.judged = true;
        }
        return mode == QualifyMode::List ? known.inList : known.inVisible;
    }
    // Whether the window has an owner, read through `readOwned` the first
    // time the window is met.
    template <class ReadOwned>
    bool Owned(uint64_t window, ReadOwned&& readOwned) {
        Known& known = Meet(window);
        if (!known.owned) known.owned = readOwned();
        return *known.owned;
    }
    size_t Size() const { return known_.size(); }

private:
    struct Known {
        std::u16string className;
        bool classRead = false;
        std::u16string title;
        bool judged = false;
        bool inList = false;
        bool inVisible = false;
        std::optional<bool> owned;
        uint32_t pass = 0;
    };
    Known& Meet(uint64_t window) {
        Known& known = known_[window];
        known.pass = pass_;
        return known;
    }

    std::unordered_map<uint64_t, Known> known_;
    uint32_t pass_ = 0;
};

}  // namespace vistrel
