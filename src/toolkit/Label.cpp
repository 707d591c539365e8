#include "toolkit/Label.h"

#include "platform/WindowDc.h"

namespace vistrel::tk {

void Label::Create(Window* parent, int id, const RECT& bounds, const std::string& caption,
                   TextAlign align) {
    DWORD style = WS_VISIBLE | SS_NOTIFY | SS_NOPREFIX | SS_CENTERIMAGE;
    style |= align == TextAlign::Center ? SS_CENTER : align == TextAlign::Right ? SS_RIGHT : SS_LEFT;
    brush_.reset(CreateSolidBrush(color_));
    CreateControl("STATIC", parent, style, 0, bounds, id, caption);
}

void Label::SetColor(COLORREF color) {
    color_ = color;
    brush_.reset(CreateSolidBrush(color_));
    Invalidate();
}

void Label::SetFontColor(COLORREF color) {
    fontColor_ = color;
    Invalidate();
}

void Label::SetParentColor(bool parentColor) {
    parentColor_ = parentColor;
    Invalidate();
}

void Label::SetAutoSize(bool autoSize) {
    autoSize_ = autoSize;
    FitText();
}

void Label::FitText() {
    if (!autoSize_ || !Handle()) return;
    platform::WindowDc dc(Handle());
    if (!dc) return;
    // The control's own font: WM_GETFONT gives null for the system font.
    HGDIOBJ font = reinterpret_cast<HGDIOBJ>(SendMessageA(Handle(), WM_GETFONT, 0, 0));
    Selection selected(dc.get(), font ? font : GetStockObject(SYSTEM_FONT));
    const std::string text = Text();
    SIZE size{};
    GetTextExtentPoint32A(dc.get(), text.c_str(), static_cast<int>(text.size()), &size);
    TEXTMETRICA metrics{};
    GetTextMetricsA(dc.get(), &metrics);
    // An empty label keeps the height of a line, as it would show one.
    SetWindowPos(Handle(), nullptr, 0, 0, size.cx, metrics.tmHeight,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOOWNERZORDER);
}

LRESULT Label::WndProc(UINT message, WPARAM wParam, LPARAM lParam) {
    const LRESULT result = Window::WndProc(message, wParam, lParam);
    if (message == WM_SETTEXT || message == WM_SETFONT) FitText();
    return result;
}

bool Label::OnCommand(WORD, WORD code) {
    if (code != STN_CLICKED) return false;
    if (OnClick) OnClick(*this);
    return true;
}

bool Label::OnColor(HDC dc, LRESULT& brush) {
    SetTextColor(dc, fontColor_);
    if (parentColor_) {
        brush = reinterpret_cast<LRESULT>(ParentBackground(*this, dc));
        return true;
    }
    SetBkColor(dc, color_);
    brush = reinterpret_cast<LRESULT>(brush_.get());
    return true;
}

}  // namespace vistrel::tk
