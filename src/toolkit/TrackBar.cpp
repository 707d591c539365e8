#include "toolkit/TrackBar.h"

#include <utility>

#include <commctrl.h>

#include "common/DpiScale.h"

namespace vistrel::tk {

namespace {

unsigned Bit(MouseButton button) { return 1U << static_cast<unsigned>(button); }

}  // namespace

void TrackBar::Create(Window* parent, int id, const RECT& bounds) {
    brush_.reset(CreateSolidBrush(color_));
    CreateControl(TRACKBAR_CLASSA, parent,
                  WS_CHILD | WS_VISIBLE | WS_TABSTOP | TBS_HORZ | TBS_BOTTOM | TBS_AUTOTICKS |
                      TBS_FIXEDLENGTH | TBS_ENABLESELRANGE,
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

int TrackBar::LineSize() const {
    return Handle() ? static_cast<int>(SendMessageA(Handle(), TBM_GETLINESIZE, 0, 0)) : 0;
}

void TrackBar::SetLineSize(int value) {
    if (Handle()) SendMessageA(Handle(), TBM_SETLINESIZE, 0, value);
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

void TrackBar::RescaleOwnSizes(int oldDpi, int newDpi) {
    if (Handle()) SetThumbLength(Rescale(ThumbLength(), oldDpi, newDpi));
}

int TrackBar::SelStart() const {
    return Handle() ? static_cast<int>(SendMessageA(Handle(), TBM_GETSELSTART, 0, 0)) : 0;
}

void TrackBar::SetSelStart(int value) {
    if (Handle()) SendMessageA(Handle(), TBM_SETSELSTART, TRUE, value);
}

int TrackBar::SelEnd() const {
    return Handle() ? static_cast<int>(SendMessageA(Handle(), TBM_GETSELEND, 0, 0)) : 0;
}

void TrackBar::SetSelEnd(int value) {
    if (Handle()) SendMessageA(Handle(), TBM_SETSELEND, TRUE, value);
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

LRESULT TrackBar::MouseButtonUp(UINT message, WPARAM wParam, LPARAM lParam) {
    const MouseInfo mouse = ReadMouse(message, wParam, lParam);
    // Cleared first: releasing the capture below is not a loss.
    heldButtons_ &= ~Bit(mouse.button);
    const LRESULT result = Window::WndProc(message, wParam, lParam);
    if (mouse.button != MouseButton::Left && heldButtons_ == 0 && GetCapture() == Handle())
        ReleaseCapture();
    // Every release on the bar counts, as in the VCL, also one whose press
    // went elsewhere.
    if (OnMouseUp) OnMouseUp(*this, mouse);
    return result;
}

void TrackBar::ReleaseHeldButtons() {
    if (!heldButtons_) return;
    MouseInfo mouse;
    POINT point{};
    GetCursorPos(&point);
    ScreenToClient(Handle(), &point);
    mouse.x = point.x;
    mouse.y = point.y;
    for (MouseButton button : {MouseButton::Left, MouseButton::Right, MouseButton::Middle}) {
        if (!(std::exchange(heldButtons_, heldButtons_ & ~Bit(button)) & Bit(button))) continue;
        mouse.button = button;
        if (OnMouseUp) OnMouseUp(*this, mouse);
    }
}

LRESULT TrackBar::WndProc(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN: {
        const MouseInfo mouse = ReadMouse(message, wParam, lParam);
        heldButtons_ |= Bit(mouse.button);
        // The control holds the mouse for the left button only; holding it
        // for the others too brings their release back here.
        if (mouse.button != MouseButton::Left && GetCapture() != Handle()) SetCapture(Handle());
        if (OnMouseDown) OnMouseDown(*this, mouse);
        break;
    }
    case WM_MOUSEMOVE:
        if (OnMouseMove) OnMouseMove(*this, ReadMouse(message, wParam, lParam));
        break;
    case WM_LBUTTONUP:
    case WM_RBUTTONUP:
    case WM_MBUTTONUP:
        return MouseButtonUp(message, wParam, lParam);
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
        // of its end. Taking the capture we already hold is no loss.
        const LRESULT result = Window::WndProc(message, wParam, lParam);
        if (message == WM_KILLFOCUS || reinterpret_cast<HWND>(lParam) != Handle()) ReleaseHeldButtons();
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
