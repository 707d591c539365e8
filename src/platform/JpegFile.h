#pragma once
// JPEG files of captured pictures, through libjpeg.

#include <cstdint>
#include <string>

namespace vistrel::platform {

// Writes a 24-bit picture as a baseline JPEG file at `path`.
// The pixels are rows of B, G, R bytes, top row first, `stride` bytes apart:
// the layout of a 24-bit DIB section read top down. `quality` is libjpeg's
// 1..100. The file appears whole or not at all, as ReplaceFileContents
// writes it: on any failure an existing `path` stays as it was and the
// result is false.
bool WriteJpegFile(const std::u16string& path, int width, int height,
                   const uint8_t* bgrTopDownRows, int stride, int quality);

}  // namespace vistrel::platform
