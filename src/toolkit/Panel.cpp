#include "toolkit/Panel.h"

#include "platform/Text.h"

namespace vistrel::tk {

void Panel::Create(Window* parent, int id, const RECT& bounds, COLORREF color) {
    color_ = color;
    brush_.reset(CreateSolidBrush(color_));
    CreateOwn("TPanel", parent, WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN | WS_CLIPSIBLINGS, 0,
              bounds, id, "", CS_HREDRAW | CS_VREDRAW);
    if (parent && parent->Font()) SetFont(parent->Font());
}

void Panel::SetColor(COLORREF color) {
    color_ = color;
    brush_.reset(CreateSolidBrush(color_));
    Invalidate();
}

void Panel::SetCaption(const std::string& caption) { SetCaption(platform::Widen(caption)); }

void Panel::SetCaption(const std::u16string& caption) {
    caption_ = caption;
    SetText(caption);  // also the window text, so that others can read what is shown
    Invalidate();
}

void Panel::Paint() {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(Handle(), &ps);
    RECT r;
    GetClientRect(Handle(), &r);
    FillRect(dc, &r, brush_.get());
    if (!caption_.empty()) {
        Selection font(dc, Font() ? static_cast<HGDIOBJ>(Font()) : GetStockObject(DEFAULT_GUI_FONT));
        SetBkMode(dc, TRANSPARENT);
        SetTextColor(dc, fontColor_);
        UINT format = DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS;
        format |= captionAlign_ == TextAlign::Left    ? DT_LEFT
                  : captionAlign_ == TextAlign::Right ? DT_RIGHT
                                                      : DT_CENTER;
        RECT text = r;
        InflateRect(&text, -2, 0);
        DrawTextW(dc, platform::AsWide(caption_), static_cast<int>(caption_.size()), &text, format);
    }
    EndPaint(Handle(), &ps);
}

LRESULT Panel::WndProc(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_PAINT:
        Paint();
        return 0;
    case WM_ERASEBKGND:
        return 1;
    default:
        DispatchMouse(*this, Handle(), message, wParam, lParam);
        return Window::WndProc(message, wParam, lParam);
    }
}

HBRUSH ParentBackground(const Window& control, HDC dc) {
    if (auto* panel = dynamic_cast<Panel*>(control.Parent())) {
        SetBkColor(dc, panel->Color());
        return panel->Brush();
    }
    SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
    return GetSysColorBrush(COLOR_BTNFACE);
}

}  // namespace vistrel::tk
