#include "common/PixelTint.h"

#include <algorithm>
#include <cstddef>

namespace vistrel {

void TintPixels(uint8_t* pixels, int width, int height, int stride, uint32_t colour, int weight) {
    if (!pixels || width <= 0 || height <= 0) return;
    // Pixels are stored blue, green, red, unused; the colour is 0x00BBGGRR.
    const int tint[3] = {static_cast<int>((colour >> 16) & 0xFF), static_cast<int>((colour >> 8) & 0xFF),
                         static_cast<int>(colour & 0xFF)};
    const int keep = weight + 1;
    for (int y = 0; y < height; ++y) {
        uint8_t* pixel = pixels + static_cast<ptrdiff_t>(y) * stride;
        for (int x = 0; x < width; ++x, pixel += 4)
            for (int c = 0; c < 3; ++c) {
                // An arithmetic shift of the signed difference, as the blend is defined.
                const int difference = (pixel[c] - tint[c]) * keep;
                pixel[c] = static_cast<uint8_t>(std::clamp(tint[c] + (difference >> 8), 0, 255));
            }
    }
}

}  // namespace vistrel
