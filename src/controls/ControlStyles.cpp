#include "controls/ControlStyles.h"

namespace vistrel {

uint32_t TrackBarStyle(uint32_t style, TBarStyle barStyle) {
    return barStyle == styBox ? style | kTrackBarSelRange : style & ~kTrackBarSelRange;
}

uint32_t NumberEditStyle(uint32_t baseStyle, ALIGNMENT alignment, bool numberOnly) {
    uint32_t style = (baseStyle & ~kEditAlignmentBits) | static_cast<uint32_t>(alignment);
    if (numberOnly) style |= kEditNumber;
    return style;
}

}  // namespace vistrel
