#pragma once
// Panel: a flat coloured container with an optional one-line caption.

#include "toolkit/MouseEvents.h"
#include "toolkit/Window.h"

namespace vistrel::tk {

enum class TextAlign { Left, Center, Right };

class Panel : public Window, public MouseEvents {
public:
    void Create(Window* parent, int id, const RECT& bounds, COLORREF color);

    COLORREF Color() const { return color_; }
    HBRUSH Brush() const { return brush_.get(); }
    void SetColor(COLORREF color);
    void SetCaption(const std::string& caption);
    // A caption that names another program's window, as it names itself.
    void SetCaption(const std::u16string& caption);
    const std::u16string& Caption() const { return caption_; }
    void SetCaptionAlign(TextAlign align) { captionAlign_ = align; }
    void SetFontColor(COLORREF color) { fontColor_ = color; }

protected:
    LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void Paint();

    COLORREF color_ = RGB(255, 255, 255);
    COLORREF fontColor_ = RGB(0, 0, 0);
    BrushOwner brush_;
    std::u16string caption_;
    TextAlign captionAlign_ = TextAlign::Center;
};

// The brush a child control paints its background with: its parent panel's.
HBRUSH ParentBackground(const Window& control, HDC dc);

}  // namespace vistrel::tk
