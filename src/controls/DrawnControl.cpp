#include "controls/DrawnControl.h"

namespace vistrel {

DrawnControl::DrawnControl() : color_(GetSysColor(COLOR_BTNFACE)) {}

void DrawnControl::PaintTo(HDC dc) {
    const int width = ClientWidth();
    const int height = ClientHeight();
    if (!Paintable(width, height)) return;
    buffer_.SetSize(width, height);
    Draw(buffer_, width, height);
    BitBlt(dc, 0, 0, width, height, buffer_.Dc(), 0, 0, SRCCOPY);
}

HFONT DrawnControl::TextFont() const {
    return Font() ? Font() : static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
}

LRESULT DrawnControl::WndProc(UINT message, WPARAM wParam, LPARAM lParam) {
    LRESULT result = 0;
    if (HandleSelfPaint(message, wParam, [this](HDC dc) { PaintTo(dc); }, result)) return result;
    return tk::Window::WndProc(message, wParam, lParam);
}

}  // namespace vistrel
