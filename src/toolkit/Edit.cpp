#include "toolkit/Edit.h"

#include <vector>

#include "toolkit/UpDown.h"

namespace vistrel::tk {

namespace {

constexpr DWORD kPlainStyle = WS_CHILD | WS_TABSTOP | ES_AUTOHSCROLL;

}  // namespace

void Edit::Create(Window* parent, int id, const RECT& bounds, const std::string& text) {
    Make(parent, id, bounds, text, WS_VISIBLE);
}

void Edit::Make(Window* parent, int id, const RECT& bounds, const std::string& text, DWORD extraStyle) {
    const DWORD style = CreateParams(kPlainStyle | extraStyle | (readOnly_ ? ES_READONLY : 0));
    CreateControl("EDIT", parent, style, WS_EX_CLIENTEDGE, bounds, id, text);
}

void Edit::SetReadOnly(bool readOnly) {
    readOnly_ = readOnly;
    if (Handle()) SendMessageA(Handle(), EM_SETREADONLY, readOnly, 0);
}

bool Edit::OnCommand(WORD, WORD code) {
    if (code != EN_CHANGE) return false;
    if (OnChange) OnChange(*this);
    return true;
}

void Edit::RecreateWnd() {
    const HWND old = Handle();
    if (!old) return;
    const RECT bounds = BoundsRect();
    const int id = GetDlgCtrlID(old);
    const std::string text = Text();
    const HFONT font = Font();
    const LONG style = GetWindowLongA(old, GWL_STYLE);
    const bool focused = GetFocus() == old;
    // The tab order is the z-order: the new window goes right below the
    // sibling the old one was below.
    const HWND above = GetWindow(old, GW_HWNDPREV);
    // An up-down keeps the handle of its buddy; a new window is a new buddy.
    const std::vector<BuddyPlacement> buddies = UpDownsOf(old);

    DestroyHandle();
    Make(Parent(), id, bounds, text, style & (WS_VISIBLE | WS_DISABLED));
    if (!Handle()) return;
    if (font) SetFont(font);
    SetWindowPos(Handle(), above ? above : HWND_TOP, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_NOOWNERZORDER);
    for (const BuddyPlacement& buddy : buddies) ReattachBuddy(buddy, Handle());
    if (focused) SetFocus();
}

}  // namespace vistrel::tk
