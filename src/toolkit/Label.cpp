#include "toolkit/Label.h"

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

bool Label::OnColor(HDC dc, LRESULT& brush) {
    SetTextColor(dc, fontColor_);
    SetBkColor(dc, color_);
    brush = reinterpret_cast<LRESULT>(brush_.get());
    return true;
}

}  // namespace vistrel::tk
