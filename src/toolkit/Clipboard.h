#pragma once
// The clipboard, for pictures.

#include <windows.h>

namespace vistrel::tk {

class Bitmap;

// Puts a copy of the picture on the clipboard as CF_BITMAP, a device bitmap
// the clipboard owns afterwards; nothing else is placed. False when the
// clipboard could not be had or the copy not made; it is then left as it was.
bool CopyBitmapToClipboard(HWND owner, const Bitmap& picture);

}  // namespace vistrel::tk
