#pragma once
// The windows this program made layered, and how each was before, so that
// the end of the program gives back exactly what it changed: a window that
// was layered by its own program keeps its style and gets its own opacity
// back, one that was not loses the style again, and a window the program
// never touched is never touched at the end. A window stays in the record
// until it has really been given back: one the user released while it did
// not answer is kept, fully opaque, until its style can go.

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
    // The user released it, but its style could not be removed yet.
    bool released = false;
};

class TranslucencyRecord {
public:
    // Before the program changes a window: only the first change of a window
    // is kept, since later ones find the program's own layering.
    void NoteBefore(const LayeredBefore& before);
    // The window has been given back (its style removed, its own opacity
    // restored) or has gone.
    void Forget(WindowHandle window);
    // The user released the window and its style is still to go: kept (or
    // added, for a window the program never changed) until it is.
    void NoteReleased(WindowHandle window);
    bool AnyReleased() const;
    const std::vector<LayeredBefore>& Changed() const { return changed_; }
    bool Empty() const { return changed_.empty(); }

private:
    std::vector<LayeredBefore> changed_;
};

// What the end of the program does to a window of the record.
enum class LayeredRestore {
    RemoveStyle,        // it was not layered, or the user released it: the style goes
    RestoreAttributes,  // layered by itself: its own opacity back
    // Layered by itself in a way that cannot be read (UpdateLayeredWindow):
    // fully opaque, never left as the user made it, perhaps invisible.
    MakeOpaque,
};
LayeredRestore RestoreOf(const LayeredBefore& before);

}  // namespace vistrel
