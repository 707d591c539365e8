#include "toolkit/ToolBar.h"

#include <commctrl.h>

#include <algorithm>

#include "platform/Locale.h"
#include "platform/Text.h"
#include "toolkit/HintText.h"
#include "toolkit/ImageList.h"
#include "toolkit/Menu.h"

namespace vistrel::tk {

// ---------------------------------------------------------------- ToolButton

ToolButton::~ToolButton() {
    if (toolbar_) toolbar_->Remove(*this);
}

void ToolButton::SetEnabled(bool enabled) {
    // The toolbar holds what it was last told: only a change is told again
    // (the change tick sets every button twice a second).
    if (toolbar_ && enabled == enabled_) return;
    enabled_ = enabled;
    if (toolbar_ && toolbar_->Handle())
        SendMessageA(toolbar_->Handle(), TB_ENABLEBUTTON, CommandId(), MAKELPARAM(enabled, 0));
}

bool ToolButton::Enabled() const {
    if (toolbar_ && toolbar_->Handle())
        return SendMessageA(toolbar_->Handle(), TB_ISBUTTONENABLED, CommandId(), 0) != 0;
    return enabled_;
}

void ToolButton::Click() {
    // A command sent by id from outside must not do what the user cannot:
    // the toolbar itself never reports a disabled button.
    if (!Enabled()) return;
    if (OnClick) OnClick(*this);
}

// ---------------------------------------------------------------- ToolBar

ToolBar::~ToolBar() {
    for (ToolButton* button : buttons_) button->toolbar_ = nullptr;
    buttons_.clear();
    ForgetTooltip();
}

void ToolBar::Create(Window* parent, int id) {
    const DWORD style = WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN | WS_CLIPSIBLINGS | TBSTYLE_FLAT |
                        TBSTYLE_TRANSPARENT | TBSTYLE_TOOLTIPS | CCS_NODIVIDER | CCS_NORESIZE |
                        CCS_NOPARENTALIGN;
    const RECT bounds{0, 0, parent ? parent->ClientWidth() : 0, 22};
    CreateControl(TOOLBARCLASSNAMEA, parent, style, 0, bounds, id, "");
    if (!Handle()) return;
    SendMessageA(Handle(), TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
    SendMessageA(Handle(), TB_SETEXTENDEDSTYLE, 0, TBSTYLE_EX_DRAWDDARROWS);
    AdoptTooltip(reinterpret_cast<HWND>(SendMessageA(Handle(), TB_GETTOOLTIPS, 0, 0)));
    AutoSize();
}

// The tooltip's notifications name the tooltip, not the toolbar, as their
// sender: it stands for the toolbar in FromHandle.
void ToolBar::AdoptTooltip(HWND tooltip) {
    ForgetTooltip();
    tooltip_ = tooltip;
    if (tooltip_) SetAlias(tooltip_, this);
}

void ToolBar::ForgetTooltip() {
    if (tooltip_ && FromHandle(tooltip_) == this) SetAlias(tooltip_, nullptr);
    tooltip_ = nullptr;
}

void ToolBar::SetImages(ImageList& images) {
    if (!Handle()) return;
    HIMAGELIST list = images.Handle();
    SendMessageA(Handle(), TB_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(list));
    int width = 16;
    int height = 16;
    if (list) ImageList_GetIconSize(list, &width, &height);
    SendMessageA(Handle(), TB_SETBITMAPSIZE, 0, MAKELPARAM(width, height));
    // The VCL's flat button: the glyph with a 3-pixel margin (23 x 22 for 16 x 16).
    // The margin is part of the button's frame, like its one-pixel edges, and
    // stays as it is at any DPI: the glyphs grow (by whole factors) instead.
    SendMessageA(Handle(), TB_SETBUTTONSIZE, 0, MAKELPARAM(width + 7, height + 6));
    SendMessageA(Handle(), TB_AUTOSIZE, 0, 0);
    AutoSize();
}

void ToolBar::AddButton(ToolButton& button) {
    if (!Handle()) return;
    if (button.toolbar_) button.toolbar_->Remove(button);
    TBBUTTON item{};
    item.idCommand = button.CommandId();
    item.fsState = button.enabled_ ? TBSTATE_ENABLED : 0;
    item.dwData = reinterpret_cast<DWORD_PTR>(&button);
    item.iString = -1;
    switch (button.Style) {
    case ToolButtonStyle::Separator:
        item.fsStyle = BTNS_SEP;
        item.iBitmap = 0;  // the default separator width
        break;
    case ToolButtonStyle::DropDown:
        item.fsStyle = BTNS_DROPDOWN;
        item.iBitmap = button.ImageIndex >= 0 ? button.ImageIndex : I_IMAGENONE;
        break;
    case ToolButtonStyle::Button:
        item.fsStyle = BTNS_BUTTON;
        item.iBitmap = button.ImageIndex >= 0 ? button.ImageIndex : I_IMAGENONE;
        break;
    }
    if (!SendMessageA(Handle(), TB_ADDBUTTONSA, 1, reinterpret_cast<LPARAM>(&item))) return;
    button.toolbar_ = this;
    buttons_.push_back(&button);
    SendMessageA(Handle(), TB_AUTOSIZE, 0, 0);
    AutoSize();
}

void ToolBar::AddControlSpace(Window& control, int width) {
    if (!Handle()) return;
    TBBUTTON item{};
    item.iBitmap = width;  // a separator's width
    item.idCommand = 0;
    item.fsState = TBSTATE_ENABLED;
    item.fsStyle = BTNS_SEP;
    item.dwData = reinterpret_cast<DWORD_PTR>(&control);
    item.iString = -1;
    if (!SendMessageA(Handle(), TB_ADDBUTTONSA, 1, reinterpret_cast<LPARAM>(&item))) return;
    controls_.push_back(&control);
    SendMessageA(Handle(), TB_AUTOSIZE, 0, 0);
    AutoSize();
}

void ToolBar::SetControlSpace(Window& control, int width) {
    if (!Handle()) return;
    const int count = ButtonCount();
    for (int i = 0; i < count; ++i) {
        TBBUTTON item{};
        if (!SendMessageA(Handle(), TB_GETBUTTON, i, reinterpret_cast<LPARAM>(&item)) ||
            item.dwData != reinterpret_cast<DWORD_PTR>(&control))
            continue;
        TBBUTTONINFOA info{};
        info.cbSize = sizeof(info);
        info.dwMask = TBIF_BYINDEX | TBIF_SIZE;
        info.cx = static_cast<WORD>(width);
        SendMessageA(Handle(), TB_SETBUTTONINFOA, i, reinterpret_cast<LPARAM>(&info));
    }
    SendMessageA(Handle(), TB_AUTOSIZE, 0, 0);
    AutoSize();
}

int ToolBar::ContentWidth() const {
    const int count = ButtonCount();
    RECT r{};
    if (count == 0 || !SendMessageA(Handle(), TB_GETITEMRECT, count - 1, reinterpret_cast<LPARAM>(&r))) return 0;
    return r.right;
}

void ToolBar::Remove(ToolButton& button) {
    auto it = std::find(buttons_.begin(), buttons_.end(), &button);
    if (it == buttons_.end()) return;
    buttons_.erase(it);
    button.toolbar_ = nullptr;
    if (!Handle()) return;
    const LRESULT index = SendMessageA(Handle(), TB_COMMANDTOINDEX, button.CommandId(), 0);
    if (index >= 0) SendMessageA(Handle(), TB_DELETEBUTTON, index, 0);
    AutoSize();
}

int ToolBar::ButtonHeight() const {
    if (!Handle()) return 0;
    return HIWORD(SendMessageA(Handle(), TB_GETBUTTONSIZE, 0, 0));
}

int ToolBar::ButtonCount() const {
    return Handle() ? static_cast<int>(SendMessageA(Handle(), TB_BUTTONCOUNT, 0, 0)) : 0;
}

ToolButton* ToolBar::ButtonFromId(int id) const {
    for (ToolButton* button : buttons_)
        if (button->CommandId() == id) return button;
    return nullptr;
}

RECT ToolBar::ButtonScreenRect(const ToolButton& button) const {
    RECT r{};
    if (!Handle() || button.toolbar_ != this) return r;
    if (!SendMessageA(Handle(), TB_GETRECT, button.CommandId(), reinterpret_cast<LPARAM>(&r)))
        return RECT{};
    MapWindowPoints(Handle(), nullptr, reinterpret_cast<POINT*>(&r), 2);
    return r;
}

void ToolBar::AutoSize() {
    // The toolbar does not size itself (CCS_NORESIZE); its height is that of
    // its row of buttons, and an aligned toolbar makes its parent lay out again.
    const int count = ButtonCount();
    int height = ButtonHeight();
    for (int i = 0; i < count; ++i) {
        RECT r{};
        if (SendMessageA(Handle(), TB_GETITEMRECT, i, reinterpret_cast<LPARAM>(&r)))
            height = std::max(height, static_cast<int>(r.bottom));
    }
    RECT bounds = BoundsRect();
    if (bounds.bottom - bounds.top != height) {
        SetWindowPos(Handle(), nullptr, 0, 0, bounds.right - bounds.left, height,
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        if (AlignMode() != Align::None && Parent()) Parent()->Realign();
    }
    PlaceControls();
}

void ToolBar::PlaceControls() {
    // A control destroyed before the toolbar has left our children; forget it.
    const auto& children = Children();
    std::erase_if(controls_, [&](Window* control) {
        return std::find(children.begin(), children.end(), control) == children.end();
    });
    const int count = ButtonCount();
    for (int i = 0; i < count; ++i) {
        TBBUTTON item{};
        if (!SendMessageA(Handle(), TB_GETBUTTON, i, reinterpret_cast<LPARAM>(&item))) continue;
        auto* control = reinterpret_cast<Window*>(item.dwData);
        if (!(item.fsStyle & BTNS_SEP) ||
            std::find(controls_.begin(), controls_.end(), control) == controls_.end())
            continue;
        RECT r{};
        SendMessageA(Handle(), TB_GETITEMRECT, i, reinterpret_cast<LPARAM>(&r));
        const int height = control->Height() > 0 ? control->Height() : r.bottom - r.top;
        control->SetBounds(r.left, r.top, r.right - r.left, height);
    }
}

std::string ToolBar::HintAt(POINT clientPoint) const {
    if (!Handle()) return Hint;
    const LRESULT index =
        SendMessageA(Handle(), TB_HITTEST, 0, reinterpret_cast<LPARAM>(&clientPoint));
    if (index < 0) return Hint;  // a separator or no button at all
    TBBUTTON item{};
    if (!SendMessageA(Handle(), TB_GETBUTTON, index, reinterpret_cast<LPARAM>(&item))) return Hint;
    ToolButton* button = ButtonFromId(item.idCommand);
    if (!button || button->Style == ToolButtonStyle::Separator) return Hint;
    return button->Hint;
}

void ToolBar::ShowDropDown(int commandId) {
    ToolButton* button = ButtonFromId(commandId);
    if (!button || !button->DropdownMenu) return;
    const RECT r = ButtonScreenRect(*button);
    // The form owns the menu, so that it receives the menu's WM_MENUSELECT
    // (the status line hint), its owner drawing and the chosen command.
    button->DropdownMenu->Popup(GetAncestor(Handle(), GA_ROOT), r.left, r.bottom,
                                button->DropdownItem);
}

bool ToolBar::TooltipText(NMHDR& header) {
    if (header.code != TTN_GETDISPINFOA && header.code != TTN_GETDISPINFOW) return false;
    ToolButton* button = ButtonFromId(static_cast<int>(header.idFrom));
    const std::string text = button ? ShortHint(button->Hint, platform::IsLeadByte) : std::string();
    if (header.code == TTN_GETDISPINFOA) {
        auto& info = reinterpret_cast<NMTTDISPINFOA&>(header);
        tooltipText_ = text;
        info.hinst = nullptr;
        info.lpszText = tooltipText_.data();
    } else {
        // Tooltips are Unicode windows and may ask in Unicode: convert from
        // the system code page the hints are written in.
        auto& info = reinterpret_cast<NMTTDISPINFOW&>(header);
        tooltipTextWide_ = platform::Widen(text);
        info.hinst = nullptr;
        info.lpszText = platform::AsWide(tooltipTextWide_.data());
    }
    return true;
}

bool ToolBar::OnCommand(WORD id, WORD) {
    ToolButton* button = ButtonFromId(id);
    if (!button) return false;
    button->Click();
    return true;
}

bool ToolBar::OnNotify(NMHDR& header, LRESULT& result) {
    switch (header.code) {
    case TBN_DROPDOWN:
        ShowDropDown(reinterpret_cast<NMTOOLBARA&>(header).iItem);
        result = TBDDRET_DEFAULT;
        return true;
    case TTN_GETDISPINFOA:
    case TTN_GETDISPINFOW:
        result = 0;
        return TooltipText(header);
    default:
        return false;
    }
}

LRESULT ToolBar::WndProc(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_ERASEBKGND: {
        // The toolbar is transparent, and the panels it sits on paint only in
        // WM_PAINT: the background is ours to fill.
        RECT r;
        GetClientRect(Handle(), &r);
        BrushOwner brush(CreateSolidBrush(Color));
        FillRect(reinterpret_cast<HDC>(wParam), &r, brush.get());
        return 1;
    }
    case WM_NOTIFY: {
        // The tooltip asks the toolbar (the owner of its tools) first; the
        // toolbar would pass the question on to its parent, which reflects it
        // back here, so answering now is the same answer, sooner.
        auto* header = reinterpret_cast<NMHDR*>(lParam);
        const auto tooltip = reinterpret_cast<HWND>(SendMessageA(Handle(), TB_GETTOOLTIPS, 0, 0));
        if (!tooltip || header->hwndFrom != tooltip) break;
        if (tooltip != tooltip_) AdoptTooltip(tooltip);  // made later than the toolbar
        if (TooltipText(*header)) return 0;
        break;
    }
    case WM_DESTROY:
        ForgetTooltip();
        break;
    default:
        break;
    }
    return Window::WndProc(message, wParam, lParam);
}

}  // namespace vistrel::tk
