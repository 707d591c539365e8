#pragma once
// CheckBox: an automatic check box. As in the VCL, setting Checked from code
// runs OnClick when the state changes, so handlers see one path for both.

#include "toolkit/Panel.h"

namespace vistrel::tk {

class CheckBox : public Window {
public:
    // pushLike: drawn as a button that stays down while checked.
    void Create(Window* parent, int id, const RECT& bounds, const std::string& caption,
                bool pushLike = false);

    bool Checked() const;
    void SetChecked(bool checked);
    void SetFontColor(COLORREF color) { fontColor_ = color; }
    // A picture instead of the caption; the icon stays the caller's.
    void SetGlyph(HICON icon);

    NotifyEvent OnClick;

protected:
    bool OnCommand(WORD id, WORD code) override;
    bool OnColor(HDC dc, LRESULT& brush) override;

private:
    COLORREF fontColor_ = RGB(0, 0, 0);
    // The state as last set or clicked. Read on every capture, so it is kept
    // here rather than asked of the control each time.
    bool checked_ = false;
};

}  // namespace vistrel::tk
