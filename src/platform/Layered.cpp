#include "platform/Layered.h"

#include "platform/WindowFacts.h"

namespace vistrel::platform {

bool HasLayeredStyle(HWND window) {
    return (static_cast<DWORD>(GetWindowLongPtrA(window, GWL_EXSTYLE)) & WS_EX_LAYERED) != 0;
}

bool SetLayeredStyle(HWND window, bool on) {
    if (!IsWindow(window) || !Answers(window)) return false;
    const LONG_PTR style = GetWindowLongPtrA(window, GWL_EXSTYLE);
    const LONG_PTR wanted = on ? style | WS_EX_LAYERED : style & ~static_cast<LONG_PTR>(WS_EX_LAYERED);
    if (wanted != style) SetWindowLongPtrA(window, GWL_EXSTYLE, wanted);
    return true;
}

bool ReadLayeredState(HWND window, LayeredState& state) {
    if (!HasLayeredStyle(window)) return false;
    return GetLayeredWindowAttributes(window, &state.key, &state.alpha, &state.flags) != FALSE;
}

}  // namespace vistrel::platform
