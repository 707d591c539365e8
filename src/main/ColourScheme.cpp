#include "main/ColourScheme.h"

#include "common/ColourDepth.h"

namespace vistrel {

ColourScheme ChooseColourScheme(int bitsPerPixel) {
    if (IsHighColour(bitsPerPixel)) {
        return {0xE8E8E8, 0x854236, 0xFFFFBB, 0xB0FFB0};
    }
    return {0xFFFFFF, 0x800000, 0x00FFFF, std::nullopt};
}

}  // namespace vistrel
