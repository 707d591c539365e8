#include "toolkit/CheckBox.h"

namespace vistrel::tk {

void CheckBox::Create(Window* parent, int id, const RECT& bounds, const std::string& caption,
                      bool pushLike) {
    CreateControl("BUTTON", parent,
                  WS_VISIBLE | WS_TABSTOP | BS_AUTOCHECKBOX | (pushLike ? BS_PUSHLIKE : 0), 0,
                  bounds, id, caption);
}

bool CheckBox::Checked() const { return checked_; }

void CheckBox::SetGlyph(HICON icon) {
    const LONG_PTR style = GetWindowLongPtrA(Handle(), GWL_STYLE);
    SetWindowLongPtrA(Handle(), GWL_STYLE, icon ? style | BS_ICON : style & ~static_cast<LONG_PTR>(BS_ICON));
    SendMessageA(Handle(), BM_SETIMAGE, IMAGE_ICON, reinterpret_cast<LPARAM>(icon));
}

void CheckBox::SetChecked(bool checked) {
    if (!Handle() || checked_ == checked) return;
    SendMessageA(Handle(), BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
    checked_ = checked;
    if (OnClick) OnClick(*this);
}

bool CheckBox::OnCommand(WORD, WORD code) {
    if (code != BN_CLICKED) return false;
    // The control has toggled itself (mouse, keyboard or BM_CLICK).
    checked_ = SendMessageA(Handle(), BM_GETCHECK, 0, 0) == BST_CHECKED;
    if (OnClick) OnClick(*this);
    return true;
}

bool CheckBox::OnColor(HDC dc, LRESULT& brush) {
    SetTextColor(dc, fontColor_);
    brush = reinterpret_cast<LRESULT>(ParentBackground(*this, dc));
    return true;
}

}  // namespace vistrel::tk
