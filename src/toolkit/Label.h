#pragma once
// Label: a static text with its own background and text colours, or its
// parent panel's background (ParentColor). It answers mouse messages
// (SS_NOTIFY) so that its tooltip, hint and OnClick work. With AutoSize it
// keeps the size of its text in its font, as text or font change.

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
    void SetParentColor(bool parentColor);
    void SetAutoSize(bool autoSize);

    NotifyEvent OnClick;

protected:
    LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    bool OnCommand(WORD id, WORD code) override;
    bool OnColor(HDC dc, LRESULT& brush) override;

private:
    void FitText();

    COLORREF color_ = RGB(255, 255, 255);
    COLORREF fontColor_ = RGB(0, 0, 0);
    BrushOwner brush_;
    bool parentColor_ = false;
    bool autoSize_ = false;
};

}  // namespace vistrel::tk
