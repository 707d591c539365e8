#pragma once
// What the program calls a high-colour display. Below it a palette display
// dithers every colour but its few standard ones into ugly patterns, so the
// program's tinted surfaces fall back to plain ones there.

namespace vistrel {

// bitsPerPixel as GetDeviceCaps(BITSPIXEL) gives it; 0 (unknown) counts as low.
constexpr bool IsHighColour(int bitsPerPixel) { return bitsPerPixel > 10; }

}  // namespace vistrel
