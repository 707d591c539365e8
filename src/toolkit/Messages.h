#pragma once
// Every private message of the program, declared once. Any program can post
// or send these numbers to our windows (the plumbing window is found by its
// class name): each acts only on what the program itself has queued or is
// waiting in, and a parameter is never taken for a pointer unchecked.

#include <windows.h>

namespace vistrel::tk {

enum : UINT {
    // Sent by a worker: wParam its thread id, lParam the call it waits in
    // (const std::function<void()>*), run only when that worker is waiting
    // in exactly that call.
    WM_VT_SYNCHRONIZE = WM_APP + 1,
    // Posted by a form to itself: run what was asked for while a command ran.
    WM_VT_RUN_DEFERRED = WM_APP + 2,
    // Posted to the plumbing window: the user-interface thread serves no
    // worker's call any more; what waited for that runs.
    WM_VT_CALLS_SERVED = WM_APP + 3,
    // Posted to the plumbing window by a worker whose code failed; the
    // failures themselves wait in the application's own queue.
    WM_VT_WORKER_FAILED = WM_APP + 4,
};

}  // namespace vistrel::tk
