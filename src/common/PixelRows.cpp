#include "common/PixelRows.h"

namespace vistrel {

void CopyBgraToBgr(const uint8_t* from, ptrdiff_t fromStride, uint8_t* to, ptrdiff_t toStride,
                   int width, int height) {
    if (!from || !to || width <= 0 || height <= 0) return;
    for (int y = 0; y < height; ++y, from += fromStride, to += toStride) {
        const uint8_t* source = from;
        uint8_t* target = to;
        for (int x = 0; x < width; ++x, source += 4, target += 3) {
            target[0] = source[0];
            target[1] = source[1];
            target[2] = source[2];
        }
    }
}

}  // namespace vistrel
