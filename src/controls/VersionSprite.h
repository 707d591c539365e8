#pragma once
// The version box's sprite: a small round chick with a sprout of a quill on
// its head, standing in one frame and hopping with its wings up in the other.

#include <cstdint>
#include <vector>

#include "controls/VersionBoxModel.h"

namespace vistrel {

// Two frames side by side: frame n starts at x = n * kSpriteFrameSize.
constexpr int kSpriteStripWidth = 2 * kSpriteFrameSize;
constexpr int kSpriteStripHeight = kSpriteFrameSize;

// Pure blue (COLORREF 0xFF0000) marks what is not the chick; the box shows
// its panel colour there.
constexpr uint32_t kSpriteTransparent = 0xFF0000;

// COLORREF values (0x00BBGGRR), row-major, top row first.
std::vector<uint32_t> VersionSpriteStrip();

}  // namespace vistrel
