#pragma once
// "trim" values for trm.ini, written as a user's earlier export would have
// left them.

#include <cstdio>
#include <string>

namespace vistrel::e2e {

// Little-endian hex of four int32 values, as one slot of the "trim" text.
inline std::string ClipSlotText(int x, int y, int width, int height) {
    std::string text;
    char byte[3];
    for (int value : {x, y, width, height})
        for (int shift = 0; shift < 32; shift += 8) {
            std::snprintf(byte, sizeof byte, "%02X", (static_cast<unsigned>(value) >> shift) & 0xFF);
            text += byte;
        }
    return text;
}

// Two regions of a test window of this size. Region 0: the window's own
// colour at its right; region 1: the block of the inverse colour every test
// window shows in the upper left of its middle.
inline std::string TwoRegions(int width, int height) {
    return ClipSlotText(width - 80, height - 80, 60, 60) + ClipSlotText(width / 4 + 10, height / 4 + 10, 60, 40) +
           std::string(8 * 32, '0');
}

}  // namespace vistrel::e2e
