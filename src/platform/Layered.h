#pragma once
// The layered style of other programs' windows: read it, switch it, read the
// opacity their own program gave them. Switching the style sends the window
// style messages, which waits for the window's thread: a window that does
// not answer is left as it is.

#include <windows.h>

namespace vistrel::platform {

bool HasLayeredStyle(HWND window);
// False when the window did not answer (nothing changed) or has gone.
bool SetLayeredStyle(HWND window, bool on);

struct LayeredState {
    COLORREF key = 0;
    BYTE alpha = 255;
    DWORD flags = 0;
};
// What SetLayeredWindowAttributes last gave the window; false when nothing
// can be read (not layered, or layered through UpdateLayeredWindow).
bool ReadLayeredState(HWND window, LayeredState& state);

}  // namespace vistrel::platform
