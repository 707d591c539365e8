#pragma once
// The tooltip of a thumbnail: what its cut caption cannot say. The whole
// title, the program's file name and its folder, and the states the picture
// shows only by marks and colours, in the program's own words.

#include <string>
#include <string_view>

namespace vistrel {

struct HoverStates {
    bool minimised = false;
    bool parked = false;       // out of sight, for Open Only
    bool translucent = false;  // made translucent by us
    bool clipped = false;
};

// Lines: the title; the file name; the folder; the states joined by "、".
// A line with nothing to say (no path, no state) is left out.
std::u16string HoverText(std::u16string_view title, std::u16string_view path, const HoverStates& states);

}  // namespace vistrel
