#pragma once
// Every private message of the program, declared once.

#include <windows.h>

namespace vistrel::tk {

enum : UINT {
    // wParam 0, lParam = const std::function<void()>*: run it in the receiving thread.
    WM_VT_SYNCHRONIZE = WM_APP + 1,
};

}  // namespace vistrel::tk
