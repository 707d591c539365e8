#include "toolkit/MouseEvents.h"

#include <windowsx.h>

namespace vistrel::tk {

void MouseEvents::DispatchMouse(Component& sender, UINT message, WPARAM wParam, LPARAM lParam) {
    MouseInfo mouse;
    mouse.keys = wParam;
    mouse.x = GET_X_LPARAM(lParam);  // signed: a captured mouse may be left of or above us
    mouse.y = GET_Y_LPARAM(lParam);
    switch (message) {
    case WM_MOUSEMOVE:
        if (OnMouseMove) OnMouseMove(sender, mouse);
        return;
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
        mouse.button = message == WM_LBUTTONDOWN   ? MouseButton::Left
                       : message == WM_RBUTTONDOWN ? MouseButton::Right
                                                   : MouseButton::Middle;
        if (OnMouseDown) OnMouseDown(sender, mouse);
        return;
    default:
        return;
    }
}

}  // namespace vistrel::tk
