#pragma once
// The windows this program made layered, and how each was before, so that
// the end of the program gives back exactly what it changed: a window that
// was layered by its own program keeps its style and gets its own opacity
// back, one that was not loses the style again, and a window the program
// never touched is never touched at the end.

#include <cstdint>
#include <optional>
#include <vector>

#include "catalogue/WindowEntry.h"

namespace vistrel {

struct LayeredAttributes {
    uint32_t key = 0;    // COLORREF
    uint8_t alpha = 255;
    uint32_t flags = 0;  // LWA_
};

struct LayeredBefore {
    WindowHandle window = nullptr;
    bool wasLayered = false;
    // What the window's own program had set, when it could be read.
    std::optional<LayeredAttributes> attributes;
};

class TranslucencyRecord {
public:
    // Before the program changes a window: only the first change of a window
    // is kept, since later ones find the program's own layering.
    void NoteBefore(const LayeredBefore& before);
    // The user released the window: it has its style removed already.
    void Forget(WindowHandle window);
    const std::vector<LayeredBefore>& Changed() const { return changed_; }
    bool Empty() const { return changed_.empty(); }

private:
    std::vector<LayeredBefore> changed_;
};

// What the end of the program does to a window of the record.
enum class LayeredRestore {
    RemoveStyle,        // it was not layered: the style goes again
    RestoreAttributes,  // layered by itself: its own opacity back
    LeaveAlone,         // layered by itself in a way we could not read
};
LayeredRestore RestoreOf(const LayeredBefore& before);

}  // namespace vistrel
