#pragma once
// Copying pictures between pixel layouts: 32-bit pixels (blue, green, red,
// unused) into 24-bit ones (blue, green, red), e.g. into a cell of a bigger
// bitmap whose rows run either way.

#include <cstddef>
#include <cstdint>

namespace vistrel {

// `width` x `height` pixels from `from` (rows `fromStride` bytes apart) to
// `to`; `toStride` may be negative, for a bottom-up bitmap whose picture's top
// row is at `to`. Rows need not be padded alike.
void CopyBgraToBgr(const uint8_t* from, ptrdiff_t fromStride, uint8_t* to, ptrdiff_t toStride,
                   int width, int height);

}  // namespace vistrel
