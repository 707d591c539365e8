#pragma once
// The standard colours by the names the forms use (COLORREF, 0x00BBGGRR).

#include <windows.h>

namespace vistrel::tk {

constexpr COLORREF clWhite = RGB(255, 255, 255);
constexpr COLORREF clBlack = RGB(0, 0, 0);
constexpr COLORREF clGray = RGB(128, 128, 128);
constexpr COLORREF clBlue = RGB(0, 0, 255);
constexpr COLORREF clRed = RGB(255, 0, 0);
constexpr COLORREF clYellow = RGB(255, 255, 0);
constexpr COLORREF clLime = RGB(0, 255, 0);

}  // namespace vistrel::tk
