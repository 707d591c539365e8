#pragma once
// The DPI a window is shown at, which turns the program's 96-DPI lengths
// into its pixels (common/DpiScale.h does the arithmetic).

#include <windows.h>

namespace vistrel::tk {

// GetDpiForWindow where the system has it (Windows 10 1607 on: the DPI of the
// window's monitor for a per-monitor aware program); before that the DPI of
// the screen's DC, which is the system DPI. A null window asks the latter,
// for sizes needed before a window exists.
int WindowDpi(HWND window);

// A 96-DPI length at the DPI of `window`.
int ScaleFor(HWND window, int length96);

// What the frame of a window of this style adds around its client area at
// `dpi`, as AdjustWindowRectEx grows an empty rectangle (left and top
// negative). Before Windows 10 1607 the frame of the system's DPI, which is
// the one such a system draws.
RECT FrameAt(DWORD style, DWORD exStyle, int dpi);
// GetSystemMetrics at `dpi` where the system can tell it, else the system's.
int SystemMetricAt(int index, int dpi);
// The system's menu font at `dpi`: as the system gives it for that DPI
// (Windows 10 1607 on), else its font of the system DPI grown to `dpi`.
// False when the system does not tell it.
bool MenuLogFontAt(int dpi, LOGFONTW& font);

}  // namespace vistrel::tk
