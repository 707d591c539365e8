#pragma once
// The primary display: its size and colour depth.

#include <windows.h>

namespace vistrel::platform {

int ScreenWidth();
// The bounds of every monitor together, in screen coordinates.
RECT VirtualScreen();
int ScreenHeight();
// Bits per pixel of the window's device context (the screen's when `window`
// is null); 0 when no device context can be had.
int BitsPerPixel(HWND window);

}  // namespace vistrel::platform
