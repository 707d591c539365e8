#pragma once
// Reading a drawn control's picture: how many pixels have a colour, and
// whether chosen pixels have theirs.

#include <gtest/gtest.h>
#include <windows.h>

#include <vector>

#include "toolkit/Bitmap.h"

namespace vistrel::test {

inline int Count(const tk::Bitmap& picture, COLORREF colour) {
    int n = 0;
    for (int y = 0; y < picture.Height(); ++y)
        for (int x = 0; x < picture.Width(); ++x) n += picture.PixelAt(x, y) == colour;
    return n;
}

struct Probe {
    int x, y;
    COLORREF colour;
};

inline void ExpectPixels(const tk::Bitmap& picture, const std::vector<Probe>& probes, const char* name) {
    for (const Probe& p : probes)
        EXPECT_EQ(picture.PixelAt(p.x, p.y), p.colour) << name << " at " << p.x << "," << p.y;
}

}  // namespace vistrel::test
