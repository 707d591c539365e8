#pragma once
// The data behind one item of the main list: the listed window and the marks
// that travel with it when the list is rebuilt.

#include <array>
#include <cstdint>
#include <memory>
#include <string>

namespace vistrel {

// Opaque window handle: the portable core never dereferences it.
using WindowHandle = void*;

// One clipping rectangle in window coordinates (origin at the outer top-left
// corner, frame included). Width 0 marks an empty slot.
struct ClipRect {
    int32_t x = 0;
    int32_t y = 0;
    int32_t width = 0;
    int32_t height = 0;
    friend bool operator==(const ClipRect&, const ClipRect&) = default;
};

constexpr int kClipSlots = 10;
using ClipSet = std::array<ClipRect, kClipSlots>;

struct WindowEntry {
    WindowHandle handle = nullptr;
    // The title the list shows for it (its item's caption), kept here too
    // so that the change tick need not ask the list for it.
    std::u16string title;  // as the window holds it
    bool minimized = false;
    bool parked = false;
    bool autoUpdate = true;
    int32_t clipIndex = 0;
    std::unique_ptr<ClipSet> clips;
    // Slots the user removed from the clipping list window (bit n: slot n),
    // left out of its pictures until it closes; never stored anywhere.
    uint16_t hiddenClips = 0;
};

}  // namespace vistrel
