#pragma once
// The blend that marks a selected picture: every pixel drawn towards one
// colour, keeping a share of its distance from it.

#include <cstdint>

namespace vistrel {

// Blends every pixel of a 32-bit top-down or bottom-up picture towards
// `colour` (0x00BBGGRR): each channel keeps (weight + 1) / 256 of its
// distance from the colour's. `stride` is the bytes of one row.
void TintPixels(uint8_t* pixels, int width, int height, int stride, uint32_t colour, int weight);

// The colour selections are tinted towards (0x00BBGGRR).
constexpr uint32_t kNavyTint = 0x800000;

}  // namespace vistrel
