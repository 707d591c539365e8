#pragma once
// Pictures written to files: Windows bitmaps and JPEG. Each file appears
// whole or not at all (written to a temporary file beside it and moved over
// the old one), so a full disk never leaves a truncated picture or destroys
// the file that was there. Paths are UTF-16: the user may choose any folder.

#include <string>

namespace vistrel::tk {

class Bitmap;

// An uncompressed BMP at the display's colour depth (32 bits on a 32-bit
// display, 24 otherwise). False when nothing could be written.
bool SaveBitmapFile(const std::u16string& path, Bitmap& picture);
// A baseline colour JFIF file.
bool SaveJpegFile(const std::u16string& path, const Bitmap& picture, int quality);

// The program's pictures: a bitmap file, or JPEG at the program's quality.
constexpr int kJpegQuality = 90;
bool SavePictureFile(const std::u16string& path, bool asBitmap, Bitmap& picture);

}  // namespace vistrel::tk
