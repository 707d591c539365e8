#pragma once
// Every private message of the program, declared once.

#include <windows.h>

namespace vistrel::tk {

enum : UINT {
    // wParam 0, lParam = const std::function<void()>*: run it in the receiving thread.
    WM_VT_SYNCHRONIZE = WM_APP + 1,
    // Posted by a form to itself: run what was asked for while a command ran.
    WM_VT_RUN_DEFERRED = WM_APP + 2,
    // Posted by a form to itself: its controls have been painted once.
    WM_VT_FIRST_PAINTED = WM_APP + 3,
    // Posted to the plumbing window by a worker whose code failed: wParam 0,
    // lParam = std::exception_ptr* (the receiver deletes it), reported as
    // any exception is.
    WM_VT_WORKER_FAILED = WM_APP + 4,
};

}  // namespace vistrel::tk
