#pragma once
// The VCL's OnMouseDown, OnMouseMove and OnMouseUp for the toolkit's own
// window classes that offer them (Panel, Image): a window mixes this in and
// hands its messages to DispatchMouse. While a button is down the window
// holds the mouse, so the release comes back to it wherever it happens.

#include <windows.h>

#include <functional>

#include "toolkit/Component.h"

namespace vistrel::tk {

enum class MouseButton { Left, Right, Middle };

struct MouseInfo {
    MouseButton button = MouseButton::Left;  // the button pressed or released
    WPARAM keys = 0;                         // MK_ flags held during the message
    int x = 0;                               // client coordinates
    int y = 0;
};

using MouseEvent = std::function<void(Component& sender, const MouseInfo& mouse)>;

// What a mouse message says: the button of a press or release (Left for a
// move), the keys held, and the client point.
MouseInfo ReadMouse(UINT message, WPARAM wParam, LPARAM lParam);

class MouseEvents {
public:
    MouseEvent OnMouseDown;
    MouseEvent OnMouseMove;
    MouseEvent OnMouseUp;

protected:
    // Runs the event a mouse message stands for; the message still gets its
    // default handling. `window` is the sender's own.
    void DispatchMouse(Component& sender, HWND window, UINT message, WPARAM wParam, LPARAM lParam);
};

}  // namespace vistrel::tk
