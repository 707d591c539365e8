#pragma once
// The displays: the primary one's size and colour depth, and where the
// monitors lie.

#include <windows.h>

#include <vector>

#include "common/MonitorLayout.h"

namespace vistrel::platform {

int ScreenWidth();
// The bounds of every monitor together, in screen coordinates.
RECT VirtualScreen();
int ScreenHeight();
// The area of every monitor, in screen coordinates.
std::vector<RECT> MonitorRects();
// Every monitor with its work area and DPI, the primary one first.
std::vector<Monitor> Monitors();
// Where the mouse pointer is; (0, 0) when the system does not say (a
// desktop that is not the input desktop).
Point CursorPosition();
// Bits per pixel of the window's device context (the screen's when `window`
// is null); 0 when no device context can be had.
int BitsPerPixel(HWND window);

}  // namespace vistrel::platform
