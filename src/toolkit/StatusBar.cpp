#include "toolkit/StatusBar.h"

#include <commctrl.h>

#include <algorithm>
#include <cstring>

namespace vistrel::tk {

void StatusBar::Create(Window* parent, int id) {
    const int width = parent ? parent->ClientWidth() : 0;
    const int top = parent ? std::max(parent->ClientHeight() - kHeight, 0) : 0;
    CreateControl(STATUSCLASSNAMEA, parent,
                  WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | SBARS_SIZEGRIP | CCS_NOPARENTALIGN |
                      CCS_NORESIZE,
                  0, RECT{0, top, width, top + kHeight}, id, "");
    if (!Handle()) return;
    SendMessageA(Handle(), SB_SIMPLE, TRUE, 0);
}

void StatusBar::SetSimpleText(const std::string& text) {
    if (Handle())
        SendMessageA(Handle(), SB_SETTEXTA, SB_SIMPLEID, reinterpret_cast<LPARAM>(text.c_str()));
}

std::string StatusBar::SimpleText() const {
    if (!Handle()) return {};
    const LRESULT lengths = SendMessageA(Handle(), SB_GETTEXTLENGTHA, SB_SIMPLEID, 0);
    std::string text(static_cast<size_t>(LOWORD(lengths)) + 1, '\0');
    SendMessageA(Handle(), SB_GETTEXTA, SB_SIMPLEID, reinterpret_cast<LPARAM>(text.data()));
    text.resize(std::strlen(text.c_str()));
    return text;
}

LRESULT StatusBar::WndProc(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_WINDOWPOSCHANGING: {
        // Whoever sizes the status line, it stays one line high.
        auto* position = reinterpret_cast<WINDOWPOS*>(lParam);
        if (!(position->flags & SWP_NOSIZE)) position->cy = kHeight;
        break;
    }
    case WM_SIZE: {
        // Without self-sizing the control does not lay out its panel again
        // (Wine keeps the panel at its creation size): setting the parts does.
        const LRESULT r = Window::WndProc(message, wParam, lParam);
        int right = -1;
        SendMessageA(Handle(), SB_SETPARTS, 1, reinterpret_cast<LPARAM>(&right));
        return r;
    }
    default:
        break;
    }
    return Window::WndProc(message, wParam, lParam);
}

}  // namespace vistrel::tk
