#include "toolkit/StatusBar.h"

#include "platform/Text.h"

#include <commctrl.h>

#include <algorithm>

namespace vistrel::tk {

void StatusBar::Create(Window* parent, int id) {
    const int width = parent ? parent->ClientWidth() : 0;
    const int top = parent ? std::max(parent->ClientHeight() - kHeight, 0) : 0;
    CreateControl(
        STATUSCLASSNAMEA, parent,
        WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | SBARS_SIZEGRIP | CCS_NOPARENTALIGN | CCS_NORESIZE,
        0, RECT{0, top, width, top + kHeight}, id, "");
    if (!Handle()) return;
    SendMessageA(Handle(), SB_SIMPLE, TRUE, 0);
}

void StatusBar::SetSimpleText(const std::string& text) { SetSimpleText(platform::Widen(text)); }

void StatusBar::SetSimpleText(const std::u16string& text) {
    simpleText_ = text;
    if (Handle())
        SendMessageW(Handle(), SB_SETTEXTW, SB_SIMPLEID, reinterpret_cast<LPARAM>(platform::AsWide(simpleText_)));
}

LRESULT StatusBar::WndProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_WINDOWPOSCHANGING) {
        // Whoever sizes the status line, it stays one line high.
        auto* position = reinterpret_cast<WINDOWPOS*>(lParam);
        if (!(position->flags & SWP_NOSIZE)) position->cy = kHeight;
    }
    return Window::WndProc(message, wParam, lParam);
}

}  // namespace vistrel::tk
