#pragma once
// Label: a static text with its own background and text colours. It answers
// mouse messages (SS_NOTIFY) so that its tooltip and hint work.

#include "toolkit/Panel.h"

namespace vistrel::tk {

class Label : public Window {
public:
    void Create(Window* parent, int id, const RECT& bounds, const std::string& caption,
                TextAlign align = TextAlign::Left);

    void SetColor(COLORREF color);
    COLORREF Color() const { return color_; }
    void SetFontColor(COLORREF color);
    void SetCaption(const std::string& caption) { SetText(caption); }
    std::string Caption() const { return Text(); }

protected:
    bool OnColor(HDC dc, LRESULT& brush) override;

private:
    COLORREF color_ = RGB(255, 255, 255);
    COLORREF fontColor_ = RGB(0, 0, 0);
    BrushOwner brush_;
};

}  // namespace vistrel::tk
