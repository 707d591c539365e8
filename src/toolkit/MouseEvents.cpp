#include "toolkit/MouseEvents.h"

#include <windowsx.h>

namespace vistrel::tk {

namespace {

MouseButton ButtonOf(UINT message) {
    switch (message) {
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP:
        return MouseButton::Right;
    case WM_MBUTTONDOWN:
    case WM_MBUTTONUP:
        return MouseButton::Middle;
    default:
        return MouseButton::Left;
    }
}

}  // namespace

MouseInfo ReadMouse(UINT message, WPARAM wParam, LPARAM lParam) {
    MouseInfo mouse;
    mouse.button = ButtonOf(message);
    mouse.keys = wParam;
    mouse.x = GET_X_LPARAM(lParam);  // signed: a captured mouse may be left of or above us
    mouse.y = GET_Y_LPARAM(lParam);
    return mouse;
}

void MouseEvents::DispatchMouse(Component& sender, HWND window, UINT message, WPARAM wParam,
                                LPARAM lParam) {
    const MouseInfo mouse = ReadMouse(message, wParam, lParam);
    switch (message) {
    case WM_MOUSEMOVE:
        if (OnMouseMove) OnMouseMove(sender, mouse);
        return;
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
        SetCapture(window);
        if (OnMouseDown) OnMouseDown(sender, mouse);
        return;
    case WM_LBUTTONUP:
    case WM_RBUTTONUP:
    case WM_MBUTTONUP:
        if (GetCapture() == window) ReleaseCapture();
        if (OnMouseUp) OnMouseUp(sender, mouse);
        return;
    default:
        return;
    }
}

}  // namespace vistrel::tk
