#include "toolkit/TrackBar.h"

#include <utility>

#include <commctrl.h>

namespace vistrel::tk {

void TrackBar::Create(Window* parent, int id, const RECT& bounds) {
    brush_.reset(CreateSolidBrush(color_));
    CreateControl(TRACKBAR_CLASSA, parent,
                  WS_CHILD | WS_VISIBLE | WS_TABSTOP | TBS_HORZ | TBS_BOTTOM | TBS_AUTOTICKS |
                      TBS_FIXEDLENGTH,
                  0, bounds, id, "");
    if (!Handle()) return;
    SetFrequency(frequency_);
    reported_ = Position();
}

int TrackBar::Min() const {
    return Handle() ? static_cast<int>(SendMessageA(Handle(), TBM_GETRANGEMIN, 0, 0)) : 0;
}

void TrackBar::SetMin(int value) {
    if (!Handle()) return;
    SendMessageA(Handle(), TBM_SETRANGEMIN, TRUE, value);
    // Automatic ticks are laid out for the range they were set with.
    SetFrequency(frequency_);
}

int TrackBar::Max() const {
    return Handle() ? static_cast<int>(SendMessageA(Handle(), TBM_GETRANGEMAX, 0, 0)) : 0;
}

void TrackBar::SetMax(int value) {
    if (!Handle()) return;
    SendMessageA(Handle(), TBM_SETRANGEMAX, TRUE, value);
    SetFrequency(frequency_);
}

int TrackBar::Position() const {
    return Handle() ? static_cast<int>(SendMessageA(Handle(), TBM_GETPOS, 0, 0)) : 0;
}

void TrackBar::SetPosition(int value) {
    if (!Handle()) return;
    SendMessageA(Handle(), TBM_SETPOS, TRUE, value);
    reported_ = Position();
}

int TrackBar::PageSize() const {
    return Handle() ? static_cast<int>(SendMessageA(Handle(), TBM_GETPAGESIZE, 0, 0)) : 0;
}

void TrackBar::SetPageSize(int value) {
    if (Handle()) SendMessageA(Handle(), TBM_SETPAGESIZE, 0, value);
}

void TrackBar::SetFrequency(int value) {
    frequency_ = value;
    if (Handle()) SendMessageA(Handle(), TBM_SETTICFREQ, value, 0);
}

int TrackBar::ThumbLength() const {
    return Handle() ? static_cast<int>(SendMessageA(Handle(), TBM_GETTHUMBLENGTH, 0, 0)) : 0;
}

void TrackBar::SetThumbLength(int value) {
    if (Handle()) SendMessageA(Handle(), TBM_SETTHUMBLENGTH, value, 0);
}

void TrackBar::SetColor(COLORREF color) {
    color_ = color;
    brush_.reset(CreateSolidBrush(color_));
    Invalidate();
}

bool TrackBar::OnScroll(WORD) {
    const int position = Position();
    if (position != reported_) {
        reported_ = position;
        if (OnChange) OnChange(*this);
    }
    return true;
}

bool TrackBar::OnColor(HDC dc, LRESULT& brush) {
    SetBkColor(dc, color_);
    brush = reinterpret_cast<LRESULT>(brush_.get());
    return true;
}

LRESULT TrackBar::WndProc(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_LBUTTONDOWN:
        mouseHeld_ = true;
        if (OnMouseDown) OnMouseDown(*this);
        break;
    case WM_LBUTTONUP: {
        // Cleared first: releasing the capture below is not a loss.
        mouseHeld_ = false;
        const LRESULT result = Window::WndProc(message, wParam, lParam);
        if (OnMouseUp) OnMouseUp(*this);
        return result;
    }
    case WM_KEYDOWN:
        heldKey_ = static_cast<WORD>(wParam);
        if (OnKeyDown) OnKeyDown(*this, static_cast<WORD>(wParam));
        break;
    case WM_KEYUP:
        // Only the release of the key pressed here: one already reported
        // when the focus left, or one pressed elsewhere, is not.
        if (heldKey_ == static_cast<WORD>(wParam)) {
            heldKey_ = 0;
            if (OnKeyUp) OnKeyUp(*this, static_cast<WORD>(wParam));
        }
        break;
    case WM_CAPTURECHANGED:
    case WM_KILLFOCUS: {
        // A press whose release goes elsewhere (another window took the
        // mouse, or the focus left with the key still down) ends here, as if
        // released: a handler that paused something on the press must hear
        // of its end.
        const LRESULT result = Window::WndProc(message, wParam, lParam);
        if (std::exchange(mouseHeld_, false) && OnMouseUp) OnMouseUp(*this);
        if (message == WM_KILLFOCUS)
            if (const WORD key = std::exchange(heldKey_, WORD{0}); key && OnKeyUp) OnKeyUp(*this, key);
        return result;
    }
    default:
        break;
    }
    return Window::WndProc(message, wParam, lParam);
}

}  // namespace vistrel::tk
