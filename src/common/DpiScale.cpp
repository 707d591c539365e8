#include "common/DpiScale.h"

#include <cstdint>

namespace vistrel {

int MulDivRound(int a, int b, int c) {
    if (c == 0) return 0;
    const int64_t product = static_cast<int64_t>(a) * b;
    const int64_t half = (c < 0 ? -static_cast<int64_t>(c) : c) / 2;
    const bool negative = (product < 0) != (c < 0);
    const int64_t magnitude = (product < 0 ? -product : product) + half;
    const int64_t quotient = magnitude / (c < 0 ? -static_cast<int64_t>(c) : c);
    return static_cast<int>(negative ? -quotient : quotient);
}

int PixelArtScale(int dpi) {
    const int scale = (dpi + kBaseDpi / 2) / kBaseDpi;
    return scale < 1 ? 1 : scale;
}

}  // namespace vistrel
