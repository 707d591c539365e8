#pragma once

#include <array>
#include <cstdint>
#include <vector>

namespace vistrel {

// The 16 x 16 pictures of the main window's glyph list (toolbar, popup menus,
// the marks drawn on thumbnails). The Win32 side copies them into an image list.
constexpr int kGlyphSize = 16;
constexpr int kGlyphCount = 28;

// Pixels as 0xAARRGGBB, row-major, top row first; alpha 0 = transparent,
// 0xFF = opaque. Alpha is never partial and transparent pixels are all zero,
// so the same values serve a masked image list and a premultiplied 32-bit one
// (and are a little-endian BGRA DIB row as they stand).
// index 0..kGlyphCount-1; out of range -> all transparent.
std::array<uint32_t, kGlyphSize * kGlyphSize> GlyphPixels(int index);

// The same glyph with every pixel made a scale x scale block (scale >= 1), for
// a display at a whole multiple of 96 DPI; row-major, kGlyphSize * scale wide.
std::vector<uint32_t> GlyphPixels(int index, int scale);

}  // namespace vistrel
